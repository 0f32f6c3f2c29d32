#include "data/dbFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/CodeBase.h"
#include "data/EInvoiceTables.h"
#include "data/RecordFields.h"
#include "data/Settings.h"
#include "data/SupplyTables.h"
#include "data/TestSupport.h"
#include "tbengine/inspect.h"

namespace {

TDate D(int y, int m, int d) { return DateFromQDate(QDate(y, m, d)); }

QByteArray Raw(FIELD4* f) { return QByteArray(f4str(f)); }

class SuppliedTablesTest : public DataFolderTest {};

TEST_F(SuppliedTablesTest, EveryTableIsEmptyButTheSettingsImportFoldersAndEInvoiceSettingsRecords) {
  for (const TableDef* t : AllTables()) {
    QFile f(path(t->fileName));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << t->fileName;
    const QByteArray header = f.read(32);
    EXPECT_EQ(quint8(header[29]), 0x03) << t->fileName << ": Windows ANSI code page";
    EXPECT_EQ(quint8(header[0]), t->hasMemo() ? 0x83 : 0x03) << t->fileName;
    EXPECT_EQ(exists(QString(t->openName) + ".dbt"), t->hasMemo()) << t->fileName;
    const quint32 count = quint8(header[4]) | quint8(header[5]) << 8;
    const bool oneRecord = t == &KEX1Def() || t == &ImpdirsDef() || t == &EINVSETDef();
    EXPECT_EQ(count, oneRecord ? 1u : 0u) << t->fileName;
  }
  EXPECT_TRUE(QDir(dir.path()).entryList({"*.ntx", "*.cgp"}).isEmpty()) << "no index files";
}

TEST_F(SuppliedTablesTest, FirstStartSettingsNameTheChargeLinesAndUseDefaults) {
  ReadSettings();
  const SettingsRecord& s = Settings();
  EXPECT_EQ(s.ShipLine.trimmed(), "Shipping");
  EXPECT_EQ(s.TaxLine.trimmed(), "Sales Tax");
  EXPECT_EQ(s.TaxRate1, 0);
  EXPECT_EQ(s.TaxRate2, 0);
  EXPECT_EQ(s.ShipTax, 1);
  EXPECT_EQ(s.TaxRound, 1);
  EXPECT_EQ(s.LHJustify, 1);
  EXPECT_TRUE(s.ByCust);
  EXPECT_TRUE(s.fifo);
  EXPECT_TRUE(s.FontName.trimmed().isEmpty());
  EXPECT_EQ(s.FontSize, 0);
}

TEST_F(SuppliedTablesTest, SuppliedTablesAreNeverWrittenOverExistingData) {
  QString error;
  EXPECT_FALSE(WriteSuppliedTables(dir.path(), &error));
  EXPECT_TRUE(error.contains("KEX1.DBF")) << error.toStdString();
}

TEST_F(SuppliedTablesTest, StartupCheckMatchesNamesWithoutCaseAndIgnoresImpdirs) {
  EXPECT_TRUE(DataFilesPresent());
  ASSERT_TRUE(QFile::rename(path("CUST5.dbf"), path("cust5.DBF")));
  ASSERT_TRUE(QFile::remove(path("ImpDirs.DBF")));
  EXPECT_TRUE(DataFilesPresent());
  ASSERT_TRUE(QFile::remove(path("PMT.dbf")));
  EXPECT_FALSE(DataFilesPresent());
}

TEST_F(SuppliedTablesTest, MissingTableShowsMessageAndEndsTheProgram) {
  ASSERT_TRUE(QFile::remove(path("CUST5.dbf")));
  ui.expectMessage(Ui::Kind::Information, "Unable to open file CUST5.DBF\r\nProgram will now terminate.\r\nfile not found");
  EXPECT_THROW(OpenCUST5(), ProgramEnded);
}

TEST_F(SuppliedTablesTest, ATableInUseByAnotherProgramSaysSo) {
  CODE4* other = code4initP();
  code4setDirectory(other, QFile::encodeName(dir.path()).toStdString());
  code4accessMode(other, OPEN4DENY_WRITE);
  code4autoOpen(other, 0);
  ASSERT_NE(d4open(other, "CUST5"), nullptr);
  ui.expectMessage(Ui::Kind::Information,
                   "Unable to open file CUST5.DBF\r\nProgram will now terminate.\r\nin use by another program");
  EXPECT_THROW(OpenCUST5(), ProgramEnded);
  code4initUndoP(other);
}

TEST_F(SuppliedTablesTest, ADirectoryInPlaceOfATableIsNamedAsSuch) {
  ASSERT_TRUE(QFile::remove(path("PMT.dbf")));
  ASSERT_TRUE(QDir(dir.path()).mkdir("PMT.dbf"));
  EXPECT_TRUE(DataFilesPresent()) << "there, but not a table: the open says why";
  ui.expectMessage(Ui::Kind::Information, "Unable to open file PMT.DBF\r\nProgram will now terminate.\r\nCannot open " +
                                              path("PMT.dbf") + ": a directory, not a file");
  EXPECT_THROW(OpenPMT(), ProgramEnded);
}

TEST_F(SuppliedTablesTest, MissingImpdirsNamesItsFile) {
  ASSERT_TRUE(QFile::remove(path("ImpDirs.DBF")));
  QString info, order;
  ui.expectMessage(Ui::Kind::Information, "Unable to open file ImpDirs.DBF\r\nProgram will now terminate.\r\nfile not found");
  EXPECT_THROW(ReadImportDirs(&info, &order), ProgramEnded);
}

TEST_F(SuppliedTablesTest, MissingDefaultTagNamesTheIndexFile) {
  // A tag group that lacks the group-number tag.
  code4autoOpen(cb, 0);
  DATA4* d = d4open(cb, "GROUPS");
  ASSERT_NE(d, nullptr);
  const TAG4INFO tags[] = {{"cGroup", "Upper(cGroup)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
  ASSERT_NE(i4create(d, "GROUPS", tags), nullptr);
  code4close(cb);
  code4autoOpen(cb, 1);

  ui.expectMessage(Ui::Kind::Information, "Unable to open file nGroup.ntx\r\nProgram will now terminate.\r\nno such tag in the table's tag group");
  EXPECT_THROW(OpenGROUPS(), ProgramEnded);
}

class TablesTest : public IndexedFolderTest {};

TEST_F(TablesTest, EveryTableOpensWithItsDefaultTag) {
  const std::pair<bool (*)(), DATA4**> opens[] = {
      {OpenCUST5, &Cust5.d}, {OpenGROUPS, &Groups.d}, {OpenINV5, &Inv5.d}, {OpenITM5, &Itm5.d},
      {OpenLABELS, &Labels.d}, {OpenPMT, &Pmt.d},     {OpenProd5, &Prod5.d}, {OpenPur5, &Pur5.d},
  };
  const char* expected[] = {"cName", "nGroup", "inv", "itm", "Labels", "Pmt", "Prod", "Pur"};
  int i = 0;
  for (const auto& [open, handle] : opens) {
    ASSERT_TRUE(open());
    ASSERT_NE(*handle, nullptr);
    TAG4* tag = d4tagSelected(*handle);
    ASSERT_NE(tag, nullptr) << expected[i];
    EXPECT_EQ(QString(t4name(tag)).compare(expected[i], Qt::CaseInsensitive), 0) << t4name(tag);
    ++i;
  }
  CloseAll();
  EXPECT_EQ(Cust5.d, nullptr);
  EXPECT_EQ(code4errorCode(cb, 0), 0);
}

// The names of the fields a buffer description covers, in its order.
template <class Table, class Record>
QStringList DescribedFields(const Table& t, FieldList<Table, Record> fields) {
  QStringList names;
  for (const auto& f : fields) names << QString(f4name(t.*f.field)).toUpper();
  return names;
}

QStringList SchemaFields(const TableDef& def) {
  QStringList names;
  for (const FieldDef& f : def.fields) names << QString(f.name).toUpper();
  names.sort();
  return names;
}

TEST_F(TablesTest, EveryBufferDescriptionCoversEachFieldOfItsTableOnce) {
  ASSERT_TRUE(OpenCUST5() && OpenGROUPS() && OpenINV5() && OpenITM5() && OpenLABELS() &&
              OpenPMT() && OpenProd5() && OpenPur5());
  const std::pair<QStringList, const TableDef*> described[] = {
      {DescribedFields(Cust5, CustomerFields()), &CUST5Def()},
      {DescribedFields(Groups, GroupFields()), &GROUPSDef()},
      {DescribedFields(Inv5, InvoiceFields()), &INV5Def()},
      {DescribedFields(Itm5, ItemFields()), &ITM5Def()},
      {DescribedFields(Pmt, PaymentFields()), &PMTDef()},
      {DescribedFields(Prod5, ProductFields()), &Prod5Def()},
      {DescribedFields(Pur5, PurchaseFields()), &Pur5Def()},
      {DescribedFields(Labels, LabelFields()), &LABELSDef()},
  };
  for (auto [names, def] : described) {
    names.sort();
    EXPECT_EQ(names, SchemaFields(*def)) << def->openName;
  }
  CloseAll();
}

TEST_F(TablesTest, EveryBufferFieldSurvivesAWriteAndARead) {
  ASSERT_TRUE(OpenCUST5() && OpenINV5() && OpenITM5() && OpenProd5() && OpenPur5());
  CustBuf = {42, 3, "Mr", "Ann", "Lee", "Acme", "1 Road", "Town", "State", "12345",
             "a memo", "note", "555", "556", "a@b.c"};
  ASSERT_EQ(d4appendBlank(Cust5.d), 0);
  WriteCustomer();
  CurrentInvoice = {7, 42, 46000, "Dept", "IMemo", "remark", 1.5, 2.25, 3.75};
  ASSERT_EQ(d4appendBlank(Inv5.d), 0);
  WriteInvoice();
  ItemBuf = {7, "AB1", 2, 3.5, true, false, "desc", "comm"};
  ASSERT_EQ(d4appendBlank(Itm5.d), 0);
  WriteItem();
  ProdBuf = {"AB1", "R1", "desc", "comm", "pmemo", 9.99, false, true, true, 4, 12};
  ASSERT_EQ(d4appendBlank(Prod5.d), 0);
  WriteProduct();
  PurBuf = {"AB1", 46001, 10, 99.5, 77};
  ASSERT_EQ(d4appendBlank(Pur5.d), 0);
  WritePurchase();
  CloseAll();

  ASSERT_TRUE(OpenCUST5() && OpenINV5() && OpenITM5() && OpenProd5() && OpenPur5());
  CustBuf = {};
  d4top(Cust5.d);
  ReadCustomer();
  EXPECT_EQ(CustBuf.cuno, 42);
  EXPECT_EQ(CustBuf.ngroup, 3);
  EXPECT_EQ(CustBuf.comments, "a memo");
  EXPECT_EQ(CustBuf.email.trimmed(), "a@b.c");
  CurrentInvoice = {};
  d4top(Inv5.d);
  ReadInvoice();
  EXPECT_EQ(CurrentInvoice.IDate, 46000);
  EXPECT_EQ(CurrentInvoice.REM, "remark");
  EXPECT_DOUBLE_EQ(CurrentInvoice.Due, 3.75);
  ItemBuf = {};
  d4top(Itm5.d);
  ReadItem();
  EXPECT_TRUE(ItemBuf.LTax1);
  EXPECT_FALSE(ItemBuf.LTax2);
  EXPECT_DOUBLE_EQ(ItemBuf.UPR, 3.5);
  EXPECT_EQ(QString(f4str(Itm5.lBuild)), "F");
  ProdBuf = {};
  d4top(Prod5.d);
  ReadProduct();
  EXPECT_EQ(ProdBuf.PMemo, "pmemo");
  EXPECT_TRUE(ProdBuf.lInven);
  EXPECT_DOUBLE_EQ(ProdBuf.ONHAND, 12);
  PurBuf = {};
  d4top(Pur5.d);
  ReadPurchase();
  EXPECT_EQ(PurBuf.PURDate, 46001);
  EXPECT_EQ(PurBuf.PURNo, 77);
  CloseAll();
}

TEST_F(TablesTest, SettingsTableOpensWithoutIndexAndAutoOpenIsRestored) {
  DATA4* d = OpenKEX1();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d4tagSelected(d), nullptr);
  EXPECT_EQ(code4autoOpen(cb, 1), 1) << "auto-open switched on again";
  CloseAll();
}

TEST_F(TablesTest, CustomerRoundTripsWithMemoLineBreaksAndCuts) {
  ASSERT_TRUE(OpenCUST5());
  ASSERT_EQ(d4appendBlank(Cust5.d), 0);
  CustBuf = {};
  CustBuf.cuno = 123456;
  CustBuf.ngroup = 99;
  CustBuf.title = "Dr";
  CustBuf.first = "Jos\u00e9";
  CustBuf.last = QString(25, 'L');  // wider than the field
  CustBuf.addr1 = "Caf\u00e9 \u6f22";
  CustBuf.zip = "05401";
  CustBuf.email = QString(70, 'e');
  CustBuf.comments = "first line\r\n  second line  \r\n\r\n   ";
  WriteCustomer();
  const long rec = d4recNo(Cust5.d);
  d4top(Cust5.d);
  d4go(Cust5.d, rec);
  CustBuf = {};
  ReadCustomer();
  EXPECT_EQ(CustBuf.cuno, 123456);
  EXPECT_EQ(CustBuf.ngroup, 99);
  EXPECT_EQ(CustBuf.title, "Dr  ") << "read as stored, padded to the width";
  EXPECT_EQ(CustBuf.first.trimmed(), "Jos\u00e9");
  EXPECT_EQ(CustBuf.last, QString(20, 'L')) << "cut to the field width";
  EXPECT_EQ(CustBuf.addr1.trimmed(), "Caf\u00e9 ?") << "a character Windows-1252 lacks";
  EXPECT_EQ(CustBuf.email, QString(59, 'e') + ' ') << "59 characters, padded to 60";
  EXPECT_EQ(CustBuf.comments, "first line\r\n  second line") << "inner breaks kept, tail trimmed";
  CloseAll();
}

TEST_F(TablesTest, InvoiceDatesAreWindowedOnWriteAndBlankWhenMissing) {
  ASSERT_TRUE(OpenINV5());
  d4appendBlank(Inv5.d);
  CurrentInvoice = {};
  CurrentInvoice.IvNo = 1000;
  CurrentInvoice.CuNo = 7;
  CurrentInvoice.IDate = D(1965, 7, 4);
  CurrentInvoice.Dept = "Shop";
  CurrentInvoice.IMemo = "4111 x12/28";
  CurrentInvoice.REM = "Leave at door ";
  CurrentInvoice.Ship = 8.95;
  CurrentInvoice.Tax = 1.23;
  CurrentInvoice.Due = -4.5;
  WriteInvoice();
  EXPECT_EQ(Raw(Inv5.IDate), "20650704");
  d4appendBlank(Inv5.d);
  CurrentInvoice.IvNo = 1001;
  CurrentInvoice.IDate = 0;
  WriteInvoice();
  EXPECT_EQ(Raw(Inv5.IDate), "        ");

  d4top(Inv5.d);
  ReadInvoice();
  EXPECT_EQ(CurrentInvoice.IvNo, 1000);
  EXPECT_EQ(CurrentInvoice.CuNo, 7);
  EXPECT_EQ(CurrentInvoice.IDate, D(2065, 7, 4));
  EXPECT_EQ(CurrentInvoice.Dept.trimmed(), "Shop");
  EXPECT_EQ(CurrentInvoice.IMemo.trimmed(), "4111 x12/28");
  EXPECT_EQ(CurrentInvoice.REM, "Leave at door");
  EXPECT_DOUBLE_EQ(CurrentInvoice.Ship, 8.95);
  EXPECT_DOUBLE_EQ(CurrentInvoice.Tax, 1.23);
  EXPECT_DOUBLE_EQ(CurrentInvoice.Due, -4.5);
  d4skip(Inv5.d, 1);
  ReadInvoice();
  EXPECT_EQ(CurrentInvoice.IDate, 0);
  CloseAll();
}

TEST_F(TablesTest, ItemWriteAlwaysClearsBuildAndBackOrder) {
  ASSERT_TRUE(OpenITM5());
  d4appendBlank(Itm5.d);
  f4assign(Itm5.lBuild, "T");
  f4assignDouble(Itm5.BackOrder, 5);
  ItemBuf = {1000, "TPR-12", 2.5, 8.5, true, false, "Taper Candles", "Beeswax"};
  WriteItem();
  EXPECT_EQ(Raw(Itm5.lBuild), "F");
  EXPECT_EQ(f4double(Itm5.BackOrder), 0);
  EXPECT_EQ(Raw(Itm5.LTax1), "T");
  EXPECT_EQ(Raw(Itm5.LTax2), "F");
  ItemBuf = {};
  ReadItem();
  EXPECT_EQ(ItemBuf.IvNo, 1000);
  EXPECT_EQ(ItemBuf.PrID.trimmed(), "TPR-12");
  EXPECT_DOUBLE_EQ(ItemBuf.Qty, 2.5);
  EXPECT_DOUBLE_EQ(ItemBuf.UPR, 8.5);
  EXPECT_TRUE(ItemBuf.LTax1);
  EXPECT_FALSE(ItemBuf.LTax2);
  EXPECT_EQ(ItemBuf.PDesc.trimmed(), "Taper Candles");
  EXPECT_EQ(ItemBuf.IComm.trimmed(), "Beeswax");
  CloseAll();
}

TEST_F(TablesTest, ProductWriteClearsBuildAndKeepsFlagsAndText) {
  ASSERT_TRUE(OpenProd5());
  d4appendBlank(Prod5.d);
  f4assign(Prod5.lBuild, "T");
  ProdBuf = {};
  ProdBuf.PrID = "SOAP-OAT";
  ProdBuf.RCode = "R1";
  ProdBuf.PDesc = "Oatmeal Soap";
  ProdBuf.IComm = "4.5 oz";
  ProdBuf.PMemo = "Printed\r\nat the bottom\r\n";
  ProdBuf.UPrice = 99999.99;
  ProdBuf.LTax2 = true;
  ProdBuf.lInven = true;
  ProdBuf.REORDER = 30;
  ProdBuf.ONHAND = -2;
  WriteProduct();
  EXPECT_EQ(Raw(Prod5.lBuild), "F");
  EXPECT_EQ(Raw(Prod5.LTax1), "F");
  ProdBuf = {};
  ReadProduct();
  EXPECT_EQ(ProdBuf.PrID.trimmed(), "SOAP-OAT");
  EXPECT_EQ(ProdBuf.RCode.trimmed(), "R1");
  EXPECT_EQ(ProdBuf.PMemo, "Printed\r\nat the bottom");
  EXPECT_DOUBLE_EQ(ProdBuf.UPrice, 99999.99);
  EXPECT_FALSE(ProdBuf.LTax1);
  EXPECT_TRUE(ProdBuf.LTax2);
  EXPECT_TRUE(ProdBuf.lInven);
  EXPECT_DOUBLE_EQ(ProdBuf.REORDER, 30);
  EXPECT_DOUBLE_EQ(ProdBuf.ONHAND, -2);
  CloseAll();
}

TEST_F(TablesTest, SmallBuffersRoundTrip) {
  ASSERT_TRUE(OpenGROUPS());
  ASSERT_TRUE(OpenPMT());
  ASSERT_TRUE(OpenPur5());
  ASSERT_TRUE(OpenLABELS());
  d4appendBlank(Groups.d);
  GroupBuf = {42, QString(80, 'g')};
  WriteGroup();
  d4appendBlank(Pmt.d);
  PmtBuf = {1001, D(2026, 3, 1), -12.5};
  WritePayment();
  d4appendBlank(Pur5.d);
  PurBuf = {"WAX-5LB", 0, 1234567.5, 999999999.99, 77};
  WritePurchase();
  d4appendBlank(Labels.d);
  LabelBuf = {"Sheet", 36, 13.5, 36.125, 13.5, 189, 72, 9, 0.001, 3, true};
  WriteLabel();

  GroupBuf = {};
  PmtBuf = {};
  PurBuf = {};
  LabelBuf = {};
  ReadGroup();
  ReadPayment();
  ReadPurchase();
  ReadLabel();
  EXPECT_EQ(GroupBuf.nGroup, 42);
  EXPECT_EQ(GroupBuf.cGroup, QString(59, 'g'));
  EXPECT_EQ(PmtBuf.IvNo, 1001);
  EXPECT_EQ(PmtBuf.PDate, D(2026, 3, 1));
  EXPECT_DOUBLE_EQ(PmtBuf.PAmt, -12.5);
  EXPECT_EQ(PurBuf.PURProd.trimmed(), "WAX-5LB");
  EXPECT_EQ(PurBuf.PURDate, 0);
  EXPECT_DOUBLE_EQ(PurBuf.PURQty, 1234567.5);
  EXPECT_DOUBLE_EQ(PurBuf.PURCost, 999999999.99);
  EXPECT_EQ(PurBuf.PURNo, 77);
  EXPECT_EQ(LabelBuf.Name.trimmed(), "Sheet");
  EXPECT_DOUBLE_EQ(LabelBuf.BottomM, 36.125);
  EXPECT_DOUBLE_EQ(LabelBuf.VGap, 0.001);
  EXPECT_EQ(LabelBuf.NAcross, 3);
  EXPECT_TRUE(LabelBuf.Continuous);
  EXPECT_EQ(code4errorCode(cb, 0), 0) << "every value fits its field";
  CloseAll();
}

TEST_F(TablesTest, ImportFoldersKeep126Characters) {
  const QString longPath = "/media/orders/" + QString(130, 'x');
  WriteImportDirs(longPath, "/srv/orders");
  QString info, order;
  ReadImportDirs(&info, &order);
  EXPECT_EQ(info, longPath.left(126));
  EXPECT_EQ(order, "/srv/orders");
}

TEST_F(TablesTest, ImportFoldersLeaveTheCommandsTablesOpen) {
  ASSERT_TRUE(OpenCUST5());
  WriteImportDirs("a", "b");
  EXPECT_EQ(d4top(Cust5.d), r4eof) << "CUST5 still open (and empty)";
  CloseAll();
}

TEST_F(TablesTest, DeletedRecordsAreCountedUntilPacked) {
  ASSERT_TRUE(OpenGROUPS());
  for (int n = 1; n <= 3; ++n) {
    d4appendBlank(Groups.d);
    GroupBuf = {n, QString("Group %1").arg(n)};
    WriteGroup();
  }
  d4go(Groups.d, 2);
  d4delete(Groups.d);
  CloseAll();
  ASSERT_TRUE(OpenGROUPS());
  EXPECT_EQ(d4recCountDo(Groups.d), 3);
  CloseAll();
  PackTable("GROUPS", false);
  ASSERT_TRUE(OpenGROUPS());
  EXPECT_EQ(d4recCountDo(Groups.d), 2);
  std::vector<std::string> problems;
  EXPECT_EQ(d4check(Groups.d, &problems), 0);
  CloseAll();
}

TEST_F(TablesTest, PackingAMissingTableIsSkippedQuietly) {
  ASSERT_TRUE(QFile::remove(path("Pur5.dbf")));
  EXPECT_LT(PackTable("Pur5", false), 0);  // and no message
  EXPECT_EQ(code4errorCode(cb, 0), 0) << "no error left pending to end the program later";
  EXPECT_EQ(code4accessMode(cb, 0), OPEN4DENY_NONE) << "shared access restored";
}

class AddressTest : public PlainDataTest {
 protected:
  void SetUp() override {
    PlainDataTest::SetUp();
    resetDataForTests();
    resetSettingsForTests();
    CustBuf.title = "Mr";
    CustBuf.first = "John   ";
    CustBuf.last = "Smith   ";
    CustBuf.addr1 = " Acme Candles  ";
    CustBuf.addr2 = "12 Mill Road";
    CustBuf.addr3 = "";
    CustBuf.addr4 = "Burlington, VT";
    CustBuf.zip = " 05401 ";
  }
};

TEST_F(AddressTest, NameLineFollowsTheTitlePaddedToItsFieldWidth) {
  Settings().ByCust = true;
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress, QStringList({"Mr   John Smith", "Acme Candles", "12 Mill Road", "",
                                          "Burlington, VT  05401"}))
      << "an empty middle line stays; the postal code follows the last line";
}

TEST_F(AddressTest, CompanyComesFirstWhenListedByCompany) {
  Settings().ByCust = false;
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[0], "Acme Candles");
  EXPECT_EQ(CustomerAddress[1], "Mr   John Smith");
}

TEST_F(AddressTest, PostalCodeGoesOnItsOwnLineAfterALineLongerThan22) {
  CustBuf.addr4 = "";
  CustBuf.addr3 = QString(23, 'c');
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[3], QString(23, 'c'));
  EXPECT_EQ(CustomerAddress[4], QString(20, ' ') + "05401");
  CustBuf.addr3 = QString(22, 'c');
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[3], QString(22, 'c') + "  05401");
  EXPECT_EQ(CustomerAddress[4], "");
}

TEST_F(AddressTest, LongFifthLineKeepsThePostalCodeAtItsEnd) {
  CustBuf.addr4 = QString(30, 'x');
  BuildCustomerAddress();
  ASSERT_EQ(CustomerAddress.size(), 5);
  EXPECT_EQ(CustomerAddress[4], QString(30, 'x') + "  05401");
}

TEST_F(AddressTest, EmptyCustomerPutsThePostalCodeOnTheFirstLine) {
  CustBuf = {};
  CustBuf.zip = "05401";
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress, QStringList({"  05401", "", "", "", ""}));
  ClearCustomerAddress();
  EXPECT_EQ(CustomerAddress, QStringList({""}));
}

// Customers with an e-invoice country other than the US are addressed the
// European way; the rest, and folders without e-invoice details, as before.
class EuropeanAddressTest : public IndexedFolderTest {
 protected:
  void SetUp() override {
    IndexedFolderTest::SetUp();
    Settings().ByCust = true;
    CustBuf = {};
    CustBuf.cuno = 7;
    CustBuf.last = "Weber";
    CustBuf.addr1 = "Weber Kerzen GmbH";
    CustBuf.addr2 = "Hauptstr. 5";
    CustBuf.addr3 = "Musterstadt";
    CustBuf.zip = "12345";
  }
  void setCountry(const QString& country) {
    BuyerDetails b;
    b.customer = 7;
    b.country = country;
    ASSERT_TRUE(WriteBuyerDetails(b));
  }
};

TEST_F(EuropeanAddressTest, PostalCodeStandsOnceBeforeTheCityOutsideTheUs) {
  setCountry("de");
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress, QStringList({"Weber", "Weber Kerzen GmbH", "Hauptstr. 5", "12345 Musterstadt", ""}));
  CustBuf.addr3 = "12345 Musterstadt";
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[3], "12345 Musterstadt") << "a code the city line holds already is not written again";

  setCountry("US");  // a changed country is seen at once
  CustBuf.addr3 = "Musterstadt";
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[3], "Musterstadt  12345");
}

TEST_F(EuropeanAddressTest, FolderWithoutEInvoiceDetailsKeepsTheBlock) {
  setCountry("FR");
  CloseAll();
  ASSERT_TRUE(QFile::remove(path("CUSTEI.DBF")) || QFile::remove(path("CUSTEI.dbf")));
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[3], "Musterstadt  12345");
  EXPECT_EQ(code4errorCode(cb, 0), 0);
}

// A customer table another xBase program wrote, with a title field 3 wide.
class ForeignTableTest : public DataFolderTest {};

TEST_F(ForeignTableTest, AddressBlockPadsTheTitleToTheOpenTablesWidth) {
  ASSERT_TRUE(QFile::remove(path("CUST5.dbf")));
  ASSERT_TRUE(QFile::remove(path("CUST5.dbt")));
  std::vector<FIELD4INFO> fields;
  for (const FieldDef& f : CUST5Def().fields)
    fields.push_back({f.name, f.type, QByteArray(f.name) == "title" ? 3 : f.width, f.decimals});
  fields.push_back({nullptr, 0, 0, 0});
  ASSERT_EQ(d4create(cb, "CUST5.dbf", fields.data()), 0);
  RebuildIndexes(true);
  Settings().ByCust = true;
  ASSERT_TRUE(OpenCUST5());
  d4appendBlank(Cust5.d);
  CustBuf = {};
  CustBuf.cuno = 1;
  CustBuf.title = "Mr";
  CustBuf.first = "John";
  CustBuf.last = "Smith";
  WriteCustomer();
  ReadCustomer();
  BuildCustomerAddress();
  EXPECT_EQ(CustomerAddress[0], "Mr  John Smith  ") << "the postal code (none) follows the only line";
  CloseAll();
}

}  // namespace
