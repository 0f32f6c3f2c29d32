#include "export/CsvWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>

#include "export/ExportFiles.h"
#include "platform/FileCopy.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(CsvWriter)
};


constexpr qsizetype kWriteAt = 1 << 20;

void AppendField(const QByteArray& text, QByteArray* out) {
  const bool quoted = text.isEmpty() || text.contains(',') || text.contains('"') ||
                      text.contains('\n') || text.contains('\r');
  if (!quoted) {
    out->append(text);
    return;
  }
  out->append('"');
  for (const char c : text) {
    if (c == '"') out->append('"');
    out->append(c);
  }
  out->append('"');
}

// A text a spreadsheet would run as a formula ("=HYPERLINK(...)", "+1+1",
// "@SUM(...)") gets a leading "'", so that the spreadsheet shows it as text.
// Numbers are numbers, not texts, and stay as they are.
QByteArray ShownAsText(const QByteArray& text) {
  static const QByteArray kFormulaStarts("=+-@\t\r");
  return !text.isEmpty() && kFormulaStarts.contains(text[0]) ? '\'' + text : text;
}

QString FileName(const ExportTable& table) { return table.name + ".csv"; }

// Gives path the mode a new folder gets (the staging folder is private
// while it is written).
bool GiveFolderMode(const QString& path) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return ::chmod(QFile::encodeName(path).constData(), 0777 & ~mask) == 0;
}

}  // namespace

CsvWriter::CsvWriter(const QString& target) : target_(QDir::cleanPath(target)) {}

bool CsvWriter::flush() {
  if (file_.write(buffer_) != buffer_.size()) return fail(file_.fileName() + ": " + file_.errorString());
  buffer_.clear();
  return true;
}

bool CsvWriter::begin(const std::vector<ExportTable>& tables, const KeyPlan&) {
  QStringList names;
  for (const ExportTable& t : tables) names << FileName(t);
  QString why;
  if (!UsableFolderTarget(target_, names, &why)) return fail(why);
  staging_ = std::make_unique<QTemporaryDir>(BesidePath(target_) + "-XXXXXX");
  if (!staging_->isValid())
    return fail(Tr::tr("%1: cannot create the folder: %2").arg(BesidePath(target_), staging_->errorString()));
  return true;
}

bool CsvWriter::beginRows(const ExportTable& table) {
  table_ = &table;
  file_.setFileName(QDir(staging_->path()).filePath(FileName(table)));
  if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
    return fail(file_.fileName() + ": " + file_.errorString());
  for (size_t i = 0; i < table.columns.size(); ++i) {
    if (i > 0) buffer_ += ',';
    AppendField(table.columns[i].name.toUtf8(), &buffer_);
  }
  buffer_ += "\r\n";
  return true;
}

bool CsvWriter::row(const std::vector<ExportValue>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    const ExportValue& v = values[i];
    if (i > 0) buffer_ += ',';
    switch (v.kind) {
      case ExportValue::Kind::Null: break;
      case ExportValue::Kind::Number:
        buffer_ += DecimalText(v.number, table_->columns[i].decimals);
        break;
      case ExportValue::Kind::Logical: buffer_ += v.logical ? "true" : "false"; break;
      case ExportValue::Kind::Date: buffer_ += v.text; break;
      case ExportValue::Kind::Text: AppendField(ShownAsText(v.text), &buffer_); break;
    }
  }
  buffer_ += "\r\n";
  return buffer_.size() < kWriteAt || flush();
}

bool CsvWriter::endRows() {
  const bool written = flush() && file_.flush();
  if (!written) return fail(file_.fileName() + ": " + file_.errorString());
  file_.close();
  if (!FileCopy::sync(file_.fileName())) return fail(Tr::tr("%1: cannot be synced").arg(file_.fileName()));
  table_ = nullptr;
  return true;
}

bool CsvWriter::finish(const std::vector<ExportTable>&, const KeyPlan&) {
  QString why;
  if (!GiveFolderMode(staging_->path()) ||
      !FileCopy::sync(staging_->path()))
    return fail(Tr::tr("%1: cannot be finished").arg(staging_->path()));
  if (!PutFolderInPlace(staging_->path(), target_, &why)) return fail(why);
  return true;
}
