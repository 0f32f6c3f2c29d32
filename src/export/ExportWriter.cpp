#include "export/ExportWriter.h"

#include "export/CsvWriter.h"
#include "export/PostgresWriter.h"
#include "export/SqliteWriter.h"

std::unique_ptr<ExportWriter> MakeExportWriter(ExportFormat format, const QString& target) {
  switch (format) {
    case ExportFormat::Sqlite: return std::make_unique<SqliteWriter>(target);
    case ExportFormat::Postgres: return std::make_unique<PostgresWriter>(target);
    case ExportFormat::Csv: return std::make_unique<CsvWriter>(target);
  }
  return nullptr;
}

DecimalColumns DecimalColumnsOf(ExportFormat format) {
  return format == ExportFormat::Sqlite ? DecimalColumns::Scaled : DecimalColumns::Exact;
}
