// Canvas: what the report and label renderers draw on. Implementations: a
// QPainter on the report window or on the printer (a CUPS printer or a PDF
// file), and a recording canvas with fixed character metrics for tests.
// Coordinates are device pixels; y is the top of the text.
#ifndef PLATFORM_CANVAS_H
#define PLATFORM_CANVAS_H

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void setFont(const QFont& font) = 0;
  virtual QFont font() const = 0;
  virtual int textWidth(const QString& text) = 0;
  virtual int textHeight(const QString& text) = 0;

  virtual void fillRect(const QRect& r, const QColor& color) = 0;
  // Text with a transparent background, its top-left corner at (x, y).
  virtual void drawText(int x, int y, const QString& text) = 0;
  virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
  virtual void drawDottedLine(int x1, int y, int x2) = 0;
  // The picture stretched into r.
  virtual void drawPicture(const QRect& r, const QImage& picture) = 0;

  // Printers only; a screen canvas ignores newPage.
  virtual void newPage() = 0;
  virtual QSize pageSize() const = 0;     // printable page in device pixels
  virtual QSize resolution() const = 0;   // pixels per inch, x and y
  virtual QPoint printingOffset() const = 0;  // unprintable margin, top-left
  virtual QSize paperSize() const = 0;  // the whole sheet in device pixels
  virtual bool isPrinter() const = 0;
};

#endif  // PLATFORM_CANVAS_H
