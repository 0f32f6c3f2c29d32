// Index rebuild, pack and erase over all tables.
#include <QCoreApplication>

#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "platform/Ui.h"
#include "tbengine/inspect.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(dbFilesMaintenance)
};

std::vector<TAG4INFO> TagInfo(const TableDef& def) {
  std::vector<TAG4INFO> tags;
  for (const TagDef& t : def.tags) tags.push_back({t.name, t.expression, nullptr, 0, 0});
  tags.push_back({nullptr, nullptr, nullptr, 0, 0});
  return tags;
}

bool IndexFileMissing(const TableDef& def) {
  for (const QString& f : def.indexFiles()) {
    if (!DataFileExists(f)) return true;
  }
  return false;
}

// Opens the table (its old index files stay closed: auto-open is off) and
// writes all its tags afresh; the engine ends the program on an error.
void RebuildTable(const TableDef& def) {
  DATA4* d = d4open(cb, def.openName);
  error4exitTest(cb);
  if (d) {
    const std::vector<TAG4INFO> tags = TagInfo(def);
    i4create(d, def.openName, tags.data());
  }
  CloseAll();
  error4exitTest(cb);
}

// The quick check of the table's index files (pages, entry count) at
// start-up: "" when they pass, else the finding, naming the file. A table
// that does not open even without its indexes is left to the command that
// opens it (its message says why).
QString IndexFinding(const TableDef& def) {
  code4autoOpen(cb, 1);
  DATA4* d = d4open(cb, def.openName);
  QString finding;
  if (!d) {
    finding = QString::fromLocal8Bit(code4errorText(cb));
    code4errorCode(cb, 0);
    code4autoOpen(cb, 0);
    d = d4open(cb, def.openName);
    if (!d) finding.clear();  // the table itself, not its indexes
  } else if (d4verifyTags(d) < 0) {
    finding = QString::fromLocal8Bit(code4errorText(cb));
  }
  code4errorCode(cb, 0);
  code4autoOpen(cb, 0);
  CloseAll();
  code4errorCode(cb, 0);
  return finding;
}

// Removes every record of the table the open routine opened; then compacts
// its memo file (when it has one and the removal worked), with the progress
// step between the two.
void EraseTable(bool (*open)(), DATA4* const* table, bool memo, int between) {
  if (open()) {
    DATA4* d = *table;
    const int rc = d4zap(d, 1, d4recCountDo(d));
    if (between > 0) SetProgress(between);
    if (memo && rc == 0) d4memoCompress(d);
  }
  CloseAll();
}

}  // namespace

// At start-up only the tables with a missing index or tag group file are
// rebuilt, without the progress box; the other tables' indexes get the
// quick check, and those that fail it are rebuilt with the progress box and
// one message naming them.
void PrepareTables() {
  QString error;
  if (!MakeMissingTables(&error))
    Ui::get().information(Tr::tr("Unable to make the e-invoice tables\r\n%1").arg(error));
  RebuildIndexes(true);
}

void RebuildIndexes(bool startupMode) {
  code4autoOpen(cb, 0);
  code4safety(cb, 0);
  code4accessMode(cb, OPEN4DENY_WRITE);
  if (!startupMode) {
    ShowProgress(true, Tr::tr("Rebuilding Indexes"));
    SetProgress(5);
  }
  const std::pair<const TableDef*, int> order[] = {
      {&CUST5Def(), 25}, {&GROUPSDef(), 30}, {&Prod5Def(), 35}, {&Pur5Def(), 40},
      {&INV5Def(), 60},  {&ITM5Def(), 80},   {&PMTDef(), 100},  {&LABELSDef(), 100},
      {&CUSTEIDef(), 100}, {&CUSTLANGDef(), 100}, {&INVSTATEDef(), 100}, {&BANKREFDef(), 100}, {&REMINDDef(), 100}, {&REFRATEDef(), 100}, {&RECURDef(), 100}, {&QUOTEDef(), 100}, {&QUOTEITDef(), 100},
      {&RECEIVEDDef(), 100}, {&RECVMAPDef(), 100},
  };
  std::vector<const TableDef*> damaged;
  QStringList findings;
  for (const auto& [def, progress] : order) {
    // A table the program makes itself may be missing (a folder of the
    // earlier program, a restore of its backup): nothing to index.
    if (!def->required && !DataFileExists(def->fileName)) {
      if (!startupMode) SetProgress(progress);
      continue;
    }
    if (!startupMode || IndexFileMissing(*def)) {
      RebuildTable(*def);
    } else {
      const QString finding = IndexFinding(*def);
      if (!finding.isEmpty()) {
        damaged.push_back(def);
        findings << finding;
      }
    }
    if (!startupMode) SetProgress(progress);
  }
  // Damaged indexes found at start-up: rebuilt with the progress box, then
  // one message says which.
  if (!damaged.empty()) {
    ShowProgress(true, Tr::tr("Rebuilding Indexes"));
    for (size_t i = 0; i < damaged.size(); ++i) {
      RebuildTable(*damaged[i]);
      SetProgress(int((i + 1) * 100 / damaged.size()));
    }
    ShowProgress(false);
    Ui::get().information(Tr::tr("Damaged index files were found and rebuilt:\r\n%1")
                              .arg(findings.join(QStringLiteral("\r\n"))));
  }
  code4autoOpen(cb, 1);
  code4safety(cb, 1);
  code4accessMode(cb, OPEN4DENY_NONE);
  if (!startupMode) ShowProgress(false);
}

bool RebuildTags(DATA4* d, const TableDef& def) {
  const int safety = code4safety(cb, 0);  // the files are there: they are replaced
  const std::vector<TAG4INFO> tags = TagInfo(def);
  const bool built = i4create(d, def.openName, tags.data()) != nullptr;
  code4safety(cb, safety);
  return built;
}

// A pack the engine refuses or that fails leaves the table as it was and
// shows the engine's message; a table that cannot be opened is skipped.
int PackTable(const char* openName, bool compressMemo) {
  code4accessMode(cb, OPEN4DENY_WRITE);
  int rc = 0;
  DATA4* d = d4open(cb, openName);
  if (d) {
    rc = compressMemo ? d4packCompress(d) : d4pack(d);  // one commit for table and memos
    d4close(d);
    // The table stays as it was; say why, so no one takes it for packed.
    if (rc < 0) Ui::get().information(QString::fromLocal8Bit(code4errorText(cb)));
    code4errorCode(cb, 0);
  } else {
    rc = code4errorCode(cb, 0);  // skipped without a message of our own
  }
  code4accessMode(cb, OPEN4DENY_NONE);
  return rc;
}

void PackAll() {
  code4accessMode(cb, OPEN4DENY_WRITE);
  ShowProgress(true, Tr::tr("Packing Data Files"));
  const std::tuple<int, const char*, bool> steps[] = {
      {10, "CUST5", true}, {30, "GROUPS", false}, {35, "INV5", true}, {50, "ITM5", false},
      {70, "LABELS", false}, {75, "PMT", false}, {85, "Pur5", false}, {100, "Prod5", true},
  };
  for (const auto& [progress, name, memo] : steps) {
    SetProgress(progress);
    PackTable(name, memo);
  }
  ShowProgress(false);
  code4accessMode(cb, OPEN4DENY_NONE);
  DeletionsPending = false;
}

bool EraseAll() {
  if (!Ui::get().confirmDestructive(Ui::Kind::Warning, Ui::Buttons::OkCancel,
                                    Tr::tr("WARNING: You are about to erase all of your existing data."))) {
    return false;
  }
  code4accessMode(cb, OPEN4DENY_WRITE);
  ShowProgress(true, Tr::tr("Erasing Data Files"));
  SetProgress(5);
  EraseTable(OpenCUST5, &Cust5.d, true, 15);
  SetProgress(30);
  EraseTable(OpenGROUPS, &Groups.d, false, 0);
  SetProgress(40);
  EraseTable(OpenINV5, &Inv5.d, true, 50);
  SetProgress(60);
  EraseTable(OpenITM5, &Itm5.d, false, 0);
  SetProgress(70);
  EraseTable(OpenPMT, &Pmt.d, false, 0);
  SetProgress(85);
  EraseTable(OpenProd5, &Prod5.d, true, 90);
  SetProgress(95);
  EraseTable(OpenPur5, &Pur5.d, false, 0);
  SetProgress(100);
  code4accessMode(cb, OPEN4DENY_NONE);
  ShowProgress(false);
  return true;
}
