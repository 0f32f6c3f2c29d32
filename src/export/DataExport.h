// The export of the data folder's tables (the one the engine was started
// on) into a SQLite database, a PostgreSQL script or a folder of CSV files:
// every live record of every table once, typed and under readable names,
// with the keys and relations the data keeps, the table source_columns and,
// in SQL, the views. Shared by `tallowby-db export` and the main window's
// "Export Data…"; shows the progress box and nothing else.
#ifndef EXPORT_DATAEXPORT_H
#define EXPORT_DATAEXPORT_H

#include <QString>
#include <QStringList>

#include "export/ExportWriter.h"

struct ExportRequest {
  ExportFormat format = ExportFormat::Sqlite;
  QString target;  // a file; for CSV a folder
};

struct ExportOutcome {
  bool done = false;
  QString error;         // why not, naming the file
  QStringList findings;  // each kind of break in the data, with its count
  long rows = 0;         // the rows of the tables (source_columns aside)
};

// With the engine started on the data folder and no table open: holds
// every table as a pack does (no other program writes meanwhile), reads
// them, writes the target beside itself and puts it in place. A failure
// leaves an earlier target as it was; the tables are closed either way.
ExportOutcome ExportData(const ExportRequest& request);

// Whether target may be written by an export of the data folder: not a
// file of the data folder's tables or indexes. False with *why otherwise.
bool ExportTargetAllowed(const QString& target, QString* why);

#endif  // EXPORT_DATAEXPORT_H
