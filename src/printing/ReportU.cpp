#include "printing/ReportU.h"

#include <QDir>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QVBoxLayout>
#include <stdexcept>

#include "platform/HandlerGuard.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfBeside.h"
#include "platform/PrinterChoice.h"
#include "platform/Ui.h"
#include "printing/ReportView.h"
#include "platform/Help.h"

TReportF* ReportF = nullptr;

namespace {
constexpr int kScrollBarTop = 2;
constexpr int kScrollBarWidth = 16;
}  // namespace

// The client area below the menu: the report is painted here.
class ReportPage : public QWidget {
 public:
  explicit ReportPage(TReportF* owner) : QWidget(owner), owner_(owner) {
    setObjectName(QStringLiteral("ReportPage"));
  }

 protected:
  // The wheel over the report scrolls the window.
  void wheelEvent(QWheelEvent* event) override { owner_->wheelEvent(event); }
  void paintEvent(QPaintEvent*) override {
    try {
      owner_->FormPaint();
    } catch (const std::exception&) {
      // Nothing can be shown about a failed repaint; the next one tries again.
    }
  }

 private:
  TReportF* owner_;
};

TReportF::TReportF(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("ReportF"));
  setWindowTitle(tr("Report"));
  Help::setSection(this, QStringLiteral("report-window"));
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  setAutoFillBackground(true);

  MainMenu1 = new QMenuBar(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  mExit = MainMenu1->addAction(tr("E&xit"));
  mExit->setObjectName(QStringLiteral("mExit"));
  mPrint = MainMenu1->addAction(tr("Print"));
  mPrint->setObjectName(QStringLiteral("mPrint"));
  mExport = MainMenu1->addMenu(tr("&Export"));
  mExport->setObjectName(QStringLiteral("mExport"));
  AsciiText1 = mExport->addAction(tr("Ascii &Text"));
  AsciiText1->setObjectName(QStringLiteral("AsciiText1"));
  TabDelimited1 = mExport->addAction(tr("Tab &Delimited"));
  TabDelimited1->setObjectName(QStringLiteral("TabDelimited1"));

  page_ = new ReportPage(this);
  Bevel1 = new QFrame(page_);
  Bevel1->setObjectName(QStringLiteral("Bevel1"));
  Bevel1->setFrameShape(QFrame::HLine);
  Bevel1->setFrameShadow(QFrame::Sunken);
  ScrollBar1 = new QScrollBar(Qt::Vertical, page_);
  ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(MainMenu1);
  layout->addWidget(page_);

  connect(mExit, &QAction::triggered, this, Guarded(this, &TReportF::mExitClick));
  connect(mPrint, &QAction::triggered, this, Guarded(this, &TReportF::mPrintClick));
  connect(AsciiText1, &QAction::triggered, this, Guarded(this, &TReportF::AsciiText1Click));
  connect(TabDelimited1, &QAction::triggered, this, Guarded(this, &TReportF::TabDelimited1Click));
  connect(ScrollBar1, &QScrollBar::valueChanged, this, Guarded(this, &TReportF::ScrollBar1Change));

  ReportF = this;
}

TReportF::~TReportF() {
  if (ReportF == this) ReportF = nullptr;
}

void TReportF::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  RunGuarded([this] { FormShow(); });
}

void TReportF::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  // The window manager may maximise the window after it was shown: measure
  // again for the final size, keeping the line in view where it can.
  if (isVisible()) RunGuarded([this] { Measure(); });
}

void TReportF::FormShow() {
  // Without a window manager nothing maximises the window: it is given the
  // screen's available area itself.
  if (QScreen* s = screen()) {
    const QRect area = s->availableGeometry();
    if (width() < area.width() && height() < area.height()) setGeometry(area);
  }
  setWindowState(windowState() | Qt::WindowMaximized);
  first_ = 0;
  Measure();
}

void TReportF::Measure() {
  const QSize client = page_->size();
  Bevel1->setGeometry(0, 0, client.width(), 1);
  ScrollBar1->setGeometry(client.width() - kScrollBarWidth, kScrollBarTop, kScrollBarWidth,
                          qMax(client.height() - kScrollBarTop, 0));

  PainterCanvas canvas(page_);
  layout_ = LayoutReport(canvas, ReportFont(), Report().LineWidth,
                         client.width() - kScrollBarWidth);
  visible_ = VisibleLines(client.height() - kScrollBarTop, layout_.lh);

  const ReportScroll scroll = ScrollFor(Report().lineCount(), visible_);
  const QSignalBlocker quiet(ScrollBar1);
  first_ = qMin(first_, scroll.maximum);
  ScrollBar1->setEnabled(scroll.enabled);
  ScrollBar1->setRange(0, scroll.maximum);
  ScrollBar1->setPageStep(scroll.largeChange);
  ScrollBar1->setSingleStep(1);
  ScrollBar1->setValue(first_);
  page_->update();
}

void TReportF::FormPaint() {
  PainterCanvas canvas(page_);
  canvas.fillRect(QRect(0, 0, layout_.width, page_->height()), Qt::white);
  DrawReportLines(canvas, Report(), layout_, first_, first_ + visible_ - 1, 0);
}

void TReportF::wheelEvent(QWheelEvent* event) {
  if (!ScrollBar1->isEnabled()) return QDialog::wheelEvent(event);
  QCoreApplication::sendEvent(ScrollBar1, event);
}

void TReportF::keyPressEvent(QKeyEvent* event) {
  QAbstractSlider::SliderAction action = QAbstractSlider::SliderNoAction;
  switch (event->key()) {
    case Qt::Key_PageUp: action = QAbstractSlider::SliderPageStepSub; break;
    case Qt::Key_PageDown: action = QAbstractSlider::SliderPageStepAdd; break;
    case Qt::Key_Up: action = QAbstractSlider::SliderSingleStepSub; break;
    case Qt::Key_Down: action = QAbstractSlider::SliderSingleStepAdd; break;
    case Qt::Key_Home: action = QAbstractSlider::SliderToMinimum; break;
    case Qt::Key_End: action = QAbstractSlider::SliderToMaximum; break;
    // Escape closes the window as Exit does, as in every other window.
    case Qt::Key_Escape: mExitClick(); return;
    default: return QDialog::keyPressEvent(event);
  }
  if (ScrollBar1->isEnabled()) ScrollBar1->triggerAction(action);
}

void TReportF::ScrollBar1Change() {
  first_ = ScrollBar1->value();
  page_->update();
}

void TReportF::mExitClick() { close(); }

void TReportF::mPrintClick() {
  QPrinter* printer = PrinterChoice::printer();
  if (!printer) throw PrinterError(
        tr("No printer is selected. Choose one with Printer Setup.").toLocal8Bit().toStdString());
  if (!PrinterChoice::askPdfFile(this, ReportFileStem())) return;
  PdfBeside pdf(printer);
  {
    PainterCanvas canvas(printer);
    PrintDocument(canvas);
    canvas.end();
  }
  QString why;
  if (pdf.finish(&why) == PdfBeside::Result::Failed) {
    Ui::get().information(tr("Unable to save to: %1 (%2)").arg(pdf.target(), why));
    return;
  }
  Ui::get().status(PrinterChoice::printedTo(pdf.target()));
  if (Report().Delivered) Report().Delivered();
}

void TReportF::AsciiText1Click() { ExportAs(ExportFormat::PlainText); }

void TReportF::TabDelimited1Click() { ExportAs(ExportFormat::TabDelimited); }

void TReportF::ExportAs(ExportFormat format) {
  const bool tabs = format == ExportFormat::TabDelimited;
  // The file dialog may change the current folder; the tables live there.
  const QString folder = QDir::currentPath();
  const QString name = Ui::get().saveFileName(
      this, tr("Export Report"), QString(),
      //: A file dialog's filter: the description, "|", the pattern.
      tabs ? tr("Delimited files (*.asc)|*.ASC")
           //: A file dialog's filter: the description, "|", the pattern.
           : tr("Text files (*.txt)|*.TXT"),
      tabs ? QStringLiteral("asc") : QStringLiteral("txt"));
  QDir::setCurrent(folder);
  if (name.isEmpty()) return;
  if (!ExportReport(name, format)) {
    Ui::get().information(tr("Unable to save to: %1").arg(name));
    return;
  }
  if (Report().Delivered) Report().Delivered();
}

void ShowReport() {
  FinishReport();
  if (Report().lineCount() <= 0) return;
  if (!ReportF) throw std::logic_error("The report window has not been created.");
  Ui::get().exec(ReportF);
}
