#include "data/InvoiceStates.h"

#include <QCryptographicHash>

#include "data/CodeBase.h"
#include "data/dbFiles.h"

namespace {

// The open table, or nullptr; forgotten with the other handles (CloseAll).
DATA4*& OpenedTable() {
  static DATA4* d = nullptr;
  return d;
}

// The folder was found without the table: not looked for again (one
// listing of the folder per invoice would slow every report) until the
// handles are forgotten.
bool& FoundAbsent() {
  static bool absent = false;
  return absent;
}

DATA4* Table() {
  DATA4*& d = OpenedTable();
  if (d || FoundAbsent() || !cb) return d;
  if (DataFileExists(QString::fromLatin1(INVSTATEDef().fileName)))
    d = OpenINVSTATE();
  else
    FoundAbsent() = true;
  return d;
}

FIELD4* F(DATA4* d, const char* name) { return d4field(d, name); }

bool Seek(DATA4* d, long ivNo) { return SeekNumber(d, F(d, "IVNO"), ivNo); }

// The current record to the file now, not at the next move of the pointer.
bool Flush(DATA4* d) {
  WriteCurrentRecord(d);
  return code4errorCode(cb, 0) >= 0;
}

InvoiceStateRecord Current(DATA4* d) {
  InvoiceStateRecord s;
  s.ivNo = f4long(F(d, "IVNO"));
  const QString kind = FieldText(F(d, "KIND")).trimmed().toUpper();
  if (kind == QLatin1String("C")) s.kind = QLatin1Char('C');
  s.issued = FieldDate(F(d, "ISSUED"));
  s.refNo = f4long(F(d, "REFNO"));
  s.hash = FieldText(F(d, "HASH")).trimmed().toLower();
  // A table of an earlier version may lack the date of supply.
  if (FIELD4* supplied = d4field(d, "SUPPLIED")) s.supplied = FieldDate(supplied);
  code4errorCode(cb, 0);
  return s;
}

QString Trimmed(QString text) {
  while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
  return text;
}

}  // namespace

void ForgetInvoiceStatesHandle() {
  OpenedTable() = nullptr;
  FoundAbsent() = false;
}

InvoiceStateRecord ReadInvoiceState(long ivNo) {
  DATA4* d = Table();
  if (d && Seek(d, ivNo)) return Current(d);
  InvoiceStateRecord s;
  s.ivNo = ivNo;
  return s;
}

bool WriteInvoiceState(const InvoiceStateRecord& s) {
  DATA4* d = Table();
  if (!d) return false;
  if (!Seek(d, s.ivNo)) {
    if (d4appendBlank(d) != r4success) return false;
    f4assignLong(F(d, "IVNO"), s.ivNo);
  }
  f4assign(F(d, "KIND"), s.isCreditNote() ? "C" : "I");
  AssignDate(F(d, "ISSUED"), s.issued);
  f4assignLong(F(d, "REFNO"), s.refNo);
  f4assign(F(d, "HASH"), s.hash.toLatin1().constData());
  if (FIELD4* supplied = d4field(d, "SUPPLIED")) AssignDate(supplied, s.supplied);
  // On disk now: an issued invoice must not stay changeable for want of a
  // move of the record pointer.
  return Flush(d);
}

bool RebuildInvoiceStatesIndex() {
  DATA4* d = Table();
  if (!d) return true;
  const bool rebuilt = RebuildTags(d, INVSTATEDef());
  d4tagSelect(d, d4tag(d, "INVSTATE"));
  return rebuilt;
}

void RemoveInvoiceState(long ivNo) {
  DATA4* d = Table();
  if (!d || !Seek(d, ivNo)) return;
  d4delete(d);
  Flush(d);
  DeletionsPending = true;
}

QList<InvoiceStateRecord> AllInvoiceStates() {
  QList<InvoiceStateRecord> all;
  DATA4* d = Table();
  if (!d) return all;
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1)) {
    if (!d4deleted(d)) all.append(Current(d));
  }
  return all;
}

QList<long> CreditNotesOf(long refNo) {
  QList<long> notes;
  for (const InvoiceStateRecord& s : AllInvoiceStates()) {
    if (s.isCreditNote() && s.refNo == refNo) notes.append(s.ivNo);
  }
  return notes;
}

void CloseInvoiceStates() {
  DATA4*& d = OpenedTable();
  if (d) d4close(d);
  ForgetInvoiceStatesHandle();
}

QString InvoiceContentHash(const InvoiceRecord& h, const QList<ItemRecord>& items) {
  // One field a line, named, so two contents never run into the same text.
  QString text;
  auto put = [&text](const char* name, const QString& value) {
    text += QLatin1String(name) + QLatin1Char('=') + value + QLatin1Char('\n');
  };
  auto money = [](double v) { return FixedText(0, 2, v).trimmed(); };
  put("IvNo", QString::number(h.IvNo));
  put("CuNo", QString::number(h.CuNo));
  put("IDate", DateToStored(h.IDate));
  put("Dept", Trimmed(h.Dept));
  put("REM", Trimmed(h.REM));
  put("Ship", money(h.Ship));
  put("Tax", money(h.Tax));
  for (const ItemRecord& i : items) {
    put("PrID", Trimmed(i.PrID));
    put("Qty", money(i.Qty));
    put("UPR", money(i.UPR));
    put("LTax1", i.LTax1 ? QStringLiteral("T") : QStringLiteral("F"));
    put("LTax2", i.LTax2 ? QStringLiteral("T") : QStringLiteral("F"));
    put("PDesc", Trimmed(i.PDesc));
    put("IComm", Trimmed(i.IComm));
  }
  return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QStringList ChangedIssuedInvoices() {
  QStringList lines;
  if (!DataFileExists(QString::fromLatin1(INVSTATEDef().fileName))) return lines;
  for (const TableDef* def : {&INV5Def(), &ITM5Def()}) {
    for (const QString& f : def->indexFiles()) {
      if (!DataFileExists(f)) return lines;
    }
  }
  TablesClosedAtEnd tables;
  if (!OpenINV5() || !OpenITM5()) return lines;
  for (const InvoiceStateRecord& s : AllInvoiceStates()) {
    if (!s.isIssued()) continue;
    const QString hash = StoredInvoiceHash(s.ivNo);
    const QString issued = DateToStored(s.issued);
    // The check's lines are stable and English, like the engine's.
    if (hash.isEmpty())
      lines << QStringLiteral("INVSTATE: invoice %1, issued %2, is no longer in INV5")  // untranslated
                   .arg(s.ivNo)
                   .arg(issued);
    else if (hash != s.hash)
      lines << QStringLiteral("INVSTATE: invoice %1 has changed since it was issued on %2")  // untranslated
                   .arg(s.ivNo)
                   .arg(issued);
  }
  return lines;
}

QString StoredInvoiceHash(long ivNo) {
  TAG4* selected = d4tagSelected(Inv5.d);
  const long recNo = d4recNo(Inv5.d);
  d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
  QString hash;
  if (SeekNumber(Inv5.d, Inv5.IvNo, ivNo)) {
    // Through the record buffers, which are put back as they were.
    const InvoiceRecord keptInvoice = CurrentInvoice;
    const ItemRecord keptItem = ItemBuf;
    ReadInvoice();
    const InvoiceRecord h = CurrentInvoice;
    QList<ItemRecord> items;
    for (bool on = SeekNumber(Itm5.d, Itm5.IvNo, ivNo); on; on = NextOfNumber(Itm5.d, Itm5.IvNo, ivNo)) {
      if (d4deleted(Itm5.d)) continue;
      ReadItem();
      items.append(ItemBuf);
    }
    CurrentInvoice = keptInvoice;
    ItemBuf = keptItem;
    hash = InvoiceContentHash(h, items);
  }
  d4tagSelect(Inv5.d, selected);
  if (recNo >= 1 && recNo <= d4recCountDo(Inv5.d)) d4go(Inv5.d, recNo);
  return hash;
}
