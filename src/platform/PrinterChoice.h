// The current printer: the one chosen in Printer Setup at an earlier run
// (remembered in the user's settings) or else the system's default printer,
// changed by Printer Setup; "no printer" when none is installed. A PDF file
// counts as a printer. Tests set it.
#ifndef PLATFORM_PRINTERCHOICE_H
#define PLATFORM_PRINTERCHOICE_H

#include <QPageSize>
#include <QString>
#include <memory>

class Canvas;
class QPrinter;
class QWidget;

namespace PrinterChoice {

bool hasPrinter();
// The current printer, or nullptr when there is none.
QPrinter* printer();
// Chooses the system's default printer (none when no printer is installed).
void selectSystemDefault();
// Chooses the printer or PDF file last chosen in Printer Setup, with its
// orientation and paper; the system's default when nothing was chosen yet
// or that printer (the PDF file's folder) is gone.
void selectRemembered();
// Chooses printing into a PDF file, on the paper of the user's locale:
// Letter in the United States and Canada, A4 elsewhere.
void selectPdf(const QString& path);
// That paper.
QPageSize::PageSizeId localePaper();
// No printer.
void selectNone();
// Before a print from a window: when the current printer prints into a PDF
// file, asks for the file each time, proposing stem-YYYY-MM-DD.pdf in the
// folder of the last one, and prints into that file from now on. False
// when the person cancelled; true at once for a printer that is no file.
bool askPdfFile(QWidget* parent, const QString& stem);
// "Printed to %1." with pdfFile when it is set, else "Printed on %1." with
// the current printer's name: what the status bar says after a print.
QString printedTo(const QString& pdfFile);
// A printer into the PDF file path, on the paper of the user's locale.
std::unique_ptr<QPrinter> pdfPrinter(const QString& path);

// For its lifetime, printer is the current printer: a document made for a
// file (an e-invoice) is laid out and printed on that file's pages,
// whatever the person chose in Printer Setup, which is current again
// afterwards.
class StandIn {
 public:
  explicit StandIn(std::unique_ptr<QPrinter> printer);
  ~StandIn();
  StandIn(const StandIn&) = delete;
  StandIn& operator=(const StandIn&) = delete;

 private:
  std::unique_ptr<QPrinter> chosen_;
};
// "name-Portrait" or "name-Landscape"; "" when there is no printer.
QString description();
// A canvas on the current printer for measuring only (no job is started);
// nullptr when there is no printer.
std::unique_ptr<Canvas> measuringCanvas();
// Printer Setup: the printer dialog on the current printer (or the system's
// default); with no printer installed, a file name for printing into a PDF
// file is asked instead. True when a printer or a PDF file was chosen.
bool setupDialog(QWidget* parent);

}  // namespace PrinterChoice

#endif  // PLATFORM_PRINTERCHOICE_H
