#include "printing/ReportRender.h"

#include <cmath>

#include <QImage>
#include <QRect>

#include "platform/Canvas.h"
#include "printing/ReportCell.h"
#include "printing/ReportFontFit.h"

namespace {

// The printed size in inches that a picture line's style cell carries:
// "S" + height + width, five characters each; then the number of lines the
// document left for it (four characters, absent in a document of an
// earlier version).
struct PictureInches {
  double height = 0;
  double width = 0;
  int lines = 0;
};

PictureInches PictureSize(const QString& style) {
  return {style.mid(1, 5).trimmed().toDouble(), style.mid(6, 5).trimmed().toDouble(),
          style.mid(11, 4).trimmed().toInt()};
}

void DrawPicture(Canvas& canvas, const ReportLayout& layout, const QString& cell,
                 const QString& style, int y) {
  const QChar align = cell.size() > 1 ? cell.at(1) : QChar();
  const int x = layout.x(CodeColumn(cell, 2));
  const QString file = cell.mid(4, 60).trimmed();
  const QImage picture(file);
  if (picture.isNull()) return;  // an unreadable logo leaves its space empty

  QRect target;
  if (canvas.isPrinter()) {
    const PictureInches inches = PictureSize(style);
    const QSize dpi = canvas.resolution();
    const int w = int(std::trunc(dpi.width() * inches.width));
    const int h = int(std::trunc(dpi.height() * inches.height));
    int left = x;
    if (align == QLatin1Char('C'))
      left = x - int(std::trunc(dpi.width() * inches.width / 2));
    else if (align == QLatin1Char('R'))
      left = x - w;
    target = QRect(left, y, w, h);
  } else {
    // At its own size, but never over the lines after it: shrunk, in
    // proportion, into the lines the document left for it (and its own).
    QSize size = picture.size();
    const int lines = PictureSize(style).lines;
    if (lines > 0 && size.height() > (lines + 1) * layout.lh)
      size = size.scaled(QSize(size.width(), (lines + 1) * layout.lh), Qt::KeepAspectRatio);
    int left = x;
    if (align == QLatin1Char('C'))
      left = x - size.width() / 2;
    else if (align == QLatin1Char('R'))
      left = x - size.width();
    target = QRect(QPoint(left, y), size);
  }
  if (target.width() > 0 && target.height() > 0) canvas.drawPicture(target, picture);
}

}  // namespace

ReportLayout LayoutReport(Canvas& canvas, const QFont& font, int lineWidth, int width) {
  ReportLayout layout;
  const int minPoints = canvas.isPrinter() ? kPrinterMinPointSize : kScreenMinPointSize;
  layout.font = FitReportFont(canvas, font, lineWidth, width, minPoints);
  layout.cw = canvas.textWidth(QStringLiteral("B"));
  layout.lh = canvas.textHeight(QStringLiteral("A"));
  layout.width = width;
  layout.left = int(std::trunc(width / 2.0 - double(lineWidth) * layout.cw / 2.0));
  layout.right = layout.left + lineWidth * layout.cw;
  return layout;
}

int DrawReportLine(Canvas& canvas, const QStringList& cells, const ReportLayout& layout, int y,
                   int pageTop) {
  const int lh = layout.lh;
  if (cells.isEmpty()) return y + lh;
  const QString& style = cells.last();
  QFont font = layout.font;
  font.setBold(style.contains(QLatin1Char('B')));
  canvas.setFont(font);

  for (int c = 0; c < cells.size() - 1; ++c) {
    const QString& cell = cells[c];
    switch (CodeLetter(cell).unicode()) {
      case 'L':
        canvas.drawText(layout.x(CodeColumn(cell)), y, CodeText(cell));
        break;
      case 'R': {
        const QString text = CodeText(cell);
        canvas.drawText(layout.x(CodeColumn(cell)) - canvas.textWidth(text), y, text);
        break;
      }
      case 'C': {
        const QString text = CodeText(cell);
        canvas.drawText(layout.x(CodeColumn(cell)) - canvas.textWidth(text) / 2, y, text);
        break;
      }
      case 'V': {
        const int x = layout.x(CodeColumn(cell));
        canvas.drawLine(x, y, x, y + lh);
        break;
      }
      case 'H':
        canvas.drawLine(layout.x(CodeColumn(cell, 1)), y, layout.x(CodeColumn(cell, 3)), y);
        break;
      case 'E':
        if (canvas.isPrinter()) {
          canvas.newPage();
          y = pageTop - lh;
        } else {
          canvas.drawDottedLine(0, y + lh / 2, layout.width - 1);
        }
        break;
      case 'I':
        DrawPicture(canvas, layout, cell, style, y);
        break;
      default:
        break;  // empty cells and unknown letters draw nothing
    }
  }

  y += lh;
  if (style.contains(QLatin1Char('U'))) canvas.drawLine(layout.left, y, layout.right, y);
  return y;
}

int DrawReportLines(Canvas& canvas, const ReportDocument& document, const ReportLayout& layout,
                    int first, int last, int y, int pageTop) {
  first = qMax(first, 0);
  last = qMin(last, document.lineCount() - 1);
  for (int i = first; i <= last; ++i) y = DrawReportLine(canvas, document.line(i), layout, y, pageTop);
  return y;
}

void PrintDocument(Canvas& canvas, const ReportDocument& document, const QFont& font) {
  const ReportLayout layout =
      LayoutReport(canvas, font, document.LineWidth, canvas.pageSize().width());
  const int top = 3 * layout.lh;
  DrawReportLines(canvas, document, layout, 0, document.lineCount() - 1, top, top);
}
