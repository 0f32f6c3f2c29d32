#include "labels/LabelGen.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <cmath>

#include "platform/Canvas.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(LabelGen)
};

constexpr double kPointsPerInch = 72.0;

int Pixels(int dpi, double points) { return int(std::trunc(dpi * points / kPointsPerInch)); }

int PointSize(const QFont& font) {
  return font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
}

}  // namespace

LabelGeometry PageGeometry(const LabelRecord& stock, QSize dpi, QPoint offset, QSize paper,
                           QSize printable) {
  LabelGeometry g;
  const int dx = dpi.width();
  const int dy = dpi.height();
  g.top = Pixels(dy, stock.TopM);
  g.bottom = Pixels(dy, stock.BottomM);
  g.height = Pixels(dy, stock.Height);
  g.vgap = Pixels(dy, stock.VGap);
  g.left = Pixels(dx, stock.LeftM);
  g.right = Pixels(dx, stock.RightM);
  g.width = Pixels(dx, stock.Width);
  g.hgap = Pixels(dx, stock.HGap);

  // The printer cannot reach the border of the sheet: margins count from the
  // printable page.
  const int belowPrintable = paper.height() - offset.y() - printable.height();
  const int rightOfPrintable = paper.width() - offset.x() - printable.width();
  g.top = g.top < offset.y() ? 0 : g.top - offset.y();
  g.bottom = g.bottom < belowPrintable ? 0 : g.bottom - belowPrintable;
  g.left = g.left < offset.x() ? 0 : g.left - offset.x();
  g.right = g.right < rightOfPrintable ? 0 : g.right - rightOfPrintable;

  const int room = printable.height() - g.top - g.bottom;
  const int pitch = g.height + g.vgap;
  if (pitch > 0 && room > 0) {
    g.rowsPerPage = room / pitch;
    if (pitch * g.rowsPerPage + g.height <= room) ++g.rowsPerPage;
  }
  return g;
}

LabelGeometry PageGeometry(const LabelRecord& stock, Canvas& canvas) {
  return PageGeometry(stock, canvas.resolution(), canvas.printingOffset(), canvas.paperSize(),
                      canvas.pageSize());
}

bool FitLabelFont(Canvas& canvas, const QFont& font, int labelWidth, int labelHeight,
                  QFont* fitted) {
  QFont f = font;
  int size = PointSize(f);
  f.setPointSize(size);
  canvas.setFont(f);
  // Five lines of 25 characters of mixed width.
  while (5 * canvas.textWidth(QStringLiteral("Abcde")) > labelWidth && size > 1) {
    f.setPointSize(--size);
    canvas.setFont(f);
  }
  while (5 * canvas.textHeight(QStringLiteral("A")) > labelHeight && size > 1) {
    f.setPointSize(--size);
    canvas.setFont(f);
  }
  *fitted = f;
  return 5 * canvas.textWidth(QStringLiteral("Abcde")) <= labelWidth &&
         5 * canvas.textHeight(QStringLiteral("A")) <= labelHeight;
}

QString StockProblem(const LabelRecord& stock, Canvas& canvas, const QFont& font) {
  const QString name = stock.Name.trimmed();
  if (stock.NAcross < 1)
    return Tr::tr("Label stock %1 has no labels across; at least 1 is needed.").arg(name);
  const LabelGeometry g = PageGeometry(stock, canvas);
  const QFont before = canvas.font();
  QFont fitted;
  const bool fits = FitLabelFont(canvas, font, g.width, g.height, &fitted);
  canvas.setFont(before);
  if (!fits)
    return Tr::tr("The labels of label stock %1 are too small for five lines of text.").arg(name);
  if (!stock.Continuous && g.rowsPerPage < 1)
    return Tr::tr("No row of label stock %1 fits on a page between its margins.").arg(name);
  // The last label needs no gap after it.
  const int across = stock.NAcross * g.width + (stock.NAcross - 1) * g.hgap;
  if (g.left + across > canvas.pageSize().width() - g.right)
    return Tr::tr("The %1 labels across of label stock %2 do not fit on a page between its "
                  "margins.")
        .arg(QString::number(stock.NAcross), name);
  return QString();
}

LabelSheet::LabelSheet(const LabelRecord& stock, int column, int row, Canvas& canvas,
                       const QFont& font)
    : stock_(stock),
      across_(qMax(1, stock.NAcross)),
      canvas_(canvas),
      font_(font),
      column_(column),
      row_(row) {
  clearRow();
}

void LabelSheet::clearRow() {
  buffer_.clear();
  for (int i = 0; i < kLines; ++i) buffer_.append(QStringList(across_));
}

void LabelSheet::add(const QStringList& lines) {
  for (int i = 0; i < kLines; ++i) {
    if (column_ >= 1 && column_ <= across_) buffer_[i][column_ - 1] = lines.value(i);
  }
  collected_ = true;
  if (column_ < across_) {
    ++column_;
    pending_ = true;
    return;
  }
  printRow();
  clearRow();
  column_ = 1;
  ++row_;
  pending_ = false;
}

bool LabelSheet::finish() {
  if (pending_) printRow();
  pending_ = false;
  return collected_;
}

void LabelSheet::pageSetup() {
  g_ = PageGeometry(stock_, canvas_);
  QFont fitted;
  FitLabelFont(canvas_, font_, g_.width, g_.height, &fitted);
  setUp_ = true;
}

void LabelSheet::printRow() {
  if (!collected_) return;
  if (!setUp_) pageSetup();
  if (!stock_.Continuous && row_ > g_.rowsPerPage) {
    canvas_.newPage();
    row_ = 1;
  }
  int y = (row_ - 1) * (g_.height + g_.vgap) + g_.top;
  const int lineHeight = canvas_.textHeight(QStringLiteral("A"));
  for (const QStringList& line : buffer_) {
    for (int c = 0; c < across_; ++c) {
      if (!line[c].isEmpty()) canvas_.drawText(c * (g_.width + g_.hgap) + g_.left, y, line[c]);
    }
    y += lineHeight;
  }
}
