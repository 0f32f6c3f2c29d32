#include "export/SqliteWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <sqlite3.h>

#include "export/ExportFiles.h"
#include "export/ExportSql.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(SqliteWriter)
};
}  // namespace

SqliteWriter::SqliteWriter(const QString& target)
    : target_(target) {}

SqliteWriter::~SqliteWriter() {
  close();
  if (!finished_ && !beside_.isEmpty()) QFile::remove(beside_);
}

void SqliteWriter::close() {
  sqlite3_finalize(insert_);
  insert_ = nullptr;
  sqlite3_close(db_);
  db_ = nullptr;
}

bool SqliteWriter::failed(const QString& what) {
  return fail(beside_ + ": " + what + ": " + QString::fromUtf8(db_ ? sqlite3_errmsg(db_) : "out of memory"));
}

bool SqliteWriter::exec(const QString& sql) {
  return sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK ||
         failed(Tr::tr("cannot write"));
}

bool SqliteWriter::begin(const std::vector<ExportTable>& tables, const KeyPlan& keys) {
  QString why;
  if (!UsableFileTarget(target_, &why)) return fail(why);
  // An empty file is an empty database.
  beside_ = CreateFileBesideTarget(target_, &why);
  if (beside_.isEmpty()) return fail(why);
  if (sqlite3_open_v2(QFile::encodeName(beside_).constData(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr) != SQLITE_OK)
    return failed(Tr::tr("cannot create"));
  // The file is new and is renamed into place only once complete: nothing
  // needs a journal, and one sync before the rename is enough.
  if (!exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; "
            "PRAGMA locking_mode = EXCLUSIVE; PRAGMA cache_size = -2048; BEGIN"))
    return false;
  for (const ExportTable& t : tables)
    if (!exec(CreateTable(SqlDialect::Sqlite, t, &keys))) return false;
  return true;
}

bool SqliteWriter::beginRows(const ExportTable& table) {
  QStringList columns, marks;
  for (const ExportColumn& c : table.columns) {
    columns << Quoted(c.name);
    marks << QStringLiteral("?");
  }
  const QString sql = "INSERT INTO " + Quoted(table.name) + " (" + columns.join(", ") +
                      ") VALUES (" + marks.join(", ") + ")";
  return sqlite3_prepare_v2(db_, sql.toUtf8().constData(), -1, &insert_, nullptr) == SQLITE_OK ||
         failed(Tr::tr("cannot write"));
}

bool SqliteWriter::row(const std::vector<ExportValue>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    const ExportValue& v = values[i];
    const int k = int(i) + 1;
    switch (v.kind) {
      case ExportValue::Kind::Null: sqlite3_bind_null(insert_, k); break;
      case ExportValue::Kind::Number: sqlite3_bind_int64(insert_, k, v.number); break;
      case ExportValue::Kind::Logical: sqlite3_bind_int(insert_, k, v.logical ? 1 : 0); break;
      case ExportValue::Kind::Date:
      case ExportValue::Kind::Text:
        sqlite3_bind_text(insert_, k, v.text.constData(), int(v.text.size()), SQLITE_STATIC);
        break;
    }
  }
  const bool ok = sqlite3_step(insert_) == SQLITE_DONE;
  sqlite3_reset(insert_);
  return ok || failed(Tr::tr("cannot write"));
}

bool SqliteWriter::endRows() {
  sqlite3_finalize(insert_);
  insert_ = nullptr;
  return true;
}

bool SqliteWriter::finish(const std::vector<ExportTable>&, const KeyPlan& keys) {
  for (const QString& sql : CreateIndexes(keys) + CreateViews(SqlDialect::Sqlite))
    if (!exec(sql)) return false;
  if (!exec(QStringLiteral("COMMIT"))) return false;
  if (sqlite3_close(db_) != SQLITE_OK) return failed(Tr::tr("cannot close"));
  db_ = nullptr;
  QString why;
  if (!PutFileInPlace(beside_, target_, &why)) return fail(why);
  finished_ = true;
  return true;
}
