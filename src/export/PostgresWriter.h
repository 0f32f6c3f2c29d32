// The export as one SQL script for psql: in one transaction the tables,
// their rows by COPY, then the declared keys and relations, the indexes and
// the views. `psql -v ON_ERROR_STOP=1 -f FILE.sql` loads it into an empty
// database; no server is needed to write it. Written into TARGET.tbexport
// and renamed over the target once complete.
#ifndef EXPORT_POSTGRESWRITER_H
#define EXPORT_POSTGRESWRITER_H

#include <QByteArray>
#include <QFile>

#include "export/ExportWriter.h"

class PostgresWriter : public ExportWriter {
 public:
  explicit PostgresWriter(const QString& target);
  ~PostgresWriter() override;

  bool begin(const std::vector<ExportTable>& tables, const KeyPlan& keys) override;
  bool beginRows(const ExportTable& table) override;
  bool row(const std::vector<ExportValue>& values) override;
  bool endRows() override;
  bool finish(const std::vector<ExportTable>& tables, const KeyPlan& keys) override;

 private:
  // Statements end with ";" and a line end.
  void statement(const QString& sql);
  bool flush();

  QString target_;
  QFile file_;
  QByteArray buffer_;
  const ExportTable* table_ = nullptr;  // whose rows are being written
  bool finished_ = false;
};

#endif  // EXPORT_POSTGRESWRITER_H
