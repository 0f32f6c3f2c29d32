// The reports `tallowby report` can build: one entry per report, naming the
// options it takes and the builder that makes it. Adding a report to the
// command is adding its entry to ReportCatalog().
#ifndef REPORTS_REPORTCATALOG_H
#define REPORTS_REPORTCATALOG_H

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

// What the command line chose, beyond what the batch driver answers itself
// (the date span, the groups).
struct ReportArgs {
  QList<long> customers;  // --customers, in the order given
  QString product;        // --product
};

// Thrown by a builder's entry for an argument that names nothing in the
// data (a customer number or product code that does not exist): the command
// ends with status 2 and this text.
struct UnusableArgument : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct ReportEntry {
  QString name;          // the word after "report"
  QString description;   // one line for --help
  QStringList options;   // the selection options it takes ("from", "to", "customers", ...)
  // Options of which exactly one must be given (empty: none required).
  QStringList oneOf;
  // Information messages that mean "nothing to report": shown on standard
  // error, no file written, status 0.
  QStringList nothingMessages;
  std::function<void(const ReportArgs&)> build;
};

// Every report of the command, in the order --help lists them.
const QList<ReportEntry>& ReportCatalog();
// The entry named name, nullptr when there is none.
const ReportEntry* FindReport(const QString& name);

#endif  // REPORTS_REPORTCATALOG_H
