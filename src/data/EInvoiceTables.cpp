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

// An EINVSET written before the schema's last fields (FINAL) gains them:
// the table is copied with every field of the schema into a folder beside
// the data folder's file and renamed over it, so a failure leaves the old
// table as it was and a success leaves the new one whole. True when the
// table has every field (or now has them).
bool GainMissingFields() {
  DATA4* old = OpenEINVSET();
  if (!old) return false;
  bool complete = true;
  for (const FieldDef& f : EINVSETDef().fields) {
    if (!d4field(old, f.name)) complete = false;
  }
  code4errorCode(cb, 0);  // the look-ups of absent fields
  if (complete) {
    d4close(old);
    return true;
  }
  const QString dataDir = DataDirectory();
  QTemporaryDir beside(dataDir + QStringLiteral("/.tbwiden-XXXXXX"));
  bool ok = beside.isValid();
  if (ok) {
    SideEngine side(beside.path());
    std::vector<FIELD4INFO> fields;
    for (const FieldDef& f : EINVSETDef().fields) fields.push_back({f.name, f.type, f.width, f.decimals});
    fields.push_back({nullptr, 0, 0, 0});
    code4autoOpen(side.cb, 0);
    ok = d4create(side.cb, EINVSETDef().fileName, fields.data()) == 0;
    DATA4* copy = ok ? d4open(side.cb, EINVSETDef().openName) : nullptr;
    ok = copy != nullptr;
    for (int rc = d4top(old); ok && rc == 0; rc = d4skip(old, 1)) {
      ok = d4appendBlank(copy) == 0;
      for (int j = 1; ok && j <= d4numFields(old); ++j) {
        FIELD4* from = d4fieldJ(old, j);
        if (FIELD4* to = d4field(copy, f4name(from))) f4assign(to, f4str(from));
      }
    }
    if (copy && d4close(copy) != 0) ok = false;
  }
  d4close(old);
  if (ok) {
    const QString target = dataDir + QLatin1Char('/') + ExistingName(dataDir, QString::fromLatin1(EINVSETDef().fileName));
    const QString written = beside.path() + QLatin1Char('/') + QString::fromLatin1(EINVSETDef().fileName);
    ok = std::rename(QFile::encodeName(written).constData(), QFile::encodeName(target).constData()) == 0;
  }
  return ok;
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
  if (FIELD4* final = d4field(d, "FINAL")) s.finalInvoices = f4true(final);
  code4errorCode(cb, 0);
  return s;
}

bool WriteSellerDetails(const SellerDetails& s) {
  if (!GainMissingFields()) return false;
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
  return b;
}

void WriteBuyerDetails(const BuyerDetails& b) {
  Closed table{OpenCUSTEI()};
  DATA4* d = table.d;
  if (!d) return;
  if (!SeekBuyer(d, b.customer) && d4appendBlank(d) != 0) return;
  f4assignLong(F(d, "CUNO"), b.customer);
  AssignText(F(d, "COUNTRY"), b.country);
  AssignText(F(d, "CITY"), b.city);
  AssignText(F(d, "STREET"), b.street);
  AssignText(F(d, "VATID"), b.vatId);
  AssignText(F(d, "BUYERREF"), b.buyerReference);
  AssignText(F(d, "EADDR"), b.electronicAddress);
  AssignText(F(d, "EADDRSCH"), b.electronicScheme);
}
