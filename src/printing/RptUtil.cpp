#include "printing/RptUtil.h"

#include <QCoreApplication>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

#include "data/Settings.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/PrinterChoice.h"
#include "printing/ReportFontFit.h"

TDate ReportFrom = 0;
TDate ReportTo = 0;

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RptUtil)
};

ReportDocument& Document() {
  static ReportDocument document;
  return document;
}

std::optional<QFont>& FontSlot() {
  static std::optional<QFont> font;
  return font;
}

QString TodayText() { return FormatShortDate(DateFromQDate(Clock::today())); }

// The printer's vertical resolution and the line height of "A" in the report
// font; fixed values with no printer.
struct LineMetrics {
  int resolution = kNoPrinterResolution;
  int lineHeight = kNoPrinterLineHeight;
};

LineMetrics PrinterLineMetrics() {
  LineMetrics metrics;
  std::unique_ptr<Canvas> canvas = PrinterChoice::measuringCanvas();
  if (!canvas) return metrics;
  canvas->setFont(ReportFont());
  const int lh = canvas->textHeight(QStringLiteral("A"));
  if (lh > 0) {
    metrics.resolution = canvas->resolution().height();
    metrics.lineHeight = lh;
  }
  return metrics;
}

int ComputeLinesPerPage() {
  std::unique_ptr<Canvas> canvas = PrinterChoice::measuringCanvas();
  if (!canvas) return kNoPrinterLinesPerPage;
  canvas->setFont(ReportFont());
  const int lh = canvas->textHeight(QStringLiteral("A"));
  if (lh <= 0) return kNoPrinterLinesPerPage;
  return canvas->pageSize().height() / lh - 6;
}

void AddLetterheadLine(const QString& prefix, const QString& field) {
  NewLine();
  Cell(0) = prefix + field.trimmed();
  StyleCell() = QStringLiteral("B");
}

}  // namespace

ReportDocument& Report() { return Document(); }

void ReportLineStore::clear() {
  bytes_.clear();
  bytes_.squeeze();
  cellEnds_ = {};
  lineStarts_ = {};
}

void ReportLineStore::append(const QStringList& cells) {
  lineStarts_.push_back(uint32_t(cellEnds_.size()));
  for (const QString& cell : cells) {
    bytes_ += cell.toUtf8();
    // A report of four gigabytes of text is beyond any printer or screen.
    if (bytes_.size() > qsizetype(UINT32_MAX))
      throw std::length_error(Tr::tr("The report is too large.").toLocal8Bit().toStdString());
    cellEnds_.push_back(uint32_t(bytes_.size()));
  }
}

QStringList ReportLineStore::line(qsizetype i) const {
  QStringList cells;
  if (i < 0 || i >= size()) return cells;
  const size_t first = lineStarts_[size_t(i)];
  const size_t end = size_t(i) + 1 < lineStarts_.size() ? lineStarts_[size_t(i) + 1] : cellEnds_.size();
  cells.reserve(qsizetype(end - first));
  uint32_t from = first == 0 ? 0 : cellEnds_[first - 1];
  for (size_t c = first; c < end; ++c) {
    cells << QString::fromUtf8(bytes_.constData() + from, qsizetype(cellEnds_[c] - from));
    from = cellEnds_[c];
  }
  return cells;
}

QStringList ReportDocument::line(int i) const {
  if (i == CurrentLine && !WorkingSent) return Working;
  if (Sink) return {};
  return Stored.line(i);
}

void ReportDocument::appendLine(const QStringList& cells) {
  if (CurrentLine >= 0 && !WorkingSent) (Sink ? *Sink : Stored).put(Working);
  ++CurrentLine;
  Working = cells;
  WorkingSent = false;
}

QString ReportFileStem() {
  const ReportDocument& d = Document();
  if (!d.FileStem.isEmpty()) return d.FileStem;
  QString stem;
  for (const QChar c : d.TitleLines.value(0).trimmed().toLower()) {
    if (c.isLetterOrNumber())
      stem += c;
    else if (!stem.endsWith(QLatin1Char('-')))
      stem += QLatin1Char('-');
  }
  while (stem.endsWith(QLatin1Char('-'))) stem.chop(1);
  return stem.isEmpty() ? QStringLiteral("report") : stem.left(40);
}

ReportLineSink& KeptLines() { return Document().Stored; }

void BeginReport(ReportLineSink& sink, int lineWidth, int cellsPerLine, const QStringList& titles,
                 const QStringList& columnCodes) {
  ReportDocument& d = Document();
  d.LineWidth = lineWidth;
  d.CellsPerLine = cellsPerLine;
  StartReport();
  d.Sink = &sink == &d.Stored ? nullptr : &sink;
  d.Delivered = {};
  d.TitleLines = titles;
  if (!columnCodes.isEmpty()) d.ColumnCodes = columnCodes;
}

void FinishReport() {
  ReportDocument& d = Document();
  if (d.CurrentLine < 0 || d.WorkingSent) return;
  (d.Sink ? *d.Sink : d.Stored).put(d.Working);
  d.WorkingSent = true;
}

QFont& ReportFont() {
  std::optional<QFont>& font = FontSlot();
  if (!font) font.emplace();
  return *font;
}

void SetReportFontFromSettings(const QFont& base) {
  const SettingsRecord& s = Settings();
  QFont& font = ReportFont();
  font = base;
  if (!s.FontName.trimmed().isEmpty()) font.setFamily(s.FontName.trimmed());
  if (s.FontSize > 0) font.setPointSize(s.FontSize);
}

QString ColumnText(int column) { return PadLeft(column, 2); }

void StartReport() {
  ReportDocument& d = Document();
  d.LinesPerPage = ComputeLinesPerPage();
  d.CurrentLine = -1;
  d.LinesOnPage = -1;
  d.PageNo = 0;
  // Lines are appended by NewLine, so the line count is always CurrentLine + 1.
  d.Stored.clear();
  d.Working.clear();
  d.WorkingSent = false;
  d.TitleLines.clear();
  d.FileStem.clear();
  d.HeadingRows = {QStringList(qMax(d.CellsPerLine, 1))};
  d.ColumnCodes = QStringList(qMax(d.CellsPerLine - 1, 0));
}

void EndReport() {
  ReportDocument& d = Document();
  d.HeadingRows.clear();
  d.ColumnCodes.clear();
  d.Stored.clear();
  d.Working.clear();
  d.WorkingSent = false;
  d.Sink = nullptr;
  d.Delivered = {};
  d.CurrentLine = -1;
}

void NewLine() {
  ReportDocument& d = Document();
  ++d.LinesOnPage;
  d.appendLine(QStringList(qMax(d.CellsPerLine, 1)));
}

QString& Cell(int index) {
  ReportDocument& d = Document();
  return d.Working[index];
}

QString& StyleCell() {
  ReportDocument& d = Document();
  return d.Working.last();
}

bool CheckPage(int needed, bool withHeadings) {
  ReportDocument& d = Document();
  if (d.PageNo != 0 && needed <= d.LinesPerPage) return false;
  ++d.PageNo;
  if (d.PageNo > 1) {
    if (withHeadings && d.CurrentLine >= 0) StyleCell() = QStringLiteral("U");
    NewLine();
    Cell(0) = QStringLiteral("EJECT");
  }
  d.LinesOnPage = 0;
  NewLine();
  //: The heading of every page of a report; %1 is its number.
  Cell(0) = QStringLiteral("L00") + Tr::tr("Page %1").arg(d.PageNo);
  if (d.CellsPerLine > 2) Cell(1) = QStringLiteral("R") + ColumnText(d.LineWidth) + TodayText();
  NewLine();
  PutTitles();
  NewLine();
  NewLine();
  if (withHeadings) PutHeadings();
  return true;
}

void PutTitles() {
  ReportDocument& d = Document();
  const QString prefix = QStringLiteral("C") + ColumnText(d.LineWidth / 2);
  for (const QString& title : d.TitleLines) {
    NewLine();
    Cell(0) = prefix + title;
    StyleCell() = QStringLiteral("B");
  }
}

void PutHeadings() {
  ReportDocument& d = Document();
  NewLine();
  for (const QStringList& row : d.HeadingRows) {
    NewLine();
    QStringList& line = d.Working;
    for (int i = 0; i < line.size() && i < row.size(); ++i) line[i] = row[i];
  }
}

namespace {
QStringList CaptionRow(const QStringList& captions, const QString& style) {
  const ReportDocument& d = Document();
  QStringList row(d.CellsPerLine);
  for (int i = 0; i < captions.size(); ++i) {
    if (!captions[i].isEmpty()) row[i] = d.ColumnCodes[i] + captions[i];
  }
  row.last() = style;
  return row;
}
}  // namespace

void SetHeadings(const QStringList& captions) {
  ReportDocument& d = Document();
  QStringList rule(d.CellsPerLine);
  rule.last() = QStringLiteral("U");
  d.HeadingRows = {rule, CaptionRow(captions, QStringLiteral("U"))};
}

void SetHeadings(const QStringList& upperCaptions, const QStringList& captions) {
  SetHeadings(captions);
  Document().HeadingRows.insert(1, CaptionRow(upperCaptions, QString()));
}

void PutColumn(int i, const QString& text) { Cell(i) = Document().ColumnCodes[i] + text; }

void PutRules() {
  const QStringList& codes = Document().ColumnCodes;
  for (int i = 0; i < codes.size(); ++i) {
    if (codes[i].startsWith(QLatin1Char('V'))) Cell(i) = codes[i];
  }
}

void PutLetterhead() {
  ReportDocument& d = Document();
  const SettingsRecord& s = Settings();
  d.LinesOnPage = 0;
  d.PageNo = 1;

  QString prefix = QStringLiteral("L00");
  if (s.LHJustify == 2)
    prefix = QStringLiteral("C") + ColumnText(d.LineWidth / 2);
  else if (s.LHJustify == 3)
    prefix = QStringLiteral("R") + ColumnText(d.LineWidth);

  const LineMetrics metrics = PrinterLineMetrics();
  if (s.TopMargin > 0) {
    while (metrics.resolution * s.TopMargin > double(metrics.lineHeight) * d.LinesOnPage) NewLine();
  }

  const bool noAddress =
      (s.Company + s.Addr1 + s.Addr2 + s.Addr3 + s.Addr4).trimmed().isEmpty();
  const QString logo = s.LogoFile.trimmed();
  if (!logo.isEmpty()) {
    const int k = PutPicture(prefix, logo, s.LogoHeight, s.LogoWidth);
    if (k > 1 && noAddress) StyleCell() = QStringLiteral("U");
  }

  if (!noAddress) {
    AddLetterheadLine(prefix, s.Company);
    AddLetterheadLine(prefix, s.Addr1);
    AddLetterheadLine(prefix, s.Addr2);
    if (!s.Addr3.trimmed().isEmpty() || !s.Addr4.trimmed().isEmpty())
      AddLetterheadLine(prefix, s.Addr3);
    if (!s.Addr4.trimmed().isEmpty()) AddLetterheadLine(prefix, s.Addr4);
    StyleCell() += QStringLiteral("U");
  }

  NewLine();
  Cell(0) = QStringLiteral("R") + ColumnText(d.LineWidth) + TodayText();
  NewLine();
}

int PictureLines(double heightInches) {
  const LineMetrics metrics = PrinterLineMetrics();
  return int(std::trunc(metrics.resolution * heightInches / metrics.lineHeight));
}

int PutPicture(const QString& prefix, const QString& file, double heightInches, double widthInches) {
  const int k = PictureLines(heightInches);
  NewLine();
  Cell(0) = QStringLiteral("I") + prefix + file;
  // The lines left for it follow the inches: the report window fits the
  // picture into them as the print does.
  StyleCell() = QStringLiteral("S") + FixedText(5, 2, heightInches) + FixedText(5, 2, widthInches) +
                QString::number(k).rightJustified(4);
  for (int i = 0; i < k; ++i) NewLine();
  return k;
}

void BeginLetterheadPage() {
  ReportDocument& d = Document();
  if (d.CurrentLine >= 0) {
    NewLine();
    Cell(0) = QStringLiteral("EJECT");
    d.LinesOnPage = 0;
  }
  d.PageNo = 1;
  PutLetterhead();
  PutTitles();
  NewLine();
}

void PutAddressBlock(const QString& caption, const QStringList& address) {
  NewLine();
  Cell(0) = QStringLiteral("L00") + caption;
  Cell(1) = QStringLiteral("L10") + address.value(0);
  for (qsizetype i = 1; i < address.size(); ++i) {
    NewLine();
    Cell(1) = QStringLiteral("L10") + address[i];
  }
}

bool WrapText(const QString& text, QStringList* lines) {
  lines->clear();
  lines->append(QString());
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) return false;

  const int lineWidth = Document().LineWidth;
  std::function<bool(const QString&)> tooWide;
  std::unique_ptr<Canvas> canvas = PrinterChoice::measuringCanvas();
  if (canvas) {
    FitReportFont(*canvas, ReportFont(), lineWidth, canvas->pageSize().width(),
                  kPrinterMinPointSize);
    const int limit = lineWidth * canvas->textWidth(QStringLiteral("B"));
    tooWide = [&canvas, limit](const QString& s) { return canvas->textWidth(s) > limit; };
  } else {
    tooWide = [lineWidth](const QString& s) { return s.size() > lineWidth; };
  }

  for (const QChar ch : trimmed) {
    if (ch == QLatin1Char('\n')) {
      lines->append(QString());
      continue;
    }
    if (ch == QLatin1Char('\r')) continue;
    QString& current = lines->last();
    current += ch;
    if (!tooWide(current)) continue;
    const qsizetype blank = current.lastIndexOf(QLatin1Char(' '));
    QString rest;
    if (blank >= 0) {
      rest = current.mid(blank + 1);
      current.truncate(blank + 1);
    } else if (current.size() > 1) {
      // A word wider than the line has nowhere to break: it is cut where it
      // overflows and goes on in the next line.
      rest = current.right(1);
      current.chop(1);
    } else {
      continue;
    }
    lines->append(rest);
  }
  return true;
}

void SetMonthSpan() {
  const QDate today = Clock::today();
  const QDate first(today.year(), today.month(), 1);
  ReportFrom = DateFromQDate(first);
  ReportTo = ReportFrom + 31;
  while (QDateFromDate(ReportTo).month() != today.month()) --ReportTo;
}

void resetReportForTests() {
  Document() = ReportDocument();
  ReportFrom = 0;
  ReportTo = 0;
  FontSlot() = QFont();
}
