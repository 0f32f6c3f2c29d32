#include "data/Schema.h"

#include <cstring>
#include <strings.h>

// Widths: character fields hold at least the longest text their editor
// accepts (59, the cut applied to every text, where the editor sets no
// limit); key numbers have 6 digits (customers, invoices) or 2 (groups);
// money and quantities two decimals, label dimensions three, wide enough
// for the largest value the entry boxes take, with its sign.

bool TableDef::hasMemo() const {
  for (const FieldDef& f : fields) {
    if (f.type == 'M') return true;
  }
  return false;
}

const FieldDef* TableDef::field(const char* name) const {
  for (const FieldDef& f : fields) {
    if (strcasecmp(f.name, name) == 0) return &f;
  }
  return nullptr;
}

QStringList TableDef::indexFiles() const {
  QStringList files;
  for (const TagDef& t : tags) files << QString::fromLatin1(t.name) + ".ntx";
  if (!tags.empty()) files << QString::fromLatin1(openName) + ".cgp";
  return files;
}

const TableDef& KEX1Def() {
  static const TableDef t{
      "KEX1", "KEX1.DBF", "KEX1.DBF", nullptr, nullptr,
      {
          {"FontName", 'C', 59, 0},
          {"FontSize", 'N', 4, 0},
          {"LabID", 'C', 40, 0},
          {"Company", 'C', 35, 0},
          {"Addr1", 'C', 35, 0},
          {"Addr2", 'C', 35, 0},
          {"Addr3", 'C', 35, 0},
          {"Addr4", 'C', 25, 0},
          {"CloLine", 'C', 25, 0},
          {"SigLine", 'C', 59, 0},
          {"LogoFile", 'C', 59, 0},
          {"LogoHeight", 'N', 6, 2},
          {"LogoWidth", 'N', 6, 2},
          {"ShipLine", 'C', 59, 0},
          {"TaxLine", 'C', 59, 0},
          {"ShipTax", 'N', 2, 0},
          {"TaxRound", 'N', 2, 0},
          {"LHJustify", 'N', 2, 0},
          {"TaxRate1", 'N', 6, 2},
          {"TaxRate2", 'N', 6, 2},
          {"TopMargin", 'N', 6, 2},
          {"ByCust", 'L', 1, 0},
          {"fifo", 'L', 1, 0},
      },
      {}};
  return t;
}

const TableDef& CUST5Def() {
  static const TableDef t{
      "CUST5", "CUST5.dbf", "CUST5.DBF", "cName", "cName.ntx",
      {
          {"cuno", 'N', 6, 0},
          {"title", 'C', 4, 0},
          {"first", 'C', 15, 0},
          {"last", 'C', 20, 0},
          {"addr1", 'C', 34, 0},
          {"addr2", 'C', 34, 0},
          {"addr3", 'C', 34, 0},
          {"addr4", 'C', 34, 0},
          {"zip", 'C', 10, 0},
          {"comments", 'M', 10, 0},
          {"ngroup", 'N', 2, 0},
          {"note", 'C', 34, 0},
          {"phone", 'C', 20, 0},
          {"fax", 'C', 20, 0},
          {"email", 'C', 60, 0},
      },
      {
          {"cName", "Upper(Last + First)"},
          {"ccno", "Str(CuNo, 6)"},
          {"czip", "Zip"},
          {"ccomp", "Addr1"},
      }};
  return t;
}

const TableDef& GROUPSDef() {
  static const TableDef t{"GROUPS", "GROUPS.dbf", "GROUPS.DBF", "nGroup", "nGroup.ntx",
                          {
                              {"nGroup", 'N', 2, 0},
                              {"cGroup", 'C', 59, 0},
                          },
                          {
                              {"nGroup", "Str(nGroup, 2)"},
                              {"cGroup", "Upper(cGroup)"},
                          }};
  return t;
}

const TableDef& INV5Def() {
  static const TableDef t{"INV5", "INV5.dbf", "INV5.DBF", "inv", "Inv.Ntx",
                          {
                              {"IvNo", 'N', 6, 0},
                              {"CuNo", 'N', 6, 0},
                              {"Dept", 'C', 59, 0},
                              {"IDate", 'D', 8, 0},
                              {"IMemo", 'C', 30, 0},
                              {"Ship", 'N', 12, 2},
                              {"Tax", 'N', 12, 2},
                              {"Due", 'N', 12, 2},
                              {"REM", 'M', 10, 0},
                          },
                          {
                              {"inv", "Str(IvNo,6,0)"},
                              {"invc", "Str(CuNo,6,0)"},
                              {"invd", "DTOS(IDate)"},
                          }};
  return t;
}

const TableDef& ITM5Def() {
  static const TableDef t{"ITM5", "ITM5.dbf", "ITM5.DBF", "itm", "Itm.Ntx",
                          {
                              {"IvNo", 'N', 6, 0},
                              {"PrID", 'C', 10, 0},
                              {"Qty", 'N', 12, 2},
                              {"UPR", 'N', 12, 2},
                              {"LTax1", 'L', 1, 0},
                              {"LTax2", 'L', 1, 0},
                              {"PDesc", 'C', 59, 0},
                              {"IComm", 'C', 59, 0},
                              {"lBuild", 'L', 1, 0},
                              {"BackOrder", 'N', 12, 2},
                          },
                          {
                              {"itm", "Str(IvNo,6,0)"},
                              {"itmP", "PrID + Str(IvNo,6,0)"},
                          }};
  return t;
}

const TableDef& LABELSDef() {
  static const TableDef t{"LABELS", "LABELS.dbf", "LABELS.DBF", "Labels", "Labels.Ntx",
                          {
                              {"Name", 'C', 40, 0},
                              {"TopM", 'N', 9, 3},
                              {"LeftM", 'N', 9, 3},
                              {"BottomM", 'N', 9, 3},
                              {"RightM", 'N', 9, 3},
                              {"Width", 'N', 9, 3},
                              {"Height", 'N', 9, 3},
                              {"HGap", 'N', 9, 3},
                              {"VGap", 'N', 9, 3},
                              {"NAcross", 'N', 2, 0},
                              {"Continuous", 'L', 1, 0},
                          },
                          {
                              {"Labels", "Name"},
                          }};
  return t;
}

const TableDef& PMTDef() {
  static const TableDef t{"PMT", "PMT.dbf", "PMT.DBF", "Pmt", "Pmt.Ntx",
                          {
                              {"IvNo", 'N', 6, 0},
                              {"PDate", 'D', 8, 0},
                              {"PAmt", 'N', 12, 2},
                          },
                          {
                              {"Pmt", "Str(IvNo,6,0)"},
                              {"PmtD", "DTOS(PDate)"},
                          }};
  return t;
}

const TableDef& Prod5Def() {
  static const TableDef t{"Prod5", "Prod5.dbf", "Prod5.DBF", "Prod", "Prod.Ntx",
                          {
                              {"PrID", 'C', 10, 0},
                              {"RCode", 'C', 10, 0},
                              {"PDesc", 'C', 27, 0},
                              {"UPrice", 'N', 12, 2},
                              {"LTax1", 'L', 1, 0},
                              {"LTax2", 'L', 1, 0},
                              {"lInven", 'L', 1, 0},
                              {"IComm", 'C', 27, 0},
                              {"PMemo", 'M', 10, 0},
                              {"REORDER", 'N', 12, 2},
                              {"ONHAND", 'N', 12, 2},
                              {"lBuild", 'L', 1, 0},
                          },
                          {
                              {"Prod", "Upper(PrID)"},
                          }};
  return t;
}

const TableDef& Pur5Def() {
  static const TableDef t{"Pur5", "Pur5.dbf", "Pur5.DBF", "Pur", "Pur.Ntx",
                          {
                              {"PURProd", 'C', 10, 0},
                              {"PURDate", 'D', 8, 0},
                              {"PURQty", 'N', 12, 2},
                              {"PURCost", 'N', 14, 2},
                              {"PURNo", 'N', 10, 0},
                          },
                          {
                              {"Pur", "Upper(PurProd)+ DTOS(PURDATE)"},
                          }};
  return t;
}

const TableDef& ImpdirsDef() {
  static const TableDef t{"Impdirs", "ImpDirs.DBF", "ImpDirs.DBF", nullptr, nullptr,
                          {
                              {"InfoDir", 'C', 126, 0},
                              {"OrderDir", 'C', 126, 0},
                          },
                          {},
                          false};
  return t;
}

// The e-invoice tables' names and fields are a contract with other tools.
const TableDef& EINVSETDef() {
  static const TableDef t{"EINVSET", "EINVSET.DBF", "EINVSET.DBF", nullptr, nullptr,
                          {
                              {"SELLNAME", 'C', 59, 0},
                              {"STREET", 'C', 59, 0},
                              {"CITY", 'C', 40, 0},
                              {"POSTCODE", 'C', 10, 0},
                              {"COUNTRY", 'C', 2, 0},
                              {"VATID", 'C', 20, 0},
                              {"TAXREG", 'C', 20, 0},
                              {"EADDR", 'C', 59, 0},
                              {"EADDRSCH", 'C', 4, 0},
                              {"CONTACT", 'C', 59, 0},
                              {"PHONE", 'C', 30, 0},
                              {"EMAIL", 'C', 59, 0},
                              {"IBAN", 'C', 34, 0},
                              {"BIC", 'C', 11, 0},
                              {"CURRENCY", 'C', 3, 0},
                              {"NOTAXCAT", 'C', 1, 0},
                              {"EXEMPTTXT", 'C', 59, 0},
                              {"TERMS", 'C', 59, 0},
                              {"DUEDAYS", 'N', 3, 0},
                              {"FINAL", 'L', 1, 0},
                              {"VAT1", 'L', 1, 0},
                              {"DEBITS", 'L', 1, 0},
                              {"LATEINT", 'C', 59, 0},
                              {"REMDAYS", 'C', 11, 0},
                              {"REMFEES", 'C', 29, 0},
                              {"REMINT", 'L', 1, 0},
                              {"REMTEXT1", 'C', 254, 0},
                              {"REMTEXT2", 'C', 254, 0},
                              {"REMTEXT3", 'C', 254, 0},
                          },
                          {},
                          false};
  return t;
}

const TableDef& CUSTEIDef() {
  static const TableDef t{"CUSTEI", "CUSTEI.DBF", "CUSTEI.DBF", "CUSTEI", "CUSTEI.NTX",
                          {
                              {"CUNO", 'N', 6, 0},
                              {"COUNTRY", 'C', 2, 0},
                              {"CITY", 'C', 40, 0},
                              {"STREET", 'C', 59, 0},
                              {"VATID", 'C', 20, 0},
                              {"BUYERREF", 'C', 59, 0},
                              {"EADDR", 'C', 59, 0},
                              {"EADDRSCH", 'C', 4, 0},
                              {"VATTREAT", 'C', 2, 0},
                              {"SIREN", 'C', 9, 0},
                          },
                          {{"CUSTEI", "Str(CuNo,6)"}},
                          false};
  return t;
}

// Beside CUSTEI rather than in it: the language is not an e-invoice detail,
// and CUSTEI's fields are a contract with other tools.
const TableDef& CUSTLANGDef() {
  static const TableDef t{"CUSTLANG", "CUSTLANG.DBF", "CUSTLANG.DBF", "CUSTLANG", "CUSTLANG.NTX",
                          {
                              {"CUNO", 'N', 6, 0},
                              {"LANG", 'C', 2, 0},
                          },
                          {{"CUSTLANG", "Str(CuNo,6)"}},
                          false};
  return t;
}

// The state of each invoice that has one: issued (and its content then),
// a credit note of which invoice, the date of supply. An invoice without a
// record is an ordinary unissued invoice.
const TableDef& INVSTATEDef() {
  static const TableDef t{"INVSTATE", "INVSTATE.DBF", "INVSTATE.DBF", "INVSTATE", "INVSTATE.NTX",
                          {
                              {"IVNO", 'N', 6, 0},
                              {"KIND", 'C', 1, 0},
                              {"ISSUED", 'D', 8, 0},
                              {"REFNO", 'N', 6, 0},
                              {"HASH", 'C', 64, 0},
                              {"SUPPLIED", 'D', 8, 0},
                          },
                          {{"INVSTATE", "Str(IvNo,6)"}},
                          false};
  return t;
}

// The bank statement entries booked as payments, by the bank's reference of
// each, so that no statement is booked twice.
const TableDef& BANKREFDef() {
  static const TableDef t{"BANKREF", "BANKREF.DBF", "BANKREF.DBF", "BANKREF", "BANKREF.NTX",
                          {
                              {"REF", 'C', 80, 0},
                              {"IVNO", 'N', 6, 0},
                              {"AMOUNT", 'N', 12, 2},
                              {"BOOKED", 'D', 8, 0},
                              {"IMPORTED", 'D', 8, 0},
                          },
                          {{"BANKREF", "Ref"}},
                          false};
  return t;
}

// The reminders sent: each invoice's last level and when.
const TableDef& REMINDDef() {
  static const TableDef t{"REMIND", "REMIND.DBF", "REMIND.DBF", "REMIND", "REMIND.NTX",
                          {
                              {"IVNO", 'N', 6, 0},
                              {"LEVEL", 'N', 1, 0},
                              {"SENT", 'D', 8, 0},
                          },
                          {{"REMIND", "Str(IvNo,6)"}},
                          false};
  return t;
}

// The reference rates of statutory default interest that the user added or
// corrected: the program's own table holds unless a row here has the same
// country and first day.
const TableDef& REFRATEDef() {
  static const TableDef t{"REFRATE", "REFRATE.DBF", "REFRATE.DBF", "REFRATE", "REFRATE.NTX",
                          {
                              {"COUNTRY", 'C', 2, 0},
                              {"FROM", 'D', 8, 0},
                              {"RATE", 'N', 6, 2},
                          },
                          {{"REFRATE", "Country+DToS(From)"}},
                          false};
  return t;
}

// The repeating invoices: each schedule's invoice to copy, its dates, how
// many were made, and the one being made (so that none is made twice).
const TableDef& RECURDef() {
  static const TableDef t{"RECUR", "RECUR.DBF", "RECUR.DBF", "RECUR", "RECUR.NTX",
                          {
                              {"SCHED", 'N', 6, 0},
                              {"IVNO", 'N', 6, 0},
                              {"EVERY", 'C', 1, 0},
                              {"DAY", 'N', 2, 0},
                              {"FIRST", 'D', 8, 0},
                              {"UNTIL", 'D', 8, 0},
                              {"TIMES", 'N', 4, 0},
                              {"MADE", 'N', 4, 0},
                              {"PENDING", 'N', 6, 0},
                              {"LASTIVNO", 'N', 6, 0},
                              {"ISSUE", 'L', 1, 0},
                              {"STATE", 'C', 1, 0},
                          },
                          {{"RECUR", "Str(Sched,6)"}},
                          false};
  return t;
}

// The received e-invoices: one record per file registered, its terms as the
// register lists them, the archived copy's name and SHA-256, and whether its
// lines were booked as purchases. Keyed by seller and number (the seller by
// its VAT id, else its name in capitals), so the same invoice twice is seen.
const TableDef& RECEIVEDDef() {
  static const TableDef t{"RECEIVED", "RECEIVED.DBF", "RECEIVED.DBF", "RECEIVED", "RECEIVED.NTX",
                          {
                              {"SELLERKEY", 'C', 40, 0},
                              {"SELLER", 'C', 80, 0},
                              {"SELLERVAT", 'C', 20, 0},
                              {"NUMBER", 'C', 40, 0},
                              {"TYPE", 'C', 3, 0},
                              {"INVDATE", 'D', 8, 0},
                              {"DUEDATE", 'D', 8, 0},
                              {"CURRENCY", 'C', 3, 0},
                              {"NET", 'N', 15, 2},
                              {"VAT", 'N', 15, 2},
                              {"TOTAL", 'N', 15, 2},
                              {"DUE", 'N', 15, 2},
                              {"BUYERREF", 'C', 40, 0},
                              {"FILE", 'C', 100, 0},
                              {"SHA256", 'C', 64, 0},
                              {"RECEIVED", 'D', 8, 0},
                              {"VERDICT", 'C', 1, 0},
                              {"BOOKED", 'L', 1, 0},
                              {"BOOKFROM", 'N', 10, 0},
                          },
                          {{"RECEIVED", "SellerKey+Number"}},
                          false};
  return t;
}

// The products that a seller's item ids were booked as, remembered from the
// mapping a person confirmed.
const TableDef& RECVMAPDef() {
  static const TableDef t{"RECVMAP", "RECVMAP.DBF", "RECVMAP.DBF", "RECVMAP", "RECVMAP.NTX",
                          {
                              {"SELLERKEY", 'C', 40, 0},
                              {"ITEMID", 'C', 40, 0},
                              {"PRID", 'C', 10, 0},
                          },
                          {{"RECVMAP", "SellerKey+ItemId"}},
                          false};
  return t;
}

// The quotes: each one's customer, dates, charge lines and total, whether
// it was accepted or declined, and the invoice it became (its number is
// kept before that invoice is written, so none becomes two).
const TableDef& QUOTEDef() {
  static const TableDef t{"QUOTE", "QUOTE.dbf", "QUOTE.dbf", "QUOTE", "QUOTE.NTX",
                          {
                              {"QNO", 'N', 6, 0},
                              {"CUNO", 'N', 6, 0},
                              {"DEPT", 'C', 59, 0},
                              {"QDATE", 'D', 8, 0},
                              {"VALID", 'D', 8, 0},
                              {"SHIP", 'N', 12, 2},
                              {"TAX", 'N', 12, 2},
                              {"TOTAL", 'N', 12, 2},
                              {"STATE", 'C', 1, 0},
                              {"IVNO", 'N', 6, 0},
                              {"REM", 'M', 10, 0},
                          },
                          {{"QUOTE", "Str(QNo,6)"}},
                          false};
  return t;
}

// The quotes' lines, as an invoice's items.
const TableDef& QUOTEITDef() {
  static const TableDef t{"QUOTEIT", "QUOTEIT.dbf", "QUOTEIT.dbf", "QUOTEIT", "QUOTEIT.NTX",
                          {
                              {"QNO", 'N', 6, 0},
                              {"PRID", 'C', 10, 0},
                              {"QTY", 'N', 12, 2},
                              {"UPR", 'N', 12, 2},
                              {"LTAX1", 'L', 1, 0},
                              {"LTAX2", 'L', 1, 0},
                              {"PDESC", 'C', 59, 0},
                              {"ICOMM", 'C', 59, 0},
                          },
                          {{"QUOTEIT", "Str(QNo,6)"}},
                          false};
  return t;
}

const std::vector<const TableDef*>& AllTables() {
  static const std::vector<const TableDef*> all{
      &KEX1Def(),   &CUST5Def(), &GROUPSDef(), &INV5Def(), &ITM5Def(),
      &LABELSDef(), &PMTDef(),   &Prod5Def(),  &Pur5Def(), &ImpdirsDef(),
      &EINVSETDef(), &CUSTEIDef(), &CUSTLANGDef(), &INVSTATEDef(), &BANKREFDef(), &REMINDDef(),
      &REFRATEDef(), &RECURDef(), &QUOTEDef(), &QUOTEITDef(), &RECEIVEDDef(), &RECVMAPDef(),
  };
  return all;
}

std::vector<const TableDef*> RequiredTables() {
  std::vector<const TableDef*> t;
  for (const TableDef* def : AllTables())
    if (def->required) t.push_back(def);
  return t;
}
