#include "data/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QStorageInfo>
#include <unistd.h>

#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "data/Settings.h"
#include "platform/Clock.h"
#include "tbengine/engine.h"
#include "tbengine/inspect.h"

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

void AppendTestRecord(bool (*open)(), DATA4* const* table, void (*write)()) {
  ASSERT_TRUE(open());
  ASSERT_EQ(d4appendBlank(*table), 0);
  write();
  CloseAll();
}

void AppendCustomer(const CustomerRecord& rec) {
  CustBuf = rec;
  AppendTestRecord(OpenCUST5, &Cust5.d, WriteCustomer);
}

void AppendGroup(const GroupRecord& rec) {
  GroupBuf = rec;
  AppendTestRecord(OpenGROUPS, &Groups.d, WriteGroup);
}

void AppendInvoice(const InvoiceRecord& rec) {
  CurrentInvoice = rec;
  AppendTestRecord(OpenINV5, &Inv5.d, WriteInvoice);
}

void AppendItem(const ItemRecord& rec) {
  ItemBuf = rec;
  AppendTestRecord(OpenITM5, &Itm5.d, WriteItem);
}

void AppendPayment(const PaymentRecord& rec) {
  PmtBuf = rec;
  AppendTestRecord(OpenPMT, &Pmt.d, WritePayment);
}

void AppendProduct(const ProductRecord& rec) {
  ProdBuf = rec;
  AppendTestRecord(OpenProd5, &Prod5.d, WriteProduct);
}

void AppendPurchase(const PurchaseRecord& rec) {
  PurBuf = rec;
  AppendTestRecord(OpenPur5, &Pur5.d, WritePurchase);
}

QStringList StoredLines(bool (*open)(), DATA4* const* table, const std::function<QString()>& line) {
  EXPECT_TRUE(open());
  DATA4* d = *table;
  QStringList all;
  d4tagSelect(d, nullptr);
  for (int at = d4top(d); at == r4success; at = d4skip(d, 1))
    all << (d4deleted(d) ? "*" : "") + line();
  ExpectIntact(d);
  CloseAll();
  return all;
}

void ExpectIntact(DATA4* d) {
  std::vector<std::string> problems;
  EXPECT_EQ(d4check(d, &problems), 0) << (problems.empty() ? "" : problems.front());
}

QMap<QString, FileState> FolderFiles(const QString& folder) {
  QMap<QString, FileState> result;
  for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
    QFile f(info.filePath());
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    result[info.fileName()] = {f.readAll(), info.lastModified()};
  }
  return result;
}

void RestoreFolderFiles(const QString& folder, const QMap<QString, FileState>& files) {
  const QDir dir(folder);
  for (auto it = files.begin(); it != files.end(); ++it) {
    QFile f(dir.filePath(it.key()));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(it.value().bytes);
  }
  for (const QString& name : FolderFiles(folder).keys())
    if (!files.contains(name)) QFile::remove(dir.filePath(name));
}

CustomerRecord Customer(long cuno, const QString& title, const QString& first,
                        const QString& last, const QStringList& addr, const QString& zip) {
  CustomerRecord c;
  c.cuno = cuno;
  c.title = title;
  c.first = first;
  c.last = last;
  c.addr1 = addr.value(0);
  c.addr2 = addr.value(1);
  c.addr3 = addr.value(2);
  c.addr4 = addr.value(3);
  c.zip = zip;
  return c;
}

InvoiceRecord Invoice(long ivNo, long cuNo, QDate date, double ship, double tax, double due) {
  InvoiceRecord r;
  r.IvNo = ivNo;
  r.CuNo = cuNo;
  r.IDate = DateFromQDate(date);
  r.Ship = ship;
  r.Tax = tax;
  r.Due = due;
  return r;
}

ItemRecord Item(long ivNo, const QString& code, double qty, double price, const QString& desc,
                const QString& comment) {
  ItemRecord r;
  r.IvNo = ivNo;
  r.PrID = code;
  r.Qty = qty;
  r.UPR = price;
  r.PDesc = desc;
  r.IComm = comment;
  return r;
}

PaymentRecord Payment(long ivNo, QDate date, double amount) {
  PaymentRecord r;
  r.IvNo = ivNo;
  r.PDate = DateFromQDate(date);
  r.PAmt = amount;
  return r;
}

ProductRecord Product(const QString& code, const QString& memo) {
  ProductRecord p;
  p.PrID = code;
  p.PMemo = memo;
  return p;
}

ProductRecord StockProduct(const QString& code, const QString& desc, double price, double reorder,
                           bool inventory, const QString& comment) {
  ProductRecord p;
  p.PrID = code;
  p.PDesc = desc;
  p.IComm = comment;
  p.UPrice = price;
  p.REORDER = reorder;
  p.lInven = inventory;
  return p;
}

PurchaseRecord Purchase(const QString& code, QDate date, double qty, double cost) {
  PurchaseRecord r;
  r.PURProd = code;
  r.PURDate = DateFromQDate(date);
  r.PURQty = qty;
  r.PURCost = cost;
  return r;
}

GroupRecord Group(int n, const QString& name) {
  GroupRecord g;
  g.nGroup = n;
  g.cGroup = name;
  return g;
}

SellerDetails GermanSeller() {
  SellerDetails s;
  s.legalName = QStringLiteral("Kerzenzieherei Weiß GmbH");
  s.street = QStringLiteral("Kerzenweg 4");
  s.city = QStringLiteral("Köln");
  s.postcode = QStringLiteral("50667");
  s.country = QStringLiteral("DE");
  s.vatId = QStringLiteral("DE123456789");
  s.electronicAddress = QStringLiteral("4000001000005");
  s.electronicScheme = QStringLiteral("0088");
  s.contact = QStringLiteral("Ada Wick");
  s.phone = QStringLiteral("+49 221 555");
  s.email = QStringLiteral("ada@tallow.example");
  s.iban = QStringLiteral("DE02120300000000202051");
  s.exemptionReason = QStringLiteral("Exempt");
  s.dueDays = 14;
  return s;
}

BuyerDetails GermanBuyer(long cuno) {
  BuyerDetails b;
  b.customer = cuno;
  b.country = QStringLiteral("DE");
  b.city = QStringLiteral("Berlin");
  b.buyerReference = QStringLiteral("04011000-12345-03");
  b.electronicAddress = QStringLiteral("4000001000012");
  b.electronicScheme = QStringLiteral("0088");
  return b;
}

SmallDisk::SmallDisk(int kilobytes) {
  if (::geteuid() != 0) {
    unavailable_ = "mounting a small disk needs root";
    return;
  }
  QProcess mount;
  mount.start("mount", {"-t", "tmpfs", "-o", QStringLiteral("size=%1k").arg(kilobytes), "tmpfs", dir_.path()});
  if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
    unavailable_ = "cannot mount a tmpfs here: " + QString::fromLocal8Bit(mount.readAllStandardError());
}

SmallDisk::~SmallDisk() {
  if (unavailable_.isEmpty()) QProcess::execute("umount", {dir_.path()});
}

QString SmallDisk::path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

void SmallDisk::fillLeaving(int kilobytes) const {
  QFile filler(path(".filler"));
  ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Append));
  const QByteArray block(1024, 'x');
  while (QStorageInfo(dir_.path()).bytesAvailable() >= qint64(kilobytes) * 1024) {
    if (filler.write(block) != block.size() || !filler.flush()) break;
  }
}
