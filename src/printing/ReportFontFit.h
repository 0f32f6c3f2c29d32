// Fitting the report font to a width: the printer and the memo wrapping
// shrink it until the report fits the page; the report window stops at 8
// points and lets a wider report run past its right edge.
#ifndef PRINTING_REPORTFONTFIT_H
#define PRINTING_REPORTFONTFIT_H

#include <QFont>

class Canvas;

// Printing has no lower limit of its own; a font cannot go below one point.
constexpr int kPrinterMinPointSize = 1;
constexpr int kScreenMinPointSize = 8;

// Sets font on canvas and, while lineWidth letter widths ("B") exceed width
// and the size is above minPointSize, takes one point off. Returns the font
// left on the canvas. A font sized in pixels is not shrunk.
QFont FitReportFont(Canvas& canvas, const QFont& font, int lineWidth, int width,
                    int minPointSize);

#endif  // PRINTING_REPORTFONTFIT_H
