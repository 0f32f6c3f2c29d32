#include "data/EarlierData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <map>

#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/Schema.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(EarlierData)
};

// The pending engine error as text; the error is cleared.
QString EngineError() {
  code4errorCode(cb, 0);
  return QString::fromStdString(code4errorText(cb));
}

// The fields of an old table, looked up by name.
class OldFields {
 public:
  OldFields(DATA4* d, const std::vector<const char*>& names) {
    for (const char* n : names) {
      FIELD4* f = d4field(d, n);
      if (!f && missing_.isEmpty()) missing_ = QString::fromLatin1(n);
      fields_[n] = f;
    }
    code4errorCode(cb, 0);
  }
  FIELD4* operator[](const char* name) const { return fields_.at(name); }
  const QString& missing() const { return missing_; }

 private:
  std::map<std::string, FIELD4*> fields_;
  QString missing_;
};

// One table converted field by field: the old file, the old field names, how
// a record is read into the new table's buffer, and its progress span.
struct Conversion {
  const char* oldFile;
  const TableDef* def;
  std::vector<const char*> fields;
  std::function<void(const OldFields&)> read;
  bool (*open)();
  DATA4* const* table;
  void (*write)();
  int progressBase, progressSpan;
};

// The staging copy of the current table emptied, its memo file compacted and
// its tags built, ready for appending.
bool EmptyNewTable(const TableDef& def, QString* error) {
  const int autoOpen = code4autoOpen(cb, 0);
  DATA4* d = d4open(cb, def.openName);
  bool ok = d != nullptr;
  if (ok && d4recCountDo(d) > 0) ok = d4zap(d, 1, d4recCountDo(d)) == 0;
  if (ok && def.hasMemo()) ok = d4memoCompress(d) == 0;
  if (ok) ok = RebuildTags(d, def);
  if (!ok) *error = EngineError();
  CloseAll();
  code4autoOpen(cb, autoOpen);
  return ok;
}

bool ConvertTable(const Conversion& c, const QString& folder, QString* error) {
  if (!EmptyNewTable(*c.def, error)) return false;
  const QString oldPath = QDir(folder).filePath(ExistingName(folder, c.oldFile));
  const int autoOpen = code4autoOpen(cb, 0);
  DATA4* old = d4open(cb, QFile::encodeName(oldPath).constData());
  code4autoOpen(cb, autoOpen);
  if (!old) {
    *error = EngineError();
    return false;
  }
  const OldFields fields(old, c.fields);
  if (!fields.missing().isEmpty()) {
    *error = Tr::tr("%1: field %2 is missing").arg(oldPath, fields.missing());
    CloseAll();
    return false;
  }
  if (!c.open()) {
    *error = EngineError();
    CloseAll();
    return false;
  }
  DATA4* d = *c.table;
  const long n = d4recCountDo(old);
  long i = 0;
  for (int rc = d4top(old); rc == r4success; rc = d4skip(old, 1)) {
    c.read(fields);
    if (d4appendBlank(d) != 0) {
      *error = EngineError();
      CloseAll();
      return false;
    }
    c.write();
    if (d4deleted(old)) d4delete(d);
    if (code4errorCode(cb, 0) < 0) {  // a value the new field cannot hold
      *error = QString::fromStdString(code4errorText(cb));
      CloseAll();
      return false;
    }
    ++i;
    SetProgress(c.progressBase + int(i * c.progressSpan / n));
  }
  const bool ok = code4errorCode(cb, 0) >= 0 && code4close(cb) >= 0;
  if (!ok) *error = QString::fromStdString(code4errorText(cb));
  CloseAll();
  return ok;
}

// Each item takes the description of its product (codes compared in upper case).
bool TransferDescriptions(QString* error) {
  if (!OpenProd5() || !OpenITM5()) {
    *error = EngineError();
    CloseAll();
    return false;
  }
  ShowProgress(true, Tr::tr("Transferring Item Descriptions"));
  const long n = d4recCountDo(Itm5.d);
  long i = 0;
  for (int rc = d4top(Itm5.d); rc == r4success; rc = d4skip(Itm5.d, 1)) {
    ReadItem();
    if (d4seek(Prod5.d, SeekKey(ItemBuf.PrID.toUpper()).constData()) == r4success) {
      ItemBuf.PDesc = FieldText(Prod5.PDesc);
      WriteItem();
    }
    ++i;
    SetProgress(int(i * 100 / n));
  }
  const bool ok = code4errorCode(cb, 0) >= 0 && code4close(cb) >= 0;
  if (!ok) *error = QString::fromStdString(code4errorText(cb));
  CloseAll();
  return ok;
}

const std::vector<Conversion>& Conversions() {
  static const std::vector<Conversion> all{
      {"Prod4.dbf", &Prod5Def(),
       {"Prid", "RCode", "PDesc", "UPrice", "LTax1", "LTax2", "IComm", "PMemo"},
       [](const OldFields& f) {
         ProdBuf = {};
         ProdBuf.PrID = FieldText(f["Prid"]);
         ProdBuf.RCode = FieldText(f["RCode"]);
         ProdBuf.PDesc = FieldText(f["PDesc"]);
         ProdBuf.UPrice = f4double(f["UPrice"]);
         ProdBuf.LTax1 = FieldLogical(f["LTax1"]);
         ProdBuf.LTax2 = FieldLogical(f["LTax2"]);
         ProdBuf.IComm = FieldText(f["IComm"]);
         ProdBuf.PMemo = MemoText(f["PMemo"]);
       },
       OpenProd5, &Prod5.d, WriteProduct, 20, 5},
      {"cust2.dbf", &CUST5Def(),
       {"CuNo", "NGroup", "Title", "First", "Last", "Addr1", "Addr2", "Addr3", "Addr4", "Zip",
        "Comments", "Note"},
       [](const OldFields& f) {
         CustBuf = {};
         CustBuf.cuno = f4long(f["CuNo"]);
         CustBuf.ngroup = f4int(f["NGroup"]);
         CustBuf.title = FieldText(f["Title"]);
         CustBuf.first = FieldText(f["First"]);
         CustBuf.last = FieldText(f["Last"]);
         CustBuf.addr1 = FieldText(f["Addr1"]);
         CustBuf.addr2 = FieldText(f["Addr2"]);
         CustBuf.addr3 = FieldText(f["Addr3"]);
         CustBuf.addr4 = FieldText(f["Addr4"]);
         CustBuf.zip = FieldText(f["Zip"]);
         CustBuf.comments = MemoText(f["Comments"]);
         CustBuf.note = FieldText(f["Note"]);
       },
       OpenCUST5, &Cust5.d, WriteCustomer, 25, 25},
      {"inv.dbf", &INV5Def(),
       {"IvNo", "CuNo", "IDate", "IMemo", "REM", "Ship", "Tax", "Due"},
       [](const OldFields& f) {
         CurrentInvoice = {};
         CurrentInvoice.IvNo = f4long(f["IvNo"]);
         CurrentInvoice.CuNo = f4long(f["CuNo"]);
         CurrentInvoice.IDate = FieldDate(f["IDate"]);
         CurrentInvoice.IMemo = FieldText(f["IMemo"]);
         CurrentInvoice.REM = MemoText(f["REM"]).trimmed();
         CurrentInvoice.Ship = f4double(f["Ship"]);
         CurrentInvoice.Tax = f4double(f["Tax"]);
         CurrentInvoice.Due = f4double(f["Due"]);
       },
       OpenINV5, &Inv5.d, WriteInvoice, 50, 25},
      {"itm4.dbf", &ITM5Def(),
       {"IvNo", "Prid", "IComm", "Qty", "UPR", "LTax1", "LTax2"},
       [](const OldFields& f) {
         ItemBuf = {};
         ItemBuf.IvNo = f4long(f["IvNo"]);
         ItemBuf.PrID = FieldText(f["Prid"]);
         ItemBuf.IComm = FieldText(f["IComm"]);
         ItemBuf.Qty = f4double(f["Qty"]);
         ItemBuf.UPR = f4double(f["UPR"]);
         ItemBuf.LTax1 = FieldLogical(f["LTax1"]);
         ItemBuf.LTax2 = FieldLogical(f["LTax2"]);
       },
       OpenITM5, &Itm5.d, WriteItem, 75, 25},
  };
  return all;
}

// Copies a data file (and its memo file) of def from one folder to another.
bool CopyTableFiles(const TableDef& def, const QString& from, const QString& to, QString* error) {
  QStringList names{QString::fromLatin1(def.fileName)};
  if (def.hasMemo()) names << QFileInfo(names.first()).completeBaseName() + ".dbt";
  for (const QString& n : names) {
    if (!CopyVerified(QDir(from).filePath(ExistingName(from, n)), QDir(to).filePath(n), error))
      return false;
  }
  return true;
}

bool ConvertInto(const QString& folder, QString* error) {
  const QString data = DataDirectory();
  TableSwap swap(data);
  if (!swap.begin(error)) return false;
  const QString staging = swap.stagingDir();
  QStringList files;

  const std::tuple<const char*, const TableDef*, int> copied[] = {
      {"Groups.dbf", &GROUPSDef(), 10}, {"labels.dbf", &LABELSDef(), 15}, {"pmt.dbf", &PMTDef(), 20}};
  for (const auto& [old, def, progress] : copied) {
    if (!CopyVerified(QDir(folder).filePath(ExistingName(folder, old)),
                      QDir(staging).filePath(def->fileName), error) ||
        !IsTableOfLayout(staging, *def, error))
      return false;
    files << def->fileName << def->indexFiles();
    SetProgress(progress);
  }
  SetProgress(25);

  for (const Conversion& c : Conversions()) {
    if (!CopyTableFiles(*c.def, data, staging, error)) return false;
    files << c.def->fileName << c.def->indexFiles();
    if (c.def->hasMemo()) files << QFileInfo(c.def->fileName).completeBaseName() + ".dbt";
  }
  {
    EngineFolder inStaging(staging);
    const int mode = code4accessMode(cb, OPEN4DENY_WRITE);
    bool ok = true;
    for (const Conversion& c : Conversions()) {
      ok = ConvertTable(c, folder, error);
      if (!ok) break;
    }
    if (ok) ok = TransferDescriptions(error);
    code4accessMode(cb, mode);
    if (!ok) return false;
  }
  // The copied tables' indexes too, so that every table goes in place with
  // its own.
  if (!BuildIndexesIn(staging, {&GROUPSDef(), &LABELSDef(), &PMTDef()}, error)) return false;
  HeldTables held;
  return held.hold(error) && swap.commit(files, {}, error);
}

}  // namespace

QString OverwriteWarning() { return Tr::tr("Warning: All previously entered data will be overwritten"); }

const QStringList& EarlierDataFiles() {
  static const QStringList files{"cust2.dbf", "Groups.dbf", "inv.dbf", "itm4.dbf",
                                 "labels.dbf", "pmt.dbf",   "Prod4.dbf"};
  return files;
}

QString EarlierDataPreset(const QStringList& roots) {
  for (const QString& root : roots) {
    for (const char* sub : {"hern_bus", "hern"}) {
      const QString dir = QDir(root).filePath(sub);
      if (QFileInfo(dir).isDir() && DataFileExists("Prod4.dbf", dir)) return dir;
    }
  }
  return QString();
}

bool ConvertEarlierData(const QString& folder, bool* converted) {
  if (converted) *converted = false;
  for (const QString& f : EarlierDataFiles()) {
    if (!DataFileExists(f, folder)) {
      Ui::get().information(Tr::tr("Data files not found in %1").arg(folder));
      return true;
    }
  }
  if (!Ui::get().confirmDestructive(Ui::Kind::Warning, Ui::Buttons::OkCancel, OverwriteWarning()))
    return true;
  const auto refuse = [&](const QString& why) {
    Ui::get().information(Tr::tr("Unable to convert the data files in %1").arg(folder) + "\r\n" + why +
                          "\r\n" + Tr::tr("No data was changed."));
  };
  // Exclusively for the whole conversion, the index rebuild included.
  FolderHold hold;
  QString error;
  const SwapRecovery before =
      FinishInterruptedSwap(DataDirectory(), &error, &hold, FolderHold::Mode::Exclusive);
  if (before == SwapRecovery::Busy || before == SwapRecovery::Failed) {
    refuse(before == SwapRecovery::Busy ? FolderBusyReason(DataDirectory()) : error);
    return true;  // nothing was started
  }
  ShowProgress(true, Tr::tr("Converting Data Files"));
  SetProgress(5);
  if (!ConvertInto(folder, &error)) {
    CloseAll();
    ShowProgress(false);
    refuse(error);
    return false;
  }
  RebuildIndexes(false);
  if (converted) *converted = true;
  return true;
}
