#include "platform/PrinterChoice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/PainterCanvas.h"
#include "platform/Ui.h"

namespace {

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

}  // namespace

namespace PrinterChoice {

bool hasPrinter() { return current() != nullptr; }

QPrinter* printer() { return current().get(); }

void selectSystemDefault() {
  releaseAtExit();
  current() = systemDefault();
}

void selectPdf(const QString& path) {
  auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
  p->setOutputFormat(QPrinter::PdfFormat);
  p->setOutputFileName(path);
  releaseAtExit();
  current() = std::move(p);
}

void selectNone() { current().reset(); }

QString description() {
  QPrinter* p = printer();
  if (!p) return QString();
  QString name = p->outputFormat() == QPrinter::PdfFormat ? QFileInfo(p->outputFileName()).fileName()
                                                          : p->printerName();
  bool landscape = p->pageLayout().orientation() == QPageLayout::Landscape;
  return name + (landscape ? "-Landscape" : "-Portrait");
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
    QString path = Ui::get().saveFileName(parent, "Print to PDF File", start, "PDF files (*.pdf)", "pdf");
    if (path.isEmpty()) return false;
    selectPdf(path);
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
  dialog.setWindowTitle("Printer Setup");
  if (Ui::get().exec(&dialog) != QDialog::Accepted) return false;
  if (fresh) {
    releaseAtExit();
    current() = std::move(fresh);
  }
  return true;
}

}  // namespace PrinterChoice
