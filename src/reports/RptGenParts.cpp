#include "reports/RptGenParts.h"

#include <algorithm>

#include "customers/GroupLookup.h"
#include "data/Progress.h"
#include "data/Settings.h"
#include "reports/RptUtil.h"

DocumentInHand::~DocumentInHand() { EndReport(); }

ProgressShown::ProgressShown(const QString& caption) { ShowProgress(true, caption); }

ProgressShown::~ProgressShown() { hide(); }

void ProgressShown::hide() {
  if (shown_) ShowProgress(false);
  shown_ = false;
}

void ProgressShown::set(double fraction) { setPercent(int(fraction * 100)); }

void ProgressShown::recordDone(long n, long total) {
  if (total > 0) setPercent(int((n * 100 + 100) / total));
}

void ProgressShown::setPercent(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == percent_) return;
  percent_ = percent;
  SetProgress(percent);
}

QString WithoutTrailingBlanks(const QString& s) {
  qsizetype end = s.size();
  while (end > 0 && s[end - 1] == QLatin1Char(' ')) --end;
  return s.left(end);
}

namespace {
QStringList CaptionRow(const QStringList& captions, const QString& style) {
  const ReportDocument& d = Report();
  QStringList row(d.CellsPerLine);
  for (int i = 0; i < captions.size(); ++i) {
    if (!captions[i].isEmpty()) row[i] = d.ColumnCodes[i] + captions[i];
  }
  row.last() = style;
  return row;
}
}  // namespace

void SetHeadings(const QStringList& captions) {
  ReportDocument& d = Report();
  QStringList rule(d.CellsPerLine);
  rule.last() = QStringLiteral("U");
  d.HeadingRows = {rule, CaptionRow(captions, QStringLiteral("U"))};
}

void SetHeadings(const QStringList& upperCaptions, const QStringList& captions) {
  SetHeadings(captions);
  Report().HeadingRows.insert(1, CaptionRow(upperCaptions, QString()));
}

void PutColumn(int i, const QString& text) { Cell(i) = Report().ColumnCodes[i] + text; }

void PutRules() {
  const QStringList& codes = Report().ColumnCodes;
  for (int i = 0; i < codes.size(); ++i) {
    if (codes[i].startsWith(QLatin1Char('V'))) Cell(i) = codes[i];
  }
}

SpanWalk::SpanWalk(DATA4* d, const char* tag, FIELD4* date) : d_(d), date_(date) {
  d4tagSelect(d, d4tag(d, tag));
  // Where the span ends in the tag: the first key after ReportTo.
  const QByteArray after = SeekKey(DateToStored(ReportTo + 1));
  const int rcTo = d4seek(d, after.constData());
  if (rcTo == r4success || rcTo == r4after) to_ = d4position(d);
  const QByteArray from = SeekKey(DateToStored(ReportFrom));
  const int rc = d4seek(d, from.constData());
  inSpan_ = (rc == r4success || rc == r4after) && onSpanRecord();
  if (inSpan_) from_ = d4position(d);
}

bool SpanWalk::onSpanRecord() const {
  const TDate date = FieldDate(date_);
  return date >= ReportFrom && date <= ReportTo;
}

bool SpanWalk::next() {
  inSpan_ = inSpan_ && d4skip(d_, 1) == r4success && onSpanRecord();
  return inSpan_;
}

double SpanWalk::done() const {
  if (to_ <= from_) return 0;
  return (d4position(d_) - from_) / (to_ - from_);
}

bool FindCustomer(long cuno) {
  DATA4* d = Cust5.d;
  d4tagSelect(d, d4tag(d, "ccno"));
  if (!SeekNumber(d, Cust5.cuno, cuno)) return false;
  ReadCustomer();
  return true;
}

QString ReportCustomerName() {
  if (Settings().ByCust) return CustomerName(CustBuf);
  return CustBuf.addr1.trimmed();
}

bool FindGroupName(int n, QString* name) {
  if (!SeekGroupNumber(GroupNumberKey(n))) return false;
  *name = WithoutTrailingBlanks(FieldText(Groups.cGroup));
  return true;
}
