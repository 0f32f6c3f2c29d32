// What a report is asked to cover, and how building it went. The menu fills
// a request from the pickers, the report command from its options; each
// builder reads the fields it takes and no process-wide value but the
// settings record and the tables it opens.
#ifndef REPORTS_REPORTREQUEST_H
#define REPORTS_REPORTREQUEST_H

#include <QList>
#include <QString>
#include <optional>

#include "platform/Dates.h"

struct ReportRequest {
  TDate from = 0;            // first day of the span; the day the inventory is valued as of
  TDate to = 0;              // last day of the span
  QList<long> invoices;      // invoice numbers, in print order
  QList<long> customers;     // customer numbers, in order
  QList<int> groups;         // customer group numbers
  QString product;           // a product code exactly as stored
  std::optional<bool> fifo;  // stock valued first-in first-out; unset: the settings' method
};

struct ReportOutcome {
  enum class Kind {
    Built,     // the document is built (it may have no line)
    Nothing,   // nothing to report: message is what the program says
    Unusable,  // the request names what does not exist: message says what
  };
  Kind kind = Kind::Built;
  QString message;
  QString field;  // Unusable: the request's field at fault ("customers", "product", ...)

  static ReportOutcome built() { return {}; }
  static ReportOutcome nothing(const QString& message) { return {Kind::Nothing, message, {}}; }
  static ReportOutcome unusable(const QString& field, const QString& message) {
    return {Kind::Unusable, message, field};
  }
};

#endif  // REPORTS_REPORTREQUEST_H
