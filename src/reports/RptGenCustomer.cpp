#include "reports/RptGenCustomer.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "printing/RptUtil.h"
#include "reports/RptGenParts.h"
#include "reports/RptGenSales.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(RptGenCustomer)
};

// ---- Customer profile -----------------------------------------------------------

void StartProfiles(ReportLineSink& sink) {
  BeginReport(sink, 72, 12, {Tr::tr("Customer Profile")},
              {"V00", "L01", "V35", "R43", "V45", "L46", "V57", "R61", "V63", "R71", "V72"});
  //: Column headings: the customer, the date of the invoice, the product, quantity, unit price
  SetHeadings({"", Tr::tr("Customer"), "", Tr::tr("Date"), "", Tr::tr("Product"), "", Tr::tr("Qty"),
               "", Tr::tr("U-Price")});
}

// The left column of a profile: the address block of the customer in
// CustBuf, its last line giving way to the customer and group numbers.
QStringList ProfileAddress() {
  BuildCustomerAddress();
  QStringList lines = CustomerAddress;
  if (lines.size() == 5 && lines[3].trimmed().isEmpty() && lines[4].trimmed().isEmpty())
    lines.removeLast();
  if (!lines.last().trimmed().isEmpty()) lines.append(QString());
  QString group;
  FindGroupName(CustBuf.ngroup, &group);
  //: %1 is the customer's number, %2 the name of the customer's group
  lines.last() = Tr::tr("Cust#: %1  Group: %2").arg(QString::number(CustBuf.cuno), group.trimmed());
  return lines;
}

struct BoughtItem {
  QString date, product, qty, price;
};

// Every item of every invoice of the customer in CustBuf.
QList<BoughtItem> ItemsBought() {
  QList<BoughtItem> items;
  DATA4* inv = Inv5.d;
  DATA4* itm = Itm5.d;
  d4tagSelect(inv, d4tag(inv, "invc"));
  d4tagSelect(itm, d4tag(itm, "itm"));
  const long cuno = CustBuf.cuno;
  for (bool more = SeekNumber(inv, Inv5.CuNo, cuno); more;
       more = NextOfNumber(inv, Inv5.CuNo, cuno)) {
    const long ivNo = f4long(Inv5.IvNo);
    const QString date = FormatShortDate(FieldDate(Inv5.IDate));
    for (bool item = SeekNumber(itm, Itm5.IvNo, ivNo); item;
         item = NextOfNumber(itm, Itm5.IvNo, ivNo)) {
      items.append({date, WithoutTrailingBlanks(FieldText(Itm5.PrID)),
                    FormatFloat("%8.2f", f4double(Itm5.Qty)),
                    FormatFloat("%8.2f", f4double(Itm5.UPR))});
    }
  }
  return items;
}

// The profile block of the customer in CustBuf, ruled off under its last line.
void PutProfile() {
  const QStringList left = ProfileAddress();
  const QList<BoughtItem> items = ItemsBought();
  CheckPage(Report().LinesOnPage + 4, true);
  const qsizetype rows = std::max(left.size(), items.size());
  for (qsizetype i = 0; i < rows; ++i) {
    CheckPage(Report().LinesOnPage + 1, true);
    NewLine();
    PutRules();
    if (i < left.size()) PutColumn(1, left[i]);
    if (i < items.size()) {
      PutColumn(3, items[i].date);
      PutColumn(5, items[i].product);
      PutColumn(7, items[i].qty);
      PutColumn(9, items[i].price);
    }
  }
  StyleCell() = QStringLiteral("U");
}

// ---- Buyers ----------------------------------------------------------------------

bool OpenBuyersTables() {
  return OpenINV5() && OpenITM5() && OpenProd5() && OpenCUST5() && OpenGROUPS();
}

// The product whose code is exactly code (trailing blanks of the stored
// code aside) into ProdBuf; false when there is none.
bool FindProduct(const QString& code) {
  DATA4* prod = Prod5.d;
  d4tagSelect(prod, d4tag(prod, "Prod"));
  const QByteArray key = SeekKey(code.toUpper());
  for (int rc = d4seek(prod, key.constData()); rc == r4success || rc == r4after;
       rc = d4skip(prod, 1)) {
    const QString stored = WithoutTrailingBlanks(FieldText(Prod5.PrID));
    if (stored.toUpper() != code.toUpper()) break;
    if (stored == code) {
      ReadProduct();
      return true;
    }
  }
  return false;
}

}  // namespace

ReportOutcome BuildProfiles(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return ReportOutcome::built();
  DATA4* cust = Cust5.d;
  QList<long> records;
  for (long cuno : request.customers) {
    if (!FindCustomer(cuno))
      return ReportOutcome::unusable(QStringLiteral("customers"), Tr::tr("there is no customer %1").arg(cuno));
    records.append(d4recNo(cust));
  }
  StartProfiles(sink);
  if (request.customers.isEmpty()) {
    d4tagSelect(cust, d4tag(cust, "cName"));
    for (int rc = d4top(cust); rc == r4success; rc = d4skip(cust, 1)) {
      if (!request.groups.contains(f4int(Cust5.ngroup))) continue;
      ReadCustomer();
      PutProfile();  // walks other tables only: CUST5 stays on the customer
    }
  }
  for (long record : records) {
    d4go(cust, record);
    ReadCustomer();
    PutProfile();
  }
  return ReportOutcome::built();
}

ReportOutcome BuildBuyers(const ReportRequest& request, ReportLineSink& sink) {
  TablesClosedAtEnd tables;
  if (!OpenBuyersTables()) return ReportOutcome::built();
  if (!FindProduct(request.product))
    return ReportOutcome::unusable(QStringLiteral("product"), Tr::tr("there is no product %1").arg(request.product));
  SpanWalk walk(Inv5.d, "invd", Inv5.IDate, request.from, request.to);
  if (!walk.inSpan()) return NothingInSpan(kNoInvoices);
  //: %1 is the product code, %2 its description
  BeginReport(sink, 77, 10,
              {Tr::tr("Buyers of %1-%2").arg(ProdBuf.PrID.trimmed(), ProdBuf.PDesc.trimmed()),
               //: The second title line of the buyers of a product: %1 and %2 are the first and the last day
               SpanTitle(Tr::tr("from %1 through %2"), request.from, request.to)},
              {"V00", "L01", "V36", "L37", "V57", "R66", "V67", "R76", "V77"});
  //: Column headings: the customer, the customer's group, the invoice's date, the unit price
  SetHeadings({"", Tr::tr("Customer"), "", Tr::tr("MailGroup"), "", Tr::tr("Date"), "",
               Tr::tr("U-Price")});
  //: A customer or group that is no longer on file
  const QString unknown = Tr::tr("UNKNOWN");

  // Item codes are compared as stored: same field width, so equal padding.
  const QString code = WithoutTrailingBlanks(ProdBuf.PrID);
  DATA4* itm = Itm5.d;
  d4tagSelect(itm, d4tag(itm, "itm"));
  do {
    const long ivNo = f4long(Inv5.IvNo);
    for (bool more = SeekNumber(itm, Itm5.IvNo, ivNo); more;
         more = NextOfNumber(itm, Itm5.IvNo, ivNo)) {
      if (WithoutTrailingBlanks(FieldText(Itm5.PrID)) != code) continue;
      QString name = unknown, group = unknown;
      if (FindCustomer(f4long(Inv5.CuNo))) {
        name = ReportCustomerName();
        FindGroupName(CustBuf.ngroup, &group);
      }
      CheckPage(Report().LinesOnPage + 1, true);
      NewLine();
      PutRules();
      PutColumn(1, name);
      PutColumn(3, group);
      PutColumn(5, FormatShortDate(FieldDate(Inv5.IDate)));
      PutColumn(7, FormatFloat("%8.2f", f4double(Itm5.UPR)));
    }
  } while (walk.next());
  if (Report().CurrentLine >= 0) StyleCell() = QStringLiteral("U");
  return ReportOutcome::built();
}
