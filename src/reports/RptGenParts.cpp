#include "reports/RptGenParts.h"

#include "customers/GroupLookup.h"
#include "data/Settings.h"

SpanWalk::SpanWalk(DATA4* d, const char* tag, FIELD4* date, TDate from, TDate to)
    : d_(d), date_(date), from_(from), to_(to) {
  d4tagSelect(d, d4tag(d, tag));
  // Where the span ends in the tag: the first key after the span (none
  // after the last day a date key can hold).
  const QByteArray after = DateKey(to + 1);
  const int rcTo = after.size() == 8 ? d4seek(d, after.constData()) : r4eof;
  if (rcTo == r4success || rcTo == r4after) end_ = d4position(d);
  const int rc = d4seek(d, DateKey(from).constData());
  inSpan_ = (rc == r4success || rc == r4after) && onSpanRecord();
  if (inSpan_) start_ = d4position(d);
}

bool SpanWalk::onSpanRecord() const {
  const TDate date = FieldDate(date_);
  return date >= from_ && date <= to_;
}

bool SpanWalk::next() {
  inSpan_ = inSpan_ && d4skip(d_, 1) == r4success && onSpanRecord();
  return inSpan_;
}

double SpanWalk::done() const {
  if (end_ <= start_) return 0;
  return (d4position(d_) - start_) / (end_ - start_);
}

QString SpanTitle(const QString& title, TDate from, TDate to) {
  return title.arg(FormatShortDate(from), FormatShortDate(to));
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
