// The record buffers, the invoice working copy and the customer address block.
#include <optional>

#include "data/CodeBase.h"
#include "data/EInvoiceTables.h"
#include "data/dbFiles.h"
#include "data/RecordFields.h"
#include "data/Settings.h"

CustomerRecord CustBuf;
GroupRecord GroupBuf;
InvoiceRecord CurrentInvoice;
ItemRecord ItemBuf;
PaymentRecord PmtBuf;
ProductRecord ProdBuf;
PurchaseRecord PurBuf;
LabelRecord LabelBuf;

QList<ItemRow> ItemList;
QList<PaymentRow> PaymentList;
QStringList CustomerAddress{QString()};

int CurrentCustomerRec = 0;
int CurrentGroupRec = 0;
int CurrentProductRec = 0;
int CurrentPurchaseRec = 0;
int CurrentLabelRec = 0;
int CurrentInvoiceRec = 0;
bool DeletionsPending = false;

namespace {

using K = FieldKind;

template <class Table, class Record>
using F = FieldOf<Table, Record>;

using C = CustomerRecord;
const F<Cust5Table, C> kCustomer[] = {
    {&Cust5Table::cuno, K::Integer, &C::cuno},    {&Cust5Table::ngroup, K::Integer, &C::ngroup},
    {&Cust5Table::title, K::Text, &C::title},     {&Cust5Table::first, K::Text, &C::first},
    {&Cust5Table::last, K::Text, &C::last},       {&Cust5Table::addr1, K::Text, &C::addr1},
    {&Cust5Table::addr2, K::Text, &C::addr2},     {&Cust5Table::addr3, K::Text, &C::addr3},
    {&Cust5Table::addr4, K::Text, &C::addr4},     {&Cust5Table::zip, K::Text, &C::zip},
    {&Cust5Table::comments, K::Memo, &C::comments}, {&Cust5Table::note, K::Text, &C::note},
    {&Cust5Table::phone, K::Text, &C::phone},     {&Cust5Table::fax, K::Text, &C::fax},
    {&Cust5Table::email, K::Text, &C::email},
};

const F<GroupsTable, GroupRecord> kGroup[] = {
    {&GroupsTable::nGroup, K::Integer, &GroupRecord::nGroup},
    {&GroupsTable::cGroup, K::Text, &GroupRecord::cGroup},
};

using I = InvoiceRecord;
const F<Inv5Table, I> kInvoice[] = {
    {&Inv5Table::IvNo, K::Integer, &I::IvNo}, {&Inv5Table::CuNo, K::Integer, &I::CuNo},
    {&Inv5Table::IDate, K::Date, &I::IDate},  {&Inv5Table::Dept, K::Text, &I::Dept},
    {&Inv5Table::IMemo, K::Text, &I::IMemo},  {&Inv5Table::REM, K::Memo, &I::REM},
    {&Inv5Table::Ship, K::Double, &I::Ship},  {&Inv5Table::Tax, K::Double, &I::Tax},
    {&Inv5Table::Due, K::Double, &I::Due},
};

using T = ItemRecord;
const F<Itm5Table, T> kItem[] = {
    {&Itm5Table::IvNo, K::Integer, &T::IvNo},  {&Itm5Table::PrID, K::Text, &T::PrID},
    {&Itm5Table::Qty, K::Double, &T::Qty},     {&Itm5Table::UPR, K::Double, &T::UPR},
    {&Itm5Table::LTax1, K::Logical, &T::LTax1}, {&Itm5Table::LTax2, K::Logical, &T::LTax2},
    {&Itm5Table::PDesc, K::Text, &T::PDesc},   {&Itm5Table::IComm, K::Text, &T::IComm},
    {&Itm5Table::lBuild, K::Logical, {}},      {&Itm5Table::BackOrder, K::Double, {}},
};

const F<PmtTable, PaymentRecord> kPayment[] = {
    {&PmtTable::IvNo, K::Integer, &PaymentRecord::IvNo},
    {&PmtTable::PDate, K::Date, &PaymentRecord::PDate},
    {&PmtTable::PAmt, K::Double, &PaymentRecord::PAmt},
};

using P = ProductRecord;
const F<Prod5Table, P> kProduct[] = {
    {&Prod5Table::PrID, K::Text, &P::PrID},         {&Prod5Table::RCode, K::Text, &P::RCode},
    {&Prod5Table::PDesc, K::Text, &P::PDesc},       {&Prod5Table::IComm, K::Text, &P::IComm},
    {&Prod5Table::PMemo, K::Memo, &P::PMemo},       {&Prod5Table::UPrice, K::Double, &P::UPrice},
    {&Prod5Table::LTax1, K::Logical, &P::LTax1},    {&Prod5Table::LTax2, K::Logical, &P::LTax2},
    {&Prod5Table::lInven, K::Logical, &P::lInven},  {&Prod5Table::REORDER, K::Double, &P::REORDER},
    {&Prod5Table::ONHAND, K::Double, &P::ONHAND},   {&Prod5Table::lBuild, K::Logical, {}},
};

using U = PurchaseRecord;
const F<Pur5Table, U> kPurchase[] = {
    {&Pur5Table::PURProd, K::Text, &U::PURProd}, {&Pur5Table::PURDate, K::Date, &U::PURDate},
    {&Pur5Table::PURQty, K::Double, &U::PURQty}, {&Pur5Table::PURCost, K::Double, &U::PURCost},
    {&Pur5Table::PURNo, K::Integer, &U::PURNo},
};

using L = LabelRecord;
const F<LabelsTable, L> kLabel[] = {
    {&LabelsTable::Name, K::Text, &L::Name},       {&LabelsTable::TopM, K::Double, &L::TopM},
    {&LabelsTable::LeftM, K::Double, &L::LeftM},   {&LabelsTable::BottomM, K::Double, &L::BottomM},
    {&LabelsTable::RightM, K::Double, &L::RightM}, {&LabelsTable::Width, K::Double, &L::Width},
    {&LabelsTable::Height, K::Double, &L::Height}, {&LabelsTable::HGap, K::Double, &L::HGap},
    {&LabelsTable::VGap, K::Double, &L::VGap},     {&LabelsTable::NAcross, K::Integer, &L::NAcross},
    {&LabelsTable::Continuous, K::Logical, &L::Continuous},
};

}  // namespace

FieldList<Cust5Table, CustomerRecord> CustomerFields() { return kCustomer; }
FieldList<GroupsTable, GroupRecord> GroupFields() { return kGroup; }
FieldList<Inv5Table, InvoiceRecord> InvoiceFields() { return kInvoice; }
FieldList<Itm5Table, ItemRecord> ItemFields() { return kItem; }
FieldList<PmtTable, PaymentRecord> PaymentFields() { return kPayment; }
FieldList<Prod5Table, ProductRecord> ProductFields() { return kProduct; }
FieldList<Pur5Table, PurchaseRecord> PurchaseFields() { return kPurchase; }
FieldList<LabelsTable, LabelRecord> LabelFields() { return kLabel; }

void ReadCustomer() { ReadFields(Cust5, CustBuf, CustomerFields()); }
void WriteCustomer() { WriteFields(Cust5, CustBuf, CustomerFields()); }
void ReadGroup() { ReadFields(Groups, GroupBuf, GroupFields()); }
void WriteGroup() { WriteFields(Groups, GroupBuf, GroupFields()); }
void ReadInvoice() { ReadFields(Inv5, CurrentInvoice, InvoiceFields()); }
void WriteInvoice() { WriteFields(Inv5, CurrentInvoice, InvoiceFields()); }
void ReadItem() { ReadFields(Itm5, ItemBuf, ItemFields()); }
void WriteItem() { WriteFields(Itm5, ItemBuf, ItemFields()); }
void ReadPayment() { ReadFields(Pmt, PmtBuf, PaymentFields()); }
void WritePayment() { WriteFields(Pmt, PmtBuf, PaymentFields()); }
void ReadProduct() { ReadFields(Prod5, ProdBuf, ProductFields()); }
void WriteProduct() { WriteFields(Prod5, ProdBuf, ProductFields()); }
void ReadPurchase() { ReadFields(Pur5, PurBuf, PurchaseFields()); }
void WritePurchase() { WriteFields(Pur5, PurBuf, PurchaseFields()); }
void ReadLabel() { ReadFields(Labels, LabelBuf, LabelFields()); }
void WriteLabel() { WriteFields(Labels, LabelBuf, LabelFields()); }

void ReadImportDirs(QString* infoDir, QString* orderDir) {
  infoDir->clear();
  orderDir->clear();
  DATA4* d = OpenImpdirs();
  if (!d) return;
  if (d4recCountDo(d) > 0) {
    *infoDir = FieldText(d4field(d, "InfoDir")).trimmed();
    *orderDir = FieldText(d4field(d, "OrderDir")).trimmed();
  }
  d4close(d);
}

void WriteImportDirs(const QString& infoDir, const QString& orderDir) {
  DATA4* d = OpenImpdirs();
  if (!d) return;
  // The supplied table holds one record; should it have lost it, the
  // folders still get one to live in.
  if (d4recCountDo(d) == 0) d4appendBlank(d);
  AssignText(d4field(d, "InfoDir"), infoDir, kImportDirLength);
  AssignText(d4field(d, "OrderDir"), orderDir, kImportDirLength);
  d4close(d);
}

QString& ItemRow::operator[](int column) {
  QString* cols[] = {&PrID, &Qty, &UPR, &Tax1, &Tax2, &PDesc, &IComm, &RCode, &PMemo};
  return *cols[column];
}

const QString& ItemRow::operator[](int column) const {
  return const_cast<ItemRow&>(*this)[column];
}

QString& PaymentRow::operator[](int column) { return column == 0 ? PDate : PAmt; }

const QString& PaymentRow::operator[](int column) const { return column == 0 ? PDate : PAmt; }

QString CustomerName(const CustomerRecord& c) {
  // The title as the field holds it, padded to its width: a short title is
  // followed by more than one blank. The width is the open table's (a table
  // written by another program keeps its own), else the schema's.
  const int titleWidth = Cust5.title ? f4len(Cust5.title) : CUST5Def().field("title")->width;
  const QString title = c.title.leftJustified(titleWidth, ' ', true);
  return (title + ' ' + c.first.trimmed() + ' ' + c.last).trimmed();
}

namespace {

// The customers' e-invoice countries, read once while the tables are held
// (an invoice report builds an address per invoice).
std::optional<QHash<long, QString>> gBuyerCountries;

// A customer with an e-invoice country other than the US is addressed the
// European way.
bool EuropeanAddress(long cuno) {
  if (!gBuyerCountries) gBuyerCountries = ReadBuyerField("COUNTRY");
  const QString country = gBuyerCountries->value(cuno);
  return !country.isEmpty() && country != QLatin1String("US");
}

}  // namespace

void ForgetBuyerCountries() { gBuyerCountries.reset(); }

void BuildCustomerAddress() {
  const CustomerRecord& c = CustBuf;
  const QString name = CustomerName(c);
  const QString company = c.addr1.trimmed();
  QStringList lines(5);
  lines[0] = Settings().ByCust ? name : company;
  lines[1] = Settings().ByCust ? company : name;
  lines[2] = c.addr2.trimmed();
  lines[3] = c.addr3.trimmed();
  lines[4] = c.addr4.trimmed();
  int last = 4;
  while (last > 0 && lines[last].isEmpty()) --last;
  const QString zip = c.zip.trimmed();
  if (EuropeanAddress(c.cuno)) {
    // The postal code before the city, once: the last line is the city's
    // unless it already starts with the code.
    if (!zip.isEmpty() && !lines[last].startsWith(zip)) {
      if (last >= 2)
        lines[last] = zip + ' ' + lines[last];
      else if (last < 4)
        lines[last + 1] = zip;
    }
  } else if (lines[last].size() > 22 && last < 4) {
    lines[last + 1] = QString(20, ' ') + zip;
  } else {
    // A long fifth line has no line after it: the code goes at its end.
    lines[last] += "  " + zip;
  }
  CustomerAddress = lines;
}

void ClearCustomerAddress() { CustomerAddress = QStringList{QString()}; }

void resetDataForTests() {
  ForgetTableHandles();
  CustBuf = {};
  GroupBuf = {};
  CurrentInvoice = {};
  ItemBuf = {};
  PmtBuf = {};
  ProdBuf = {};
  PurBuf = {};
  LabelBuf = {};
  ItemList.clear();
  PaymentList.clear();
  ClearCustomerAddress();
  CurrentCustomerRec = 0;
  CurrentGroupRec = 0;
  CurrentProductRec = 0;
  CurrentPurchaseRec = 0;
  CurrentLabelRec = 0;
  CurrentInvoiceRec = 0;
  DeletionsPending = false;
}
