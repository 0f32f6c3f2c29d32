#include "platform/RecordingCanvas.h"

#include <QColor>

namespace {
QString point(int x, int y) { return QStringLiteral("%1,%2").arg(x).arg(y); }
}  // namespace

RecordingCanvas::RecordingCanvas() { font_.setPointSize(10); }

QSize RecordingCanvas::paperSize() const {
  if (paper_.isValid()) return paper_;
  return pageSize_ + QSize(2 * offset_.x(), 2 * offset_.y());
}

int RecordingCanvas::charWidth() const {
  return scale_ ? qMax(1, font_.pointSize()) : kCharWidth;
}

void RecordingCanvas::setFont(const QFont& font) {
  bool sizeOrFamily = font.family() != font_.family() || font.pointSize() != font_.pointSize();
  font_ = font;
  if (sizeOrFamily) log_ << QStringLiteral("font %1 %2").arg(font.family()).arg(font.pointSize());
}

int RecordingCanvas::textWidth(const QString& text) { return int(text.size()) * charWidth(); }

int RecordingCanvas::textHeight(const QString&) { return scale_ ? 2 * charWidth() : kTextHeight; }

void RecordingCanvas::fillRect(const QRect& r, const QColor& color) {
  log_ << QStringLiteral("fill %1 %2x%3 %4")
              .arg(point(r.x(), r.y()))
              .arg(r.width())
              .arg(r.height())
              .arg(color.name());
}

void RecordingCanvas::drawText(int x, int y, const QString& text) {
  log_ << QStringLiteral("%1 %2 %3").arg(font_.bold() ? "bold" : "text", point(x, y), text);
}

void RecordingCanvas::drawLine(int x1, int y1, int x2, int y2) {
  log_ << QStringLiteral("line %1-%2").arg(point(x1, y1), point(x2, y2));
}

void RecordingCanvas::drawDottedLine(int x1, int y, int x2) {
  log_ << QStringLiteral("dots %1-%2").arg(point(x1, y), point(x2, y));
}

void RecordingCanvas::drawPicture(const QRect& r, const QImage&) {
  log_ << QStringLiteral("picture %1 %2x%3").arg(point(r.x(), r.y())).arg(r.width()).arg(r.height());
}

void RecordingCanvas::newPage() {
  ++pages_;
  log_ << QStringLiteral("newPage");
}
