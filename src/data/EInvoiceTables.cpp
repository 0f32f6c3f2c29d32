#include "data/EInvoiceTables.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <vector>

#include "data/CodeBase.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"

namespace {

FIELD4* F(DATA4* d, const char* name) { return d4field(d, name); }
QString Text(DATA4* d, const char* name) { return FieldText(F(d, name)).trimmed(); }

// Closes the table when the call ends, also after an error (other tables of
// the command may be open).
struct Closed {
  DATA4* d;
  ~Closed() {
    if (d) d4close(d);
  }
};

// Moves to customer cuno's record; false when it has none.
bool SeekBuyer(DATA4* d, long cuno) {
  return d4seek(d, NumberTagKey(cuno).constData()) == r4success && f4long(F(d, "CUNO")) == cuno;
}

// A second engine on another folder, for a table written beside the data
// folder's.
struct SideEngine {
  CODE4* cb = code4initP();
  explicit SideEngine(const QString& dir) { code4setDirectory(cb, QFile::encodeName(dir).toStdString()); }
  ~SideEngine() { code4initUndoP(cb); }
};

// A table of an earlier version (EINVSET, CUSTEI) gains the schema's last
// fields: it is copied with every field of the schema, record by record in
// record order (deleted marks kept, so its index stays true), into a folder
// beside the data folder's file and renamed over it. A failure leaves the
// old table as it was, a success the new one whole. True when the table has
// every field (or now has them).
bool GainMissingFields(const TableDef& def) {
  code4autoOpen(cb, 0);
  DATA4* old = d4open(cb, def.openName);
  code4autoOpen(cb, 1);
  if (!old) return false;
  bool complete = true;
  for (const FieldDef& f : def.fields) {
    if (!d4field(old, f.name)) complete = false;
  }
  code4errorCode(cb, 0);  // the look-ups of absent fields
  if (complete) return d4close(old) == 0;
  const QString dataDir = DataDirectory();
  QTemporaryDir beside(dataDir + QStringLiteral("/.tbwiden-XXXXXX"));
  bool ok = beside.isValid();
  if (ok) {
    SideEngine side(beside.path());
    std::vector<FIELD4INFO> fields;
    for (const FieldDef& f : def.fields) fields.push_back({f.name, f.type, f.width, f.decimals});
    fields.push_back({nullptr, 0, 0, 0});
    code4autoOpen(side.cb, 0);
    ok = d4create(side.cb, def.fileName, fields.data()) == 0;
    DATA4* copy = ok ? d4open(side.cb, def.openName) : nullptr;
    ok = copy != nullptr;
    for (int rc = d4top(old); ok && rc == 0; rc = d4skip(old, 1)) {
      ok = d4appendBlank(copy) == 0;
      for (int j = 1; ok && j <= d4numFields(old); ++j) {
        FIELD4* from = d4fieldJ(old, j);
        if (FIELD4* to = d4field(copy, f4name(from))) f4assign(to, f4str(from));
      }
      if (ok && d4deleted(old)) d4delete(copy);
    }
    if (copy && d4close(copy) != 0) ok = false;
  }
  d4close(old);
  if (ok) {
    const QString target = dataDir + QLatin1Char('/') + ExistingName(dataDir, QString::fromLatin1(def.fileName));
    const QString written = beside.path() + QLatin1Char('/') + QString::fromLatin1(def.fileName);
    ok = std::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) == 0;
  }
  return ok;
}

const char* const kReminderTextFields[] = {"REMTEXT1", "REMTEXT2", "REMTEXT3"};

// The field's text, trimmed; empty where a table of an earlier version
// lacks the field.
QString TextIfThere(DATA4* d, const char* name) {
  FIELD4* f = d4field(d, name);
  code4errorCode(cb, 0);
  return f ? FieldText(f).trimmed() : QString();
}

bool TrueIfThere(DATA4* d, const char* name) {
  FIELD4* f = d4field(d, name);
  code4errorCode(cb, 0);
  return f && f4true(f);
}

}  // namespace

SellerDetails ReadSellerDetails() {
  SellerDetails s;
  Closed table{OpenEINVSET()};
  DATA4* d = table.d;
  if (!d || d4recCountDo(d) == 0) return s;
  d4top(d);
  s.legalName = Text(d, "SELLNAME");
  s.street = Text(d, "STREET");
  s.city = Text(d, "CITY");
  s.postcode = Text(d, "POSTCODE");
  s.country = Text(d, "COUNTRY");
  s.vatId = Text(d, "VATID");
  s.taxRegistration = Text(d, "TAXREG");
  s.electronicAddress = Text(d, "EADDR");
  s.electronicScheme = Text(d, "EADDRSCH");
  s.contact = Text(d, "CONTACT");
  s.phone = Text(d, "PHONE");
  s.email = Text(d, "EMAIL");
  s.iban = Text(d, "IBAN");
  s.bic = Text(d, "BIC");
  s.currency = Text(d, "CURRENCY");
  s.untaxedCategory = Text(d, "NOTAXCAT");
  s.exemptionReason = Text(d, "EXEMPTTXT");
  s.paymentTerms = Text(d, "TERMS");
  s.dueDays = f4int(F(d, "DUEDAYS"));
  // A table of an earlier version has no FINAL: invoices stay changeable.
  s.finalInvoices = TrueIfThere(d, "FINAL");
  s.secondRate = TrueIfThere(d, "VAT1");
  s.vatOnDebits = TrueIfThere(d, "DEBITS");
  s.lateInterest = TextIfThere(d, "LATEINT");
  // Three whole numbers ascending, and three amounts; else the defaults.
  const QStringList days = TextIfThere(d, "REMDAYS").split(QLatin1Char(','), Qt::SkipEmptyParts);
  if (days.size() == 3) {
    QList<int> read;
    for (const QString& t : days) read << t.trimmed().toInt();
    if (read[0] > 0 && read[0] < read[1] && read[1] < read[2]) s.reminderDays = read;
  }
  const QStringList fees = TextIfThere(d, "REMFEES").split(QLatin1Char(','), Qt::SkipEmptyParts);
  if (fees.size() == 3) {
    QList<double> read;
    for (const QString& t : fees) read << qMax(0.0, t.trimmed().toDouble());
    s.reminderFees = read;
  }
  s.reminderInterest = TrueIfThere(d, "REMINT");
  for (int level = 0; level < 3; ++level)
    s.reminderTexts[level] = TextIfThere(d, kReminderTextFields[level]);
  return s;
}

bool WriteSellerDetails(const SellerDetails& s) {
  if (!GainMissingFields(EINVSETDef())) return false;
  Closed table{OpenEINVSET()};
  DATA4* d = table.d;
  if (!d) return false;
  // The supplied table holds the one record; should it have lost it, the
  // details get one to live in.
  if (d4recCountDo(d) == 0 && d4appendBlank(d) != 0) return false;
  AssignText(F(d, "SELLNAME"), s.legalName);
  AssignText(F(d, "STREET"), s.street);
  AssignText(F(d, "CITY"), s.city);
  AssignText(F(d, "POSTCODE"), s.postcode);
  AssignText(F(d, "COUNTRY"), s.country);
  AssignText(F(d, "VATID"), s.vatId);
  AssignText(F(d, "TAXREG"), s.taxRegistration);
  AssignText(F(d, "EADDR"), s.electronicAddress);
  AssignText(F(d, "EADDRSCH"), s.electronicScheme);
  AssignText(F(d, "CONTACT"), s.contact);
  AssignText(F(d, "PHONE"), s.phone);
  AssignText(F(d, "EMAIL"), s.email);
  AssignText(F(d, "IBAN"), s.iban);
  AssignText(F(d, "BIC"), s.bic);
  AssignText(F(d, "CURRENCY"), s.currency);
  AssignText(F(d, "NOTAXCAT"), s.untaxedCategory);
  AssignText(F(d, "EXEMPTTXT"), s.exemptionReason);
  AssignText(F(d, "TERMS"), s.paymentTerms);
  f4assignInt(F(d, "DUEDAYS"), s.dueDays);
  f4assign(F(d, "FINAL"), s.finalInvoices ? "T" : "F");
  f4assign(F(d, "VAT1"), s.secondRate ? "T" : "F");
  f4assign(F(d, "DEBITS"), s.vatOnDebits ? "T" : "F");
  AssignText(F(d, "LATEINT"), s.lateInterest);
  QStringList days, fees;
  for (int n : s.reminderDays) days << QString::number(n);
  for (double f : s.reminderFees) fees << QString::number(f, 'f', 2);
  AssignText(F(d, "REMDAYS"), days.join(QLatin1Char(',')));
  AssignText(F(d, "REMFEES"), fees.join(QLatin1Char(',')));
  f4assign(F(d, "REMINT"), s.reminderInterest ? "T" : "F");
  for (int level = 0; level < 3; ++level)
    AssignText(F(d, kReminderTextFields[level]), s.reminderTexts.value(level), 254);
  table.d = nullptr;
  return d4close(d) == 0;
}

BuyerDetails ReadBuyerDetails(long cuno) {
  BuyerDetails b;
  b.customer = cuno;
  Closed table{OpenCUSTEI()};
  DATA4* d = table.d;
  if (!d || !SeekBuyer(d, cuno)) return b;
  b.country = Text(d, "COUNTRY");
  b.city = Text(d, "CITY");
  b.street = Text(d, "STREET");
  b.vatId = Text(d, "VATID");
  b.buyerReference = Text(d, "BUYERREF");
  b.electronicAddress = Text(d, "EADDR");
  b.electronicScheme = Text(d, "EADDRSCH");
  b.vatTreatment = TextIfThere(d, "VATTREAT").toUpper();
  b.siren = TextIfThere(d, "SIREN");
  return b;
}

QHash<long, QString> ReadBuyerField(const char* field) {
  QHash<long, QString> values;
  if (!cb || !DataFileExists(QString::fromLatin1(CUSTEIDef().fileName))) return values;
  Closed table{OpenCUSTEI()};
  DATA4* d = table.d;
  if (!d) return values;
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1)) {
    const QString value = Text(d, field).toUpper();
    if (!value.isEmpty()) values.insert(f4long(F(d, "CUNO")), value);
  }
  code4errorCode(cb, 0);
  return values;
}

bool WriteBuyerDetails(const BuyerDetails& b) {
  ForgetBuyerCountries();
  if (!GainMissingFields(CUSTEIDef())) return false;
  Closed table{OpenCUSTEI()};
  DATA4* d = table.d;
  if (!d) return false;
  if (!SeekBuyer(d, b.customer) && d4appendBlank(d) != 0) return false;
  f4assignLong(F(d, "CUNO"), b.customer);
  AssignText(F(d, "COUNTRY"), b.country);
  AssignText(F(d, "CITY"), b.city);
  AssignText(F(d, "STREET"), b.street);
  AssignText(F(d, "VATID"), b.vatId);
  AssignText(F(d, "BUYERREF"), b.buyerReference);
  AssignText(F(d, "EADDR"), b.electronicAddress);
  AssignText(F(d, "EADDRSCH"), b.electronicScheme);
  AssignText(F(d, "VATTREAT"), b.vatTreatment);
  AssignText(F(d, "SIREN"), b.siren);
  table.d = nullptr;
  return d4close(d) == 0;
}
