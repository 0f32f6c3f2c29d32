#include "platform/PrinterChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>

#include "platform/Clock.h"
#include "platform/PainterCanvas.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(PrinterChoice)
};

std::unique_ptr<QPrinter>& current() {
  static std::unique_ptr<QPrinter> printer;
  return printer;
}

// The printer goes with the application, not after it among the statics.
void releaseAtExit() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  qAddPostRoutine([] { current().reset(); });
}

std::unique_ptr<QPrinter> systemDefault() {
  QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) {
    const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
    if (all.isEmpty()) return nullptr;
    info = all.first();
  }
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

// Where the choice of Printer Setup outlives the run: the user's settings,
// not the data folder, as printers belong to the machine.
QSettings Remembered() { return QSettings(QStringLiteral("Tallowby"), QStringLiteral("Tallowby")); }

void remember(const QPrinter& p) {
  QSettings s = Remembered();
  s.beginGroup(QStringLiteral("Printer"));
  const bool pdf = p.outputFormat() == QPrinter::PdfFormat;
  s.setValue(QStringLiteral("Pdf"), pdf);
  s.setValue(QStringLiteral("Name"), pdf ? p.outputFileName() : p.printerName());
  s.setValue(QStringLiteral("Landscape"), p.pageLayout().orientation() == QPageLayout::Landscape);
  s.setValue(QStringLiteral("Paper"), int(p.pageLayout().pageSize().id()));
  s.endGroup();
  s.sync();
}

}  // namespace

namespace PrinterChoice {

QPageSize::PageSizeId localePaper() {
  const QLocale::Territory t = QLocale().territory();
  return t == QLocale::UnitedStates || t == QLocale::Canada ? QPageSize::Letter : QPageSize::A4;
}

void selectRemembered() {
  QSettings s = Remembered();
  s.beginGroup(QStringLiteral("Printer"));
  const QString name = s.value(QStringLiteral("Name")).toString();
  const bool pdf = s.value(QStringLiteral("Pdf")).toBool();
  const bool landscape = s.value(QStringLiteral("Landscape")).toBool();
  const int paper = s.value(QStringLiteral("Paper"), -1).toInt();
  s.endGroup();
  if (name.isEmpty()) return selectSystemDefault();
  if (pdf) {
    if (!QFileInfo(name).absoluteDir().exists()) return selectSystemDefault();
    selectPdf(name);
  } else {
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) return selectSystemDefault();
    releaseAtExit();
    current() = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
  }
  QPrinter* p = printer();
  p->setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  if (paper >= 0 && paper < QPageSize::Custom)
    p->setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paper)));
}

bool hasPrinter() { return current() != nullptr; }

QPrinter* printer() { return current().get(); }

void selectSystemDefault() {
  releaseAtExit();
  current() = systemDefault();
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
  auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
  p->setOutputFormat(QPrinter::PdfFormat);
  p->setOutputFileName(path);
  p->setPageSize(QPageSize(localePaper()));
  return p;
}

void selectPdf(const QString& path) {
  releaseAtExit();
  current() = pdfPrinter(path);
}

StandIn::StandIn(std::unique_ptr<QPrinter> printer) : chosen_(std::move(current())) {
  releaseAtExit();
  current() = std::move(printer);
}

StandIn::~StandIn() { current() = std::move(chosen_); }

void selectNone() { current().reset(); }

bool askPdfFile(QWidget* parent, const QString& stem) {
  QPrinter* p = printer();
  if (!p || p->outputFormat() != QPrinter::PdfFormat) return true;
  const QString last = p->outputFileName();
  const QString folder = last.isEmpty() ? QDir::homePath() : QFileInfo(last).absolutePath();
  const QString proposed =
      QDir(folder).filePath(stem + QLatin1Char('-') + Clock::today().toString(Qt::ISODate) + QStringLiteral(".pdf"));
  // The file dialog may change the current folder; the tables live there.
  const QString dataFolder = QDir::currentPath();
  const QString path = Ui::get().saveFileName(parent, Tr::tr("Print to PDF File"), proposed,
                                              Tr::tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
  QDir::setCurrent(dataFolder);
  if (path.isEmpty()) return false;
  p->setOutputFileName(path);
  remember(*p);
  return true;
}

QString printedTo(const QString& pdfFile) {
  if (!pdfFile.isEmpty()) return Tr::tr("Printed to %1.").arg(QDir::toNativeSeparators(pdfFile));
  return printer() ? Tr::tr("Printed on %1.").arg(printer()->printerName()) : QString();
}

QString description() {
  QPrinter* p = printer();
  if (!p) return QString();
  QString name = p->outputFormat() == QPrinter::PdfFormat ? QFileInfo(p->outputFileName()).fileName()
                                                          : p->printerName();
  bool landscape = p->pageLayout().orientation() == QPageLayout::Landscape;
  //: %1 is the printer's (or PDF file's) name.
  return (landscape ? Tr::tr("%1-Landscape") : Tr::tr("%1-Portrait")).arg(name);
}

std::unique_ptr<Canvas> measuringCanvas() {
  QPrinter* p = printer();
  if (!p) return nullptr;
  return std::make_unique<PainterCanvas>(p);
}

bool setupDialog(QWidget* parent) {
  if (QPrinterInfo::availablePrinters().isEmpty() &&
      (!printer() || printer()->outputFormat() == QPrinter::PdfFormat)) {
    QString start = printer() ? printer()->outputFileName() : QString();
    QString path = Ui::get().saveFileName(parent, Tr::tr("Print to PDF File"), start,
                                          Tr::tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty()) return false;
    selectPdf(path);
    remember(*printer());
    return true;
  }
  std::unique_ptr<QPrinter> fresh;
  QPrinter* p = printer();
  if (!p) {
    fresh = systemDefault();
    if (!fresh) fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p = fresh.get();
  }
  QPrintDialog dialog(p, parent);
  dialog.setWindowTitle(Tr::tr("Printer Setup"));
  if (Ui::get().exec(&dialog) != QDialog::Accepted) return false;
  if (fresh) {
    releaseAtExit();
    current() = std::move(fresh);
  }
  remember(*printer());
  return true;
}

}  // namespace PrinterChoice
