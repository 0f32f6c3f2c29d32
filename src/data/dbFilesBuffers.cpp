// The record buffers, the invoice working copy and the customer address block.
#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/dbFiles.h"

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

void ReadCustomer() {
  Cust5Table& t = Cust5;
  CustomerRecord& b = CustBuf;
  b.cuno = f4long(t.cuno);
  b.ngroup = f4int(t.ngroup);
  b.title = FieldText(t.title);
  b.first = FieldText(t.first);
  b.last = FieldText(t.last);
  b.addr1 = FieldText(t.addr1);
  b.addr2 = FieldText(t.addr2);
  b.addr3 = FieldText(t.addr3);
  b.addr4 = FieldText(t.addr4);
  b.zip = FieldText(t.zip);
  b.comments = MemoText(t.comments);
  b.note = FieldText(t.note);
  b.phone = FieldText(t.phone);
  b.fax = FieldText(t.fax);
  b.email = FieldText(t.email);
}

void WriteCustomer() {
  Cust5Table& t = Cust5;
  const CustomerRecord& b = CustBuf;
  f4assignLong(t.cuno, b.cuno);
  f4assignInt(t.ngroup, b.ngroup);
  AssignText(t.title, b.title);
  AssignText(t.first, b.first);
  AssignText(t.last, b.last);
  AssignText(t.addr1, b.addr1);
  AssignText(t.addr2, b.addr2);
  AssignText(t.addr3, b.addr3);
  AssignText(t.addr4, b.addr4);
  AssignText(t.zip, b.zip);
  AssignMemo(t.comments, b.comments);
  AssignText(t.note, b.note);
  AssignText(t.phone, b.phone);
  AssignText(t.fax, b.fax);
  AssignText(t.email, b.email);
}

void ReadGroup() {
  GroupBuf.nGroup = f4int(Groups.nGroup);
  GroupBuf.cGroup = FieldText(Groups.cGroup);
}

void WriteGroup() {
  f4assignInt(Groups.nGroup, GroupBuf.nGroup);
  AssignText(Groups.cGroup, GroupBuf.cGroup);
}

void ReadInvoice() {
  Inv5Table& t = Inv5;
  InvoiceRecord& b = CurrentInvoice;
  b.IvNo = f4long(t.IvNo);
  b.CuNo = f4long(t.CuNo);
  b.IDate = FieldDate(t.IDate);
  b.Dept = FieldText(t.Dept);
  b.IMemo = FieldText(t.IMemo);
  b.REM = MemoText(t.REM);
  b.Ship = f4double(t.Ship);
  b.Tax = f4double(t.Tax);
  b.Due = f4double(t.Due);
}

void WriteInvoice() {
  Inv5Table& t = Inv5;
  const InvoiceRecord& b = CurrentInvoice;
  f4assignLong(t.IvNo, b.IvNo);
  f4assignLong(t.CuNo, b.CuNo);
  AssignDate(t.IDate, b.IDate);
  AssignText(t.Dept, b.Dept);
  AssignText(t.IMemo, b.IMemo);
  AssignMemo(t.REM, b.REM);
  f4assignDouble(t.Ship, b.Ship);
  f4assignDouble(t.Tax, b.Tax);
  f4assignDouble(t.Due, b.Due);
}

void ReadItem() {
  Itm5Table& t = Itm5;
  ItemRecord& b = ItemBuf;
  b.IvNo = f4long(t.IvNo);
  b.PrID = FieldText(t.PrID);
  b.Qty = f4double(t.Qty);
  b.UPR = f4double(t.UPR);
  b.LTax1 = FieldLogical(t.LTax1);
  b.LTax2 = FieldLogical(t.LTax2);
  b.PDesc = FieldText(t.PDesc);
  b.IComm = FieldText(t.IComm);
}

void WriteItem() {
  Itm5Table& t = Itm5;
  const ItemRecord& b = ItemBuf;
  f4assignLong(t.IvNo, b.IvNo);
  AssignText(t.PrID, b.PrID);
  f4assignDouble(t.Qty, b.Qty);
  f4assignDouble(t.UPR, b.UPR);
  AssignLogical(t.LTax1, b.LTax1);
  AssignLogical(t.LTax2, b.LTax2);
  AssignText(t.PDesc, b.PDesc);
  AssignText(t.IComm, b.IComm);
  AssignLogical(t.lBuild, false);
  f4assignDouble(t.BackOrder, 0);
}

void ReadPayment() {
  PmtBuf.IvNo = f4long(Pmt.IvNo);
  PmtBuf.PDate = FieldDate(Pmt.PDate);
  PmtBuf.PAmt = f4double(Pmt.PAmt);
}

void WritePayment() {
  f4assignLong(Pmt.IvNo, PmtBuf.IvNo);
  AssignDate(Pmt.PDate, PmtBuf.PDate);
  f4assignDouble(Pmt.PAmt, PmtBuf.PAmt);
}

void ReadProduct() {
  Prod5Table& t = Prod5;
  ProductRecord& b = ProdBuf;
  b.PrID = FieldText(t.PrID);
  b.RCode = FieldText(t.RCode);
  b.PDesc = FieldText(t.PDesc);
  b.IComm = FieldText(t.IComm);
  b.PMemo = MemoText(t.PMemo);
  b.UPrice = f4double(t.UPrice);
  b.LTax1 = FieldLogical(t.LTax1);
  b.LTax2 = FieldLogical(t.LTax2);
  b.lInven = FieldLogical(t.lInven);
  b.REORDER = f4double(t.REORDER);
  b.ONHAND = f4double(t.ONHAND);
}

void WriteProduct() {
  Prod5Table& t = Prod5;
  const ProductRecord& b = ProdBuf;
  AssignText(t.PrID, b.PrID);
  AssignText(t.RCode, b.RCode);
  AssignText(t.PDesc, b.PDesc);
  AssignText(t.IComm, b.IComm);
  AssignMemo(t.PMemo, b.PMemo);
  f4assignDouble(t.UPrice, b.UPrice);
  AssignLogical(t.LTax1, b.LTax1);
  AssignLogical(t.LTax2, b.LTax2);
  AssignLogical(t.lInven, b.lInven);
  f4assignDouble(t.REORDER, b.REORDER);
  f4assignDouble(t.ONHAND, b.ONHAND);
  AssignLogical(t.lBuild, false);
}

void ReadPurchase() {
  Pur5Table& t = Pur5;
  PurBuf.PURProd = FieldText(t.PURProd);
  PurBuf.PURDate = FieldDate(t.PURDate);
  PurBuf.PURQty = f4double(t.PURQty);
  PurBuf.PURCost = f4double(t.PURCost);
  PurBuf.PURNo = f4long(t.PURNo);
}

void WritePurchase() {
  Pur5Table& t = Pur5;
  AssignText(t.PURProd, PurBuf.PURProd);
  AssignDate(t.PURDate, PurBuf.PURDate);
  f4assignDouble(t.PURQty, PurBuf.PURQty);
  f4assignDouble(t.PURCost, PurBuf.PURCost);
  f4assignLong(t.PURNo, PurBuf.PURNo);
}

void ReadLabel() {
  LabelsTable& t = Labels;
  LabelRecord& b = LabelBuf;
  b.Name = FieldText(t.Name);
  b.TopM = f4double(t.TopM);
  b.LeftM = f4double(t.LeftM);
  b.BottomM = f4double(t.BottomM);
  b.RightM = f4double(t.RightM);
  b.Width = f4double(t.Width);
  b.Height = f4double(t.Height);
  b.HGap = f4double(t.HGap);
  b.VGap = f4double(t.VGap);
  b.NAcross = f4int(t.NAcross);
  b.Continuous = FieldLogical(t.Continuous);
}

void WriteLabel() {
  LabelsTable& t = Labels;
  const LabelRecord& b = LabelBuf;
  AssignText(t.Name, b.Name);
  f4assignDouble(t.TopM, b.TopM);
  f4assignDouble(t.LeftM, b.LeftM);
  f4assignDouble(t.BottomM, b.BottomM);
  f4assignDouble(t.RightM, b.RightM);
  f4assignDouble(t.Width, b.Width);
  f4assignDouble(t.Height, b.Height);
  f4assignDouble(t.HGap, b.HGap);
  f4assignDouble(t.VGap, b.VGap);
  f4assignInt(t.NAcross, b.NAcross);
  AssignLogical(t.Continuous, b.Continuous);
}

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

void BuildCustomerAddress() {
  const CustomerRecord& c = CustBuf;
  // The title as the field holds it, padded to its width: a short title is
  // followed by more than one blank. The width is the open table's (a table
  // written by another program keeps its own), else the schema's.
  const int titleWidth = Cust5.title ? f4len(Cust5.title) : CUST5Def().field("title")->width;
  const QString title = c.title.leftJustified(titleWidth, ' ', true);
  const QString name = (title + ' ' + c.first.trimmed() + ' ' + c.last).trimmed();
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
  if (lines[last].size() > 22 && last < 4) {
    lines[last + 1] = QString(20, ' ') + zip;
  } else {
    // A long fifth line has no line after it: the code goes at its end.
    lines[last] += "  " + zip;
  }
  CustomerAddress = lines;
}

void ClearCustomerAddress() { CustomerAddress = QStringList{QString()}; }

void resetDataForTests() {
  Cust5 = {};
  Groups = {};
  Inv5 = {};
  Itm5 = {};
  Labels = {};
  Pmt = {};
  Prod5 = {};
  Pur5 = {};
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
