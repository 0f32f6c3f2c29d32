// Pieces the report builders share: the walk over the records of a date
// span, the span's title, and the names of customers and groups as reports
// show them.
#ifndef REPORTS_RPTGENPARTS_H
#define REPORTS_RPTGENPARTS_H

#include <QString>

#include "data/dbFiles.h"

// The records of a date tag from from to to, in date order. Selects the tag
// and seeks from: the table is then on the first record of the span, if
// there is one.
class SpanWalk {
 public:
  SpanWalk(DATA4* d, const char* tag, FIELD4* date, TDate from, TDate to);
  // The table is on a record of the span.
  bool inSpan() const { return inSpan_; }
  // To the next record; false past the span or at the end of the table.
  bool next();
  // How far the walk has come through the span (0 to 1), from the tag's
  // positions (no counting).
  double done() const;

 private:
  bool onSpanRecord() const;
  DATA4* d_;
  FIELD4* date_;
  TDate from_, to_;
  bool inSpan_ = false;
  double start_ = 0, end_ = 1;
};

// title (a translated text with %1 for from and %2 for to) with the dates
// in the short date format.
QString SpanTitle(const QString& title, TDate from, TDate to);

// The customer with number cuno into CustBuf, by the ccno tag (which this
// selects). False when there is none.
bool FindCustomer(long cuno);
// The customer in CustBuf as reports name it: with the ByCust setting its
// title and names (as in the address block), else its company, trimmed.
QString ReportCustomerName();
// The name of group number n without trailing blanks; false when GROUPS
// holds no such group.
bool FindGroupName(int n, QString* name);

#endif  // REPORTS_RPTGENPARTS_H
