#include "invoicing/OrderImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <unistd.h>

#include "data/BatchFile.h"
#include "data/Cp1252.h"
#include "data/TestSupport.h"
#include "invoicing/CardExport.h"

namespace {

TEST(SplitCsvLineTest, QuotesCommasAndEmptyFields) {
  EXPECT_EQ(SplitCsvLine("a,b,c"), QStringList({"a", "b", "c"}));
  EXPECT_EQ(SplitCsvLine("\"Smith, Jr.\",x"), QStringList({"Smith, Jr.", "x"}));
  // A doubled quote gives nothing; the quotes themselves are dropped.
  EXPECT_EQ(SplitCsvLine("\"say \"\"hi\"\"\",2"), QStringList({"say hi", "2"}));
  EXPECT_EQ(SplitCsvLine(",,"), QStringList({"", "", ""}));
  EXPECT_EQ(SplitCsvLine("a,b,"), QStringList({"a", "b", ""}));
  EXPECT_EQ(SplitCsvLine(""), QStringList({""}));
}

// 32 Info fields with the given ones set.
QString InfoLine(const QMap<int, QString>& set) {
  QStringList f(32);
  for (auto it = set.begin(); it != set.end(); ++it) f[it.key()] = it.value();
  return '"' + f.join("\",\"") + '"';
}

class OrderFilesTest : public PlainDataTest {
 protected:
  QString write(const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QString errorOf(const QByteArray& info, const QByteArray& order) {
    try {
      ReadOrderFiles(write("info.txt", info), write("order.txt", order));
    } catch (const OrderFileError& e) {
      return QString::fromStdString(e.what());
    }
    return QString();
  }
  QTemporaryDir dir;
};

TEST_F(OrderFilesTest, BothFilesAreReadWithTheirNumbers) {
  const QByteArray info = InfoLine({{6, "Lee"}, {30, "1.25"}, {31, "4.50"}}).toUtf8() + "\r\n";
  const QByteArray order = "1,TSHIRT,\"Shirt, blue\",12.50,2,,,L\r\n2,MUG,Mug,3,1,,,\r\n";
  const ImportedOrder o = ReadOrderFiles(write("i", info), write("o", order));
  EXPECT_EQ(o.info[6], "Lee");
  EXPECT_DOUBLE_EQ(o.tax, 1.25);
  EXPECT_DOUBLE_EQ(o.shipping, 4.5);
  ASSERT_EQ(o.lines.size(), 2);
  EXPECT_EQ(o.lines[0].description, "Shirt, blue");
  EXPECT_DOUBLE_EQ(o.lines[0].price, 12.5);
  EXPECT_DOUBLE_EQ(o.lines[0].quantity, 2);
  EXPECT_EQ(o.lines[0].option, "L");
}

TEST_F(OrderFilesTest, ShortLinesAndBadNumbersNameTheFileLineAndField) {
  const QByteArray info = InfoLine({{30, "0"}, {31, "0"}}).toUtf8();
  EXPECT_EQ(errorOf("a,b,c", "1,X,x,1,1,,,\n"),
            "info.txt, line 1: 3 fields where 32 are needed (field 3 is missing).");
  EXPECT_EQ(errorOf(info, "1,X,x,1,1,,,\n\n2,Y,y,1,1,,,\n"),
            "order.txt, line 2: 1 fields where 8 are needed (field 1 is missing).");
  EXPECT_EQ(errorOf(info, "1,X,x,1.5.0,1,,,\n"), "order.txt, line 1, field 3: '1.5.0' is not a number.");
  EXPECT_EQ(errorOf(InfoLine({{30, "abc"}, {31, "0"}}).toUtf8(), ""),
            "info.txt, line 1, field 30: 'abc' is not a number.");
  EXPECT_TRUE(errorOf(info, "").isEmpty());  // an order without lines
}

TEST_F(OrderFilesTest, TextIsUtf8WhenValidElseWindows1252) {
  const QString name = QString::fromUtf8("Łódź Müller");
  const ImportedOrder utf8 =
      ReadOrderFiles(write("i", InfoLine({{6, name}, {30, "0"}, {31, "0"}}).toUtf8()), write("o", ""));
  EXPECT_EQ(utf8.info[6], name);
  const ImportedOrder cp1252 = ReadOrderFiles(
      write("i", ToCp1252(InfoLine({{6, "Müller"}, {30, "0"}, {31, "0"}}))), write("o", ""));
  EXPECT_EQ(cp1252.info[6], QString::fromUtf8("Müller"));
}

TEST_F(OrderFilesTest, AnUnreadableFileIsNamed) {
  const QString missing = dir.filePath("gone.txt");
  EXPECT_THROW(ReadOrderFiles(missing, missing), OrderFileError);
}

TEST(OrderInfoTest, AddressLinesCountryAndNote) {
  QStringList f(32);
  f[4] = "Ms";
  f[5] = "Ann";
  f[6] = "Lee";
  f[7] = "1 Road";
  f[9] = "Flat 2";
  f[10] = "Town";
  f[11] = "ST";
  f[12] = "12345";
  f[13] = "Canada";
  f[15] = "555";
  f[16] = "1234";
  bool leftOut = true;
  CustomerRecord c = CustomerFromInfo(f, &leftOut);
  EXPECT_FALSE(leftOut);
  EXPECT_EQ(QStringList({c.addr1, c.addr2, c.addr3, c.addr4}),
            QStringList({"1 Road", "Flat 2", "Town, ST", "Canada"}));
  EXPECT_EQ(c.phone, "555 1234");
  f[8] = "Unit 3";  // the city line becomes line 4: no room for the country
  c = CustomerFromInfo(f, &leftOut);
  EXPECT_TRUE(leftOut);
  EXPECT_EQ(c.addr4, "Town, ST");
  f[13] = "US";
  c = CustomerFromInfo(f, &leftOut);
  EXPECT_FALSE(leftOut);

  f[21] = "CREDIT";
  f[23] = "1234";
  f[24] = "9";
  f[25] = "04";
  EXPECT_EQ(CardTextFromInfo(f), "1234 x9/04");
  f[21] = "CHECK 77";
  EXPECT_EQ(CardTextFromInfo(f), "CHECK 77");

  f[20] = "Gift wrap";
  f[26] = "Fair";
  EXPECT_EQ(InvoiceNoteFromInfo(f, "A17.txt"),
            "Gift wrap\r\nA17.txt\r\nSource: Fair\r\n\r\nTHANKS FOR YOUR ORDER.\r\n\r\n"
            "ALL DAMAGES AND SHORTAGES MUST BE REPORTED WITHIN 5 DAYS OF RECEIPT.");
}

TEST(CardExportTest, RecordHoldsDigitsAndExpiry) {
  QString record;
  ASSERT_TRUE(CardBatchRecord("1234 x9/04", "12.50", &record));
  const QString tail = QString(",\"\"").repeated(16);
  EXPECT_EQ(record, "\"C1\",\"\",\"\",\"1234\",\"0409\",\"12.50\"" + tail);
  ASSERT_TRUE(CardBatchRecord("12-34 x7/03", "1.00", &record));
  EXPECT_TRUE(record.startsWith("\"C1\",\"\",\"\",\"1234\",\"0307\","));
  ASSERT_TRUE(CardBatchRecord("4111 1111 x12/27", "9.99", &record));
  EXPECT_TRUE(record.startsWith("\"C1\",\"\",\"\",\"41111111\",\"2712\","));
  EXPECT_EQ(record.count(','), 21);
  EXPECT_FALSE(CardBatchRecord("1234 x0904", "1", &record));
}

TEST(BatchFileTest, AppendsOrRewritesAndKeepsTheMode) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Batchin.dat");
  QString error;
  ASSERT_TRUE(WriteBatchLine(path, "one", true, true, &error));
  namespace fs = std::filesystem;
  EXPECT_EQ(fs::status(path.toStdString()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(WriteBatchLine(path, "two", true, true, &error));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "one\r\ntwo\r\n");
  f.close();
  // An existing file keeps its own mode.
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                  QFileDevice::ReadGroup | QFileDevice::ReadOther);
  ASSERT_TRUE(WriteBatchLine(path, "three", false, true, &error));
  EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadOther);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "three\r\n");
  f.close();
  // A folder that cannot be written leaves the file as it was.
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  if (geteuid() != 0) {  // root writes anyway
    EXPECT_FALSE(WriteBatchLine(path, "four", true, true, &error));
    EXPECT_FALSE(error.isEmpty());
  }
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                        QFileDevice::ExeOwner);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "three\r\n");
}

}  // namespace
