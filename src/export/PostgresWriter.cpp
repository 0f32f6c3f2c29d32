#include "export/PostgresWriter.h"

#include "export/ExportFiles.h"
#include "export/ExportSql.h"

namespace {

constexpr qsizetype kWriteAt = 1 << 20;

// A text as COPY's text format reads it.
void AppendCopyText(const QByteArray& text, QByteArray* out) {
  for (const char c : text) {
    switch (c) {
      case '\\': out->append("\\\\"); break;
      case '\t': out->append("\\t"); break;
      case '\n': out->append("\\n"); break;
      case '\r': out->append("\\r"); break;
      default: out->append(c);
    }
  }
}

}  // namespace

PostgresWriter::PostgresWriter(const QString& target)
    : target_(target) {}

PostgresWriter::~PostgresWriter() {
  if (!finished_ && !file_.fileName().isEmpty()) file_.remove();
}

void PostgresWriter::statement(const QString& sql) { buffer_ += sql.toUtf8() + ";\n"; }

bool PostgresWriter::flush() {
  if (file_.write(buffer_) != buffer_.size()) return fail(file_.fileName() + ": " + file_.errorString());
  buffer_.clear();
  return true;
}

bool PostgresWriter::begin(const std::vector<ExportTable>& tables, const KeyPlan&) {
  QString why;
  if (!UsableFileTarget(target_, &why)) return fail(why);
  const QString beside = CreateFileBesideTarget(target_, &why);
  if (beside.isEmpty()) return fail(why);
  file_.setFileName(beside);
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return fail(file_.fileName() + ": " + file_.errorString());
  buffer_ +=
      "-- Tallowby's tables. Load into an empty database with\n"
      "--   psql -v ON_ERROR_STOP=1 -f FILE.sql\n";
  statement(QStringLiteral("SET client_encoding = 'UTF8'"));
  statement(QStringLiteral("SET standard_conforming_strings = on"));
  statement(QStringLiteral("BEGIN"));
  for (const ExportTable& t : tables) statement(CreateTable(SqlDialect::Postgres, t, nullptr));
  return flush();
}

bool PostgresWriter::beginRows(const ExportTable& table) {
  table_ = &table;
  QStringList columns;
  for (const ExportColumn& c : table.columns) columns << Quoted(c.name);
  buffer_ += "\nCOPY " + Quoted(table.name).toUtf8() + " (" + columns.join(", ").toUtf8() +
             ") FROM stdin;\n";
  return true;
}

bool PostgresWriter::row(const std::vector<ExportValue>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    const ExportValue& v = values[i];
    if (i > 0) buffer_ += '\t';
    switch (v.kind) {
      case ExportValue::Kind::Null: buffer_ += "\\N"; break;
      case ExportValue::Kind::Number:
        buffer_ += DecimalText(v.number, table_->columns[i].decimals);
        break;
      case ExportValue::Kind::Logical: buffer_ += v.logical ? 't' : 'f'; break;
      case ExportValue::Kind::Date: buffer_ += v.text; break;
      case ExportValue::Kind::Text: AppendCopyText(v.text, &buffer_); break;
    }
  }
  buffer_ += '\n';
  return buffer_.size() < kWriteAt || flush();
}

bool PostgresWriter::endRows() {
  buffer_ += "\\.\n";
  table_ = nullptr;
  return true;
}

bool PostgresWriter::finish(const std::vector<ExportTable>&, const KeyPlan& keys) {
  buffer_ += '\n';
  for (const QString& sql : AddKeys(keys) + CreateIndexes(keys) + CreateViews(SqlDialect::Postgres))
    statement(sql);
  statement(QStringLiteral("COMMIT"));
  if (!flush() || !file_.flush()) return fail(file_.fileName() + ": " + file_.errorString());
  file_.close();
  QString why;
  if (!PutFileInPlace(file_.fileName(), target_, &why)) return fail(why);
  finished_ = true;
  return true;
}
