#include "data/TestSupport.h"

#include <QDir>
#include <QLocale>

#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "data/Settings.h"
#include "platform/Clock.h"
#include "tbengine/engine.h"

namespace {
void CommonSetUp(Ui* ui) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
  Ui::install(ui);  // the fixture's driver, also after another one ended
  code4setFatalHook([](int code, const std::string& message) {
    throw ProgramEnded{code, message};
  });
}

void CommonTearDown() {
  Ui::install(nullptr);
  Clock::useSystem();
}
}  // namespace

void PlainDataTest::SetUp() { CommonSetUp(&ui); }

void PlainDataTest::TearDown() { CommonTearDown(); }

void DataFolderTest::SetUp() {
  CommonSetUp(&ui);
  ASSERT_TRUE(dir.isValid());
  resetDataForTests();
  resetSettingsForTests();
  resetProgressForTests();
  QString error;
  ASSERT_TRUE(WriteSuppliedTables(dir.path(), &error)) << error.toStdString();
  StartEngine(dir.path());
}

void DataFolderTest::TearDown() {
  EndEngine();
  resetDataForTests();
  CommonTearDown();
}

bool DataFolderTest::exists(const QString& file) const { return QFile::exists(path(file)); }

void IndexedFolderTest::SetUp() {
  DataFolderTest::SetUp();
  RebuildIndexes(true);
}

namespace {
// Opens a table with open, appends a blank record, fills it with write.
void AppendRecord(bool (*open)(), DATA4* const* table, void (*write)()) {
  ASSERT_TRUE(open());
  ASSERT_EQ(d4appendBlank(*table), 0);
  write();
  CloseAll();
}
}  // namespace

void AppendCustomer(const CustomerRecord& rec) {
  CustBuf = rec;
  AppendRecord(OpenCUST5, &Cust5.d, WriteCustomer);
}

void AppendGroup(const GroupRecord& rec) {
  GroupBuf = rec;
  AppendRecord(OpenGROUPS, &Groups.d, WriteGroup);
}

void AppendInvoice(const InvoiceRecord& rec) {
  CurrentInvoice = rec;
  AppendRecord(OpenINV5, &Inv5.d, WriteInvoice);
}

void AppendItem(const ItemRecord& rec) {
  ItemBuf = rec;
  AppendRecord(OpenITM5, &Itm5.d, WriteItem);
}

void AppendPayment(const PaymentRecord& rec) {
  PmtBuf = rec;
  AppendRecord(OpenPMT, &Pmt.d, WritePayment);
}

void AppendProduct(const ProductRecord& rec) {
  ProdBuf = rec;
  AppendRecord(OpenProd5, &Prod5.d, WriteProduct);
}

void AppendPurchase(const PurchaseRecord& rec) {
  PurBuf = rec;
  AppendRecord(OpenPur5, &Pur5.d, WritePurchase);
}
