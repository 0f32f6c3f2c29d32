// The current printer: the system's default printer at start, changed by
// Printer Setup; "no printer" when none is installed. A PDF file counts as a
// printer. Tests set it.
#ifndef PLATFORM_PRINTERCHOICE_H
#define PLATFORM_PRINTERCHOICE_H

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
// Chooses printing into a PDF file.
void selectPdf(const QString& path);
// No printer.
void selectNone();
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
