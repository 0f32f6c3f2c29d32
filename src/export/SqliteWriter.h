// The export as a SQLite database (Debian's libsqlite3), written in one
// transaction into TARGET.tbexport and renamed over the target once
// complete. Tables are created with their declared keys and relations;
// numbers with decimals are whole numbers of their last place, so a SUM()
// over a column is exact to the cent.
#ifndef EXPORT_SQLITEWRITER_H
#define EXPORT_SQLITEWRITER_H

#include "export/ExportWriter.h"

struct sqlite3;
struct sqlite3_stmt;

class SqliteWriter : public ExportWriter {
 public:
  explicit SqliteWriter(const QString& target);
  ~SqliteWriter() override;

  bool begin(const std::vector<ExportTable>& tables, const KeyPlan& keys) override;
  bool beginRows(const ExportTable& table) override;
  bool row(const std::vector<ExportValue>& values) override;
  bool endRows() override;
  bool finish(const std::vector<ExportTable>& tables, const KeyPlan& keys) override;

 private:
  bool exec(const QString& sql);
  bool failed(const QString& what);
  void close();

  QString target_, beside_;
  sqlite3* db_ = nullptr;
  sqlite3_stmt* insert_ = nullptr;
  bool finished_ = false;
};

#endif  // EXPORT_SQLITEWRITER_H
