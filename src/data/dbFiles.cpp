#include "data/dbFiles.h"

#include "data/InvoiceStates.h"
#include "data/QuoteRecords.h"
#include "data/ReceivedRegister.h"
#include "data/RecurringSchedules.h"

#include <QCoreApplication>
#include <QDir>

#include "data/CodeBase.h"
#include "data/Cp1252.h"
#include "data/TableSwap.h"
#include "platform/Ui.h"

Cust5Table Cust5;
GroupsTable Groups;
Inv5Table Inv5;
Itm5Table Itm5;
LabelsTable Labels;
PmtTable Pmt;
Prod5Table Prod5;
Pur5Table Pur5;

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(dbFiles)
};

// The cause shown under "Unable to open file ...": "in use by another
// program", "permission denied", "file not found", "no such tag in the
// table's tag group", or else the engine's own text (a check's finding
// naming the file).
QString OpenFailureCause(const QString& engineText) {
  if (engineText.contains(QLatin1String("in use by another program"))) return Tr::tr("in use by another program");
  if (engineText.contains(QLatin1String("Permission denied"))) return Tr::tr("permission denied");
  if (engineText.endsWith(QLatin1String(": no such file"))) return Tr::tr("file not found");
  if (engineText.contains(QLatin1String(" is not open on "))) return Tr::tr("no such tag in the table's tag group");
  return engineText;
}

// Shows the message, with the cause the engine gives on a line of its own,
// and ends the program through the engine (the fatal hook may return, or
// throw in tests).
void Terminate(const char* fileName) {
  // A table missing or its index unopenable halfway through a restore is
  // no damage: say what is going on instead.
  const QString cause =
      SwapUnderWay(DataDirectory())
          ? Tr::tr("the data folder is being restored or converted; nothing is damaged")
          : OpenFailureCause(QString::fromLocal8Bit(code4errorText(cb)));
  Ui::get().information(Tr::tr("Unable to open file %1\r\nProgram will now terminate.")
                            .arg(QString::fromLatin1(fileName)) +
                        (cause.isEmpty() ? QString() : QStringLiteral("\r\n") + cause));
  code4errorCode(cb, 0);
  code4exit(cb);
}

// Opens def's table, selects its default tag and goes to the first record.
DATA4* OpenTable(const TableDef& def) {
  DATA4* d = d4open(cb, def.openName);
  if (!d) {
    Terminate(def.messageName);
    return nullptr;
  }
  if (def.defaultTag) {
    TAG4* tag = d4tag(d, def.defaultTag);
    if (!tag) {
      d4close(d);
      Terminate(def.tagFileName);
      return nullptr;
    }
    d4tagSelect(d, tag);
  }
  d4top(d);
  return d;
}

// Looks up the handles in order; a missing field makes the table unusable.
bool LookUp(DATA4* d, const TableDef& def, std::initializer_list<FIELD4**> handles) {
  int i = 0;
  for (FIELD4** h : handles) {
    *h = d4field(d, def.fields[i++].name);
    if (!*h) {
      d4close(d);
      Terminate(def.messageName);
      return false;
    }
  }
  return true;
}

// Opens a table that has no index with auto-open off.
DATA4* OpenWithoutIndex(const TableDef& def) {
  code4autoOpen(cb, 0);
  DATA4* d = d4open(cb, def.openName);
  code4autoOpen(cb, 1);
  if (!d) {
    Terminate(def.messageName);
    return nullptr;
  }
  d4top(d);
  return d;
}

}  // namespace


bool OpenCUST5() {
  Cust5 = {};
  DATA4* d = OpenTable(CUST5Def());
  Cust5Table& t = Cust5;
  if (!d || !LookUp(d, CUST5Def(),
                    {&t.cuno, &t.title, &t.first, &t.last, &t.addr1, &t.addr2, &t.addr3,
                     &t.addr4, &t.zip, &t.comments, &t.ngroup, &t.note, &t.phone, &t.fax,
                     &t.email})) {
    return false;
  }
  t.d = d;
  return true;
}

bool OpenGROUPS() {
  Groups = {};
  DATA4* d = OpenTable(GROUPSDef());
  if (!d || !LookUp(d, GROUPSDef(), {&Groups.nGroup, &Groups.cGroup})) return false;
  Groups.d = d;
  return true;
}

bool OpenINV5() {
  Inv5 = {};
  DATA4* d = OpenTable(INV5Def());
  Inv5Table& t = Inv5;
  if (!d || !LookUp(d, INV5Def(),
                    {&t.IvNo, &t.CuNo, &t.Dept, &t.IDate, &t.IMemo, &t.Ship, &t.Tax, &t.Due,
                     &t.REM})) {
    return false;
  }
  t.d = d;
  return true;
}

bool OpenITM5() {
  Itm5 = {};
  DATA4* d = OpenTable(ITM5Def());
  Itm5Table& t = Itm5;
  if (!d || !LookUp(d, ITM5Def(),
                    {&t.IvNo, &t.PrID, &t.Qty, &t.UPR, &t.LTax1, &t.LTax2, &t.PDesc, &t.IComm,
                     &t.lBuild, &t.BackOrder})) {
    return false;
  }
  t.d = d;
  return true;
}

bool OpenLABELS() {
  Labels = {};
  DATA4* d = OpenTable(LABELSDef());
  LabelsTable& t = Labels;
  if (!d || !LookUp(d, LABELSDef(),
                    {&t.Name, &t.TopM, &t.LeftM, &t.BottomM, &t.RightM, &t.Width, &t.Height,
                     &t.HGap, &t.VGap, &t.NAcross, &t.Continuous})) {
    return false;
  }
  t.d = d;
  return true;
}

bool OpenPMT() {
  Pmt = {};
  DATA4* d = OpenTable(PMTDef());
  if (!d || !LookUp(d, PMTDef(), {&Pmt.IvNo, &Pmt.PDate, &Pmt.PAmt})) return false;
  Pmt.d = d;
  return true;
}

bool OpenProd5() {
  Prod5 = {};
  DATA4* d = OpenTable(Prod5Def());
  Prod5Table& t = Prod5;
  if (!d || !LookUp(d, Prod5Def(),
                    {&t.PrID, &t.RCode, &t.PDesc, &t.UPrice, &t.LTax1, &t.LTax2, &t.lInven,
                     &t.IComm, &t.PMemo, &t.REORDER, &t.ONHAND, &t.lBuild})) {
    return false;
  }
  t.d = d;
  return true;
}

bool OpenPur5() {
  Pur5 = {};
  DATA4* d = OpenTable(Pur5Def());
  Pur5Table& t = Pur5;
  if (!d || !LookUp(d, Pur5Def(), {&t.PURProd, &t.PURDate, &t.PURQty, &t.PURCost, &t.PURNo})) {
    return false;
  }
  t.d = d;
  return true;
}

DATA4* OpenKEX1() { return OpenWithoutIndex(KEX1Def()); }

DATA4* OpenImpdirs() { return OpenWithoutIndex(ImpdirsDef()); }

DATA4* OpenEINVSET() { return OpenWithoutIndex(EINVSETDef()); }

DATA4* OpenCUSTEI() { return OpenTable(CUSTEIDef()); }

DATA4* OpenCUSTLANG() { return OpenTable(CUSTLANGDef()); }

DATA4* OpenINVSTATE() { return OpenTable(INVSTATEDef()); }

DATA4* OpenBANKREF() { return OpenTable(BANKREFDef()); }

DATA4* OpenREMIND() { return OpenTable(REMINDDef()); }

DATA4* OpenREFRATE() { return OpenTable(REFRATEDef()); }

DATA4* OpenRECUR() { return OpenTable(RECURDef()); }

DATA4* OpenQUOTE() { return OpenTable(QUOTEDef()); }

DATA4* OpenQUOTEIT() { return OpenTable(QUOTEITDef()); }

DATA4* OpenRECEIVED() { return OpenTable(RECEIVEDDef()); }

DATA4* OpenRECVMAP() { return OpenTable(RECVMAPDef()); }

void WriteCurrentRecord(DATA4* d) {
  const long recNo = d4recNo(d);
  if (recNo >= 1 && recNo <= d4recCountDo(d)) d4go(d, recNo);
}

void ForgetTableHandles() {
  ForgetInvoiceStatesHandle();
  ForgetSchedulesHandle();
  ForgetQuoteHandles();
  ForgetReceivedHandles();
  ForgetBuyerCountries();
  Cust5 = {};
  Groups = {};
  Inv5 = {};
  Itm5 = {};
  Labels = {};
  Pmt = {};
  Prod5 = {};
  Pur5 = {};
}

void CloseAll() {
  code4close(cb);
  ForgetTableHandles();
}

bool DataFileExists(const QString& fileName, const QString& dir) {
  // Any entry of that name: a directory, FIFO or broken link in place of a
  // table is there, and refused by the open with its own message.
  const QDir folder(dir.isEmpty() ? DataDirectory() : dir);
  const QStringList names = folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
  for (const QString& n : names) {
    if (n.compare(fileName, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

bool DataFilesPresent() {
  for (const TableDef* t : RequiredTables()) {
    if (!DataFileExists(t->fileName)) return false;
  }
  return true;
}

QString FieldText(FIELD4* f) { return FromCp1252(f4str(f)); }

void AssignText(FIELD4* f, const QString& text, int maxLength) {
  f4assign(f, ToCp1252(text.left(maxLength)).constData());
}

TDate FieldDate(FIELD4* f) { return StoredToDate(QString::fromLatin1(f4str(f))); }

void AssignDate(FIELD4* f, TDate d) { f4assign(f, DateToStored(d).toLatin1().constData()); }

bool FieldLogical(FIELD4* f) { return f4true(f) == 1; }

void AssignLogical(FIELD4* f, bool value) { f4assign(f, value ? "T" : "F"); }

QString MemoText(FIELD4* f) { return FromCp1252(f4memoStr(f)); }

void AssignMemo(FIELD4* f, const QString& text) {
  int end = int(text.size());
  while (end > 0 && text[end - 1].unicode() <= ' ') --end;  // blanks and line ends
  QByteArray bytes = ToCp1252(text.left(end));
  bytes.replace('\x1a', '?');  // the memo file's end mark
  f4memoAssignN(f, bytes.constData(), unsigned(bytes.size()));
}

QByteArray NumberTagKey(long n) { return SeekKey(PadLeft(n, 6)); }

bool SeekNumber(DATA4* d, FIELD4* numberField, long n) {
  return d4seek(d, NumberTagKey(n).constData()) == r4success && f4long(numberField) == n;
}

bool NextOfNumber(DATA4* d, FIELD4* numberField, long n) {
  return d4skip(d, 1) == r4success && f4long(numberField) == n;
}
