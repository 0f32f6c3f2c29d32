// Where the exported tables go: a SQLite database, a PostgreSQL script or a
// folder of CSV files. Every writer writes beside its target and puts the
// result in place only once it is complete, so a failed export leaves an
// earlier file (or folder) of that name as it was and nothing half-written.
//
// Calls come in this order: begin, then for each table beginRows, row for
// each of its rows, endRows; then finish. After a false the export is
// abandoned and error() says why; destroying an unfinished writer removes
// what it wrote beside the target.
#ifndef EXPORT_EXPORTWRITER_H
#define EXPORT_EXPORTWRITER_H

#include <QString>
#include <memory>
#include <vector>

#include "export/ExportKeys.h"
#include "export/ExportLayout.h"
#include "export/StoredValue.h"

enum class ExportFormat { Sqlite, Postgres, Csv };

class ExportWriter {
 public:
  virtual ~ExportWriter() = default;
  // The tables are laid out and the keys planned; no row is written yet.
  virtual bool begin(const std::vector<ExportTable>& tables, const KeyPlan& keys) = 0;
  virtual bool beginRows(const ExportTable& table) = 0;
  virtual bool row(const std::vector<ExportValue>& values) = 0;
  virtual bool endRows() = 0;
  // After the last table: the keys, indexes and views where the format has
  // them, then the result in place of the target.
  virtual bool finish(const std::vector<ExportTable>& tables, const KeyPlan& keys) = 0;

  const QString& error() const { return error_; }

 protected:
  bool fail(const QString& why) {
    if (error_.isEmpty()) error_ = why;
    return false;
  }

 private:
  QString error_;
};

// The writer of format for target (a file; for CSV a folder).
std::unique_ptr<ExportWriter> MakeExportWriter(ExportFormat format, const QString& target);
// How the format stores numbers with decimals.
DecimalColumns DecimalColumnsOf(ExportFormat format);

#endif  // EXPORT_EXPORTWRITER_H
