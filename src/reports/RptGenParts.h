// Pieces the report builders share: the document's release, column
// headings and cells, the walk over the records of a date span, the
// progress box, and the names of customers and groups as reports show them.
#ifndef REPORTS_RPTGENPARTS_H
#define REPORTS_RPTGENPARTS_H

#include <QString>
#include <QStringList>

#include "data/dbFiles.h"

// Releases the document when a builder ends, also when it is abandoned.
struct DocumentInHand {
  DocumentInHand() = default;
  DocumentInHand(const DocumentInHand&) = delete;
  DocumentInHand& operator=(const DocumentInHand&) = delete;
  ~DocumentInHand();
};

// Shows the progress box with caption for the time of a walk; hidden at the
// end, also when the builder is abandoned.
class ProgressShown {
 public:
  explicit ProgressShown(const QString& caption);
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;
  ~ProgressShown();
  // fraction of the walk done (0 to 1); the box is set when the percentage
  // changes.
  void set(double fraction);
  // Hides the box at the end of the walk, before the report is shown.
  void hide();
  // The same for a walk counted in records: after record n (from 0) of
  // total, truncate((n * 100 + 100) / total) percent.
  void recordDone(long n, long total);

 private:
  void setPercent(int percent);
  int percent_ = 0;
  bool shown_ = true;
};

// Trailing blanks of a stored field never show on paper; cut off, they also
// keep the text export's columns in place.
QString WithoutTrailingBlanks(const QString& s);

// The heading rows: an empty row and the captions (each with its column
// code), both ruled under, so the captions stand between two rules.
// captions[i] belongs to content cell i; empty ones stay empty.
void SetHeadings(const QStringList& captions);
// The same with a row of captions above those, not ruled under.
void SetHeadings(const QStringList& upperCaptions, const QStringList& captions);
// Content cell i of the current line := its column code + text.
void PutColumn(int i, const QString& text);
// Every vertical-rule column ("V..") of the column codes into its cell of
// the current line.
void PutRules();

// The records of a date tag from ReportFrom to ReportTo, in date order.
// Selects the tag and seeks ReportFrom: the table is then on the first
// record of the span, if there is one.
class SpanWalk {
 public:
  SpanWalk(DATA4* d, const char* tag, FIELD4* date);
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
  bool inSpan_ = false;
  double from_ = 0, to_ = 1;
};

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
