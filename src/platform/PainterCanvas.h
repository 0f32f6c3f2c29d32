// A canvas on a real paint device: the report window's widget (in its paint
// event) or a QPrinter (a CUPS printer or a PDF file). Text is measured with
// the device's own font metrics. Painting begins at the first drawing call,
// so a canvas that only measures never starts a print job; on a printer that
// first call begins the job and end() (or the destructor) finishes it.
#ifndef PLATFORM_PAINTERCANVAS_H
#define PLATFORM_PAINTERCANVAS_H

#include <QPainter>
#include <memory>
#include <stdexcept>

#include "platform/Canvas.h"

class QPaintDevice;
class QPrinter;

// A print job that could not be started or finished.
class PrinterError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class PainterCanvas : public Canvas {
 public:
  // Draws on device (not owned), which must outlive the canvas.
  explicit PainterCanvas(QPaintDevice* device);
  // A printer canvas: newPage starts a new sheet, page size and printing
  // offset come from the printer's page layout.
  explicit PainterCanvas(QPrinter* printer);
  ~PainterCanvas() override;

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
  QSize pageSize() const override;
  QSize resolution() const override;
  QPoint printingOffset() const override;
  QSize paperSize() const override;
  bool isPrinter() const override { return printer_ != nullptr; }

  // Ends painting; on a printer this finishes the print job. Throws
  // PrinterError when the job could not be completed.
  void end();

 private:
  QPainter& painter();  // begins painting on first use; throws PrinterError

  QPaintDevice* device_;
  QPrinter* printer_ = nullptr;
  QFont font_;
  std::unique_ptr<QPainter> painter_;
};

#endif  // PLATFORM_PAINTERCANVAS_H
