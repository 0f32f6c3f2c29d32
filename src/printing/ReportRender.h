// Drawing the report document on a canvas: the report window draws the lines
// in view, the printer the whole document. Columns are scaled by the width of
// "B" in the report font on that canvas and the report is centred.
//
// Screen and printer differ only in: the font shrinks to fit down to 8 points
// on screen and without limit on the printer; a page break is a dotted line on
// screen and a new page on the printer; a picture is drawn at its own pixel
// size on screen and stretched to the inches of its style cell on the printer.
// A picture file that cannot be read is left out and drawing goes on.
#ifndef PRINTING_REPORTRENDER_H
#define PRINTING_REPORTRENDER_H

#include <QFont>
#include <QStringList>

#include "printing/RptUtil.h"

class Canvas;

// Measurements of one rendering.
struct ReportLayout {
  QFont font;     // the report font at its fitted size, regular
  int cw = 0;     // width of "B"
  int lh = 0;     // height of "A"
  int width = 0;  // usable width W
  int left = 0;   // left margin m
  int right = 0;  // m + LineWidth * cw

  int x(int column) const { return left + column * cw; }
};

// Fits font into width on canvas and measures; leaves the fitted font set.
ReportLayout LayoutReport(Canvas& canvas, const QFont& font, int lineWidth, int width);

// Draws one line (its cells, the last the style) with its top at y; returns
// the y below it (on the printer after a page break: below it on the new page).
int DrawReportLine(Canvas& canvas, const QStringList& cells, const ReportLayout& layout, int y,
                   int pageTop);

// Draws lines first to last (inclusive, clipped to the document), the top of
// the first at y. On the printer a page break makes the next line print at
// pageTop. Returns the y below the last line drawn.
int DrawReportLines(Canvas& canvas, const ReportDocument& document, const ReportLayout& layout,
                    int first, int last, int y, int pageTop = 0);

// Prints the whole document on a printer canvas: the font fitted to the page
// width, the first line three line heights from the top, every page break a
// new page. The caller owns the job (the canvas begins and ends it).
void PrintDocument(Canvas& canvas, const ReportDocument& document = Report(),
                   const QFont& font = ReportFont());

#endif  // PRINTING_REPORTRENDER_H
