#include "data/EInvoiceTables.h"

#include "data/CodeBase.h"
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
  return s;
}

void WriteSellerDetails(const SellerDetails& s) {
  Closed table{OpenEINVSET()};
  DATA4* d = table.d;
  if (!d) return;
  // The supplied table holds the one record; should it have lost it, the
  // details get one to live in.
  if (d4recCountDo(d) == 0 && d4appendBlank(d) != 0) return;
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
