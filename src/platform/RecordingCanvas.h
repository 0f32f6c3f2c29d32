// A canvas that draws nothing and logs every call as one readable text line,
// for tests of the renderers. Its metrics are fixed so that positions are
// predictable:
//   every character is 10 px wide, every text is 20 px high, whatever the
//   font and its size (with scaleWithFontSize(true): a character is as many
//   px wide as the font has points, and a text twice that high);
//   page 2000 x 3000 px, 200 pixels per inch, printing offset 0,0, and it
//   counts as a printer; all of these can be set. The sheet is the page
//   with the offset on each side unless it is set too.
// Log lines:
//   "text 120,40 Invoice"     regular text, top-left at 120,40
//   "bold 120,40 Invoice"     bold text
//   "line 0,0-100,0"          solid line
//   "dots 0,30-100,30"        dotted line
//   "picture 10,20 300x100"   picture stretched into the rectangle
//   "fill 0,0 640x480 #ffffff"
//   "font Sans 10"            a font of another family or size was set
//   "newPage"
#ifndef PLATFORM_RECORDINGCANVAS_H
#define PLATFORM_RECORDINGCANVAS_H

#include <QStringList>

#include "platform/Canvas.h"

class RecordingCanvas : public Canvas {
 public:
  static constexpr int kCharWidth = 10;
  static constexpr int kTextHeight = 20;

  RecordingCanvas();

  void setFont(const QFont& font) override;
  QFont font() const override { return font_; }
  int textWidth(const QString& text) override;
  int textHeight(const QString& text) override;

  void fillRect(const QRect& r, const QColor& color) override;
  void drawText(int x, int y, const QString& text) override;
  void drawLine(int x1, int y1, int x2, int y2) override;
  void drawDottedLine(int x1, int y, int x2) override;
  void drawPicture(const QRect& r, const QImage& picture) override;

  void newPage() override;
  QSize pageSize() const override { return pageSize_; }
  QSize resolution() const override { return resolution_; }
  QPoint printingOffset() const override { return offset_; }
  QSize paperSize() const override;
  bool isPrinter() const override { return printer_; }

  void setPageSize(const QSize& size) { pageSize_ = size; }
  void setResolution(const QSize& dpi) { resolution_ = dpi; }
  void setPrintingOffset(const QPoint& offset) { offset_ = offset; }
  void setPaperSize(const QSize& size) { paper_ = size; }
  void setPrinter(bool printer) { printer_ = printer; }
  void setScaleWithFontSize(bool scale) { scale_ = scale; }

  const QStringList& log() const { return log_; }
  QString logText() const { return log_.join('\n'); }
  void clearLog() { log_.clear(); }
  int pages() const { return pages_; }  // 1 + the number of newPage calls

 private:
  int charWidth() const;

  QFont font_;
  QSize pageSize_{2000, 3000};
  QSize resolution_{200, 200};
  QPoint offset_{0, 0};
  QSize paper_;  // invalid: page plus offsets
  bool printer_ = true;
  bool scale_ = false;
  int pages_ = 1;
  QStringList log_;
};

#endif  // PLATFORM_RECORDINGCANVAS_H
