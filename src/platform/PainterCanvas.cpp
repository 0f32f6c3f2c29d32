#include "platform/PainterCanvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPrinter>

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(PainterCanvas)
};

PrinterError Failure(const QString& why) { return PrinterError(why.toLocal8Bit().toStdString()); }
}  // namespace

PainterCanvas::PainterCanvas(QPaintDevice* device) : device_(device) {}

PainterCanvas::PainterCanvas(QPrinter* printer) : device_(printer), printer_(printer) {}

PainterCanvas::~PainterCanvas() {
  if (painter_) painter_->end();
}

QPainter& PainterCanvas::painter() {
  if (!painter_) {
    auto p = std::make_unique<QPainter>();
    if (!p->begin(device_)) {
      throw Failure(printer_ ? Tr::tr("The printer could not start the print job.")
                             : Tr::tr("Unable to draw on the window."));
    }
    p->setFont(font_);
    p->setPen(QPen(Qt::black, 0));
    p->setBackgroundMode(Qt::TransparentMode);
    painter_ = std::move(p);
  }
  return *painter_;
}

void PainterCanvas::end() {
  if (!painter_) return;
  bool ok = painter_->end();
  painter_.reset();
  if (!ok) throw Failure(Tr::tr("The print job could not be completed."));
}

void PainterCanvas::setFont(const QFont& font) {
  font_ = font;
  if (painter_) painter_->setFont(font_);
}

int PainterCanvas::textWidth(const QString& text) {
  return QFontMetrics(font_, device_).horizontalAdvance(text);
}

int PainterCanvas::textHeight(const QString&) { return QFontMetrics(font_, device_).height(); }

void PainterCanvas::fillRect(const QRect& r, const QColor& color) { painter().fillRect(r, color); }

void PainterCanvas::drawText(int x, int y, const QString& text) {
  QPainter& p = painter();
  p.drawText(x, y + QFontMetrics(font_, device_).ascent(), text);
}

void PainterCanvas::drawLine(int x1, int y1, int x2, int y2) {
  QPainter& p = painter();
  p.setPen(QPen(Qt::black, 0, Qt::SolidLine));
  p.drawLine(x1, y1, x2, y2);
}

void PainterCanvas::drawDottedLine(int x1, int y, int x2) {
  QPainter& p = painter();
  p.setPen(QPen(Qt::black, 0, Qt::DotLine));
  p.drawLine(x1, y, x2, y);
  p.setPen(QPen(Qt::black, 0, Qt::SolidLine));
}

void PainterCanvas::drawPicture(const QRect& r, const QImage& picture) {
  painter().drawImage(r, picture);
}

void PainterCanvas::newPage() {
  if (!printer_) return;
  painter();  // a page break before anything was drawn still gives a blank sheet
  if (!printer_->newPage()) throw Failure(Tr::tr("The printer could not start a new page."));
}

QSize PainterCanvas::pageSize() const {
  if (printer_) return printer_->pageRect(QPrinter::DevicePixel).size().toSize();
  return QSize(device_->width(), device_->height());
}

QSize PainterCanvas::resolution() const {
  return QSize(device_->logicalDpiX(), device_->logicalDpiY());
}

QPoint PainterCanvas::printingOffset() const {
  if (!printer_) return QPoint(0, 0);
  QRectF paper = printer_->paperRect(QPrinter::DevicePixel);
  QRectF paint = printer_->pageRect(QPrinter::DevicePixel);
  return (paint.topLeft() - paper.topLeft()).toPoint();
}

QSize PainterCanvas::paperSize() const {
  if (printer_) return printer_->paperRect(QPrinter::DevicePixel).size().toSize();
  return pageSize();
}
