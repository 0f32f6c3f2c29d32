// The reports `tallowby report` can build: one entry per report, naming the
// options it takes, the span it proposes and the builder that makes it.
// Adding a report to the command is adding its entry to ReportCatalog().
#ifndef REPORTS_REPORTCATALOG_H
#define REPORTS_REPORTCATALOG_H

#include <QList>
#include <QString>
#include <QStringList>

#include "reports/ReportRequest.h"

class ReportLineSink;

struct ReportEntry {
  // What a report proposes when the command line names no dates.
  enum class Proposed { Today, Month };

  QString name;  // the word after "report"; stays English
  // One line for --help: English, marked for translation in the context
  // ReportCatalog (ReportDescription() gives it translated).
  const char* description = nullptr;
  QStringList options;   // the selection options it takes ("from", "to", "customers", ...)
  // Options of which exactly one must be given (empty: none required).
  QStringList oneOf;
  Proposed proposed = Proposed::Month;
  ReportOutcome (*build)(const ReportRequest& request, ReportLineSink& sink) = nullptr;
};

// Every report of the command, in the order --help lists them.
const QList<ReportEntry>& ReportCatalog();
// The entry named name, nullptr when there is none.
const ReportEntry* FindReport(const QString& name);
// The entry's description in the language of the messages.
QString ReportDescription(const ReportEntry& entry);

#endif  // REPORTS_REPORTCATALOG_H
