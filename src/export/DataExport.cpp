#include "export/DataExport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/Schema.h"
#include "export/ExportKeys.h"
#include "export/ExportLayout.h"
#include "export/ExportRows.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(DataExport)
};


std::vector<int> AllColumns(const ExportTable& table) {
  std::vector<int> columns;
  for (size_t i = 0; i < table.columns.size(); ++i) columns.push_back(int(i));
  return columns;
}

bool WriteSourceColumns(const std::vector<ExportTable>& tables, ExportWriter* writer) {
  std::vector<ExportValue> values(4);
  for (const std::vector<QString>& row : SourceColumnRows(tables)) {
    for (size_t i = 0; i < row.size(); ++i) {
      values[i].kind = ExportValue::Kind::Text;
      values[i].text = row[i].toUtf8();
    }
    if (!writer->row(values)) return false;
  }
  return true;
}

bool WriteTables(const std::vector<ExportTable>& tables, const KeyPlan& keys,
                 ExportProgress* progress, ExportWriter* writer, ExportOutcome* outcome) {
  if (!writer->begin(tables, keys)) return false;
  ValueFindings findings;
  for (const ExportTable& t : tables) {
    if (!writer->beginRows(t)) return false;
    const bool written =
        t.def ? ReadLiveRows(t, AllColumns(t), progress, &findings,
                             [&](const std::vector<ExportValue>& values) {
                               ++outcome->rows;
                               return writer->row(values);
                             },
                             &outcome->error)
              : WriteSourceColumns(tables, writer);
    if (!written || !writer->endRows()) return false;
  }
  if (!writer->finish(tables, keys)) return false;
  outcome->findings << findings.lines();
  return true;
}

}  // namespace

bool ExportTargetAllowed(const QString& target, QString* why) {
  const QFileInfo info(target);
  if (QDir(info.absolutePath()) != QDir(DataDirectory())) return true;
  static const QStringList kDataFiles{"dbf", "dbt", "ntx", "cgp"};
  if (!kDataFiles.contains(info.suffix(), Qt::CaseInsensitive)) return true;
  *why = Tr::tr("%1: a file of the data folder's tables").arg(target);
  return false;
}

ExportOutcome ExportData(const ExportRequest& request) {
  ExportOutcome outcome;
  if (!ExportTargetAllowed(request.target, &outcome.error)) return outcome;
  HeldTables held;
  std::vector<ExportTable> tables;
  if (!held.hold(AllTables(), &outcome.error) ||
      !LayOutTables(held, DecimalColumnsOf(request.format), &tables, &outcome.error))
    return outcome;
  long records = 0;
  for (const ExportTable& t : tables) records += RecordCount(t);
  // Every record is read twice: once for the keys, once for the rows.
  ExportProgress progress(2 * records);
  KeyPlan keys;
  if (!PlanKeys(tables, &progress, &keys, &outcome.error)) return outcome;
  outcome.findings = keys.findings;
  std::unique_ptr<ExportWriter> writer = MakeExportWriter(request.format, request.target);
  outcome.done = WriteTables(tables, keys, &progress, writer.get(), &outcome);
  if (!outcome.done && outcome.error.isEmpty()) outcome.error = writer->error();
  return outcome;
}
