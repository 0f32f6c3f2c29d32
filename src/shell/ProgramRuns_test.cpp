// The program's own runs that write much at once, killed at any moment:
// repeating invoices made once each on their days, and a bank statement
// booked whole or not at all; and the commands that write keeping off a
// folder the program has open.
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <map>

#include "data/FolderLock.h"
#include "einvoice/CreditorReference.h"
#include "payments/TestSupport.h"

namespace {

struct Ran {
  int status = -1;
  QString out, err;
};

Ran RunProgram(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(120000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

// The invoices of customer cuno in INV5: invoice number -> date and tax.
std::map<long, std::pair<QString, double>> InvoicesOf(const QString& dir, long cuno) {
  std::map<long, std::pair<QString, double>> invoices;
  const Ran dump = RunProgram(TB_DATA_TOOL, {"dump", dir + "/INV5.dbf"});
  for (const QString& line : dump.out.split('\n', Qt::SkipEmptyParts)) {
    const QJsonObject r = QJsonDocument::fromJson(line.toUtf8()).object();
    if (!r["_deleted"].toBool() && r["CUNO"].toInt() == cuno)
      invoices[r["IVNO"].toInt()] = {r["IDATE"].toString(), r["TAX"].toDouble()};
  }
  return invoices;
}

class ProgramRunsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data = dir.filePath("data");
    ASSERT_EQ(RunProgram(TB_DATA_TOOL, {"init", "--demo", "de", data}).status, 0);
  }
  Ran recur(QStringList args) {
    args.prepend(data);
    args.prepend("--data");
    args.prepend("recur");
    return RunProgram(TB_PROGRAM, args);
  }

  QTemporaryDir dir;
  QString data;
};

// Invoice 1012 (customer 2, issued) monthly on the 31st for a year and a
// half: a dry run changes nothing, the run makes each month's once, with
// the 31st clamped; a second run makes nothing.
TEST_F(ProgramRunsTest, MissedMonthsAreMadeOnceEachInDateOrder) {
  ASSERT_EQ(recur({"--repeat", "1012", "--every", "monthly", "--first", "2025-01-31", "--day", "31", "--issue"}).status, 0);
  const auto before = InvoicesOf(data, 2);
  const Ran dry = recur({"--dry-run", "--until", "2026-06-30"});
  ASSERT_EQ(dry.status, 0) << dry.err.toStdString();
  EXPECT_EQ(dry.out.count("schedule 1: invoice"), 18);
  EXPECT_EQ(InvoicesOf(data, 2), before);

  const Ran made = recur({"--until", "2026-06-30"});
  ASSERT_EQ(made.status, 0) << made.err.toStdString();
  EXPECT_TRUE(made.out.contains("2025-02-28  schedule 1: invoice 1015")) << made.out.toStdString();
  EXPECT_TRUE(made.out.contains("2026-06-30  schedule 1: invoice 1031")) << made.out.toStdString();
  const auto after = InvoicesOf(data, 2);
  EXPECT_EQ(after.size(), before.size() + 18);
  EXPECT_EQ(after.at(1016).first, "20250331");
  EXPECT_EQ(recur({"--until", "2026-06-30"}).out.count("schedule 1:"), 0);
  EXPECT_EQ(InvoicesOf(data, 2), after);
  EXPECT_TRUE(recur({"--list"}).out.contains("18 made, next 2026-07-31"));
  EXPECT_EQ(RunProgram(TB_DATA_TOOL, {"check", data}).status, 0);
  // Issued: a copy cannot be changed as the template could.
  EXPECT_TRUE(RunProgram(TB_DATA_TOOL, {"dump", data + "/INVSTATE.dbf"}).out.contains("\"IVNO\": 1031, \"KIND\": \"I\""));

  // Paused, nothing is made; resumed, the missed month is.
  EXPECT_EQ(recur({"--pause", "1"}).status, 0);
  EXPECT_EQ(recur({"--until", "2026-07-31"}).out.count("schedule 1:"), 0);
  EXPECT_EQ(recur({"--resume", "1"}).status, 0);
  EXPECT_EQ(recur({"--until", "2026-07-31"}).out.count("schedule 1:"), 1);
  EXPECT_EQ(recur({"--stop", "9"}).status, 1);
  EXPECT_EQ(recur({"--every", "monthly", "--repeat", "1012"}).status, 2);
}

// Weekly for half a century (a run long enough to be cut), the run killed at random moments again and
// again: afterwards every week's invoice is there exactly once, the
// schedule counts them all, and the folder checks clean.
TEST_F(ProgramRunsTest, ARunKilledAnywhereMakesNoInvoiceTwiceAndLosesNone) {
  constexpr int kWeeks = 2500;
  ASSERT_EQ(recur({"--repeat", "1007", "--every", "weekly", "--first", "1970-01-05", "--times",
                   QString::number(kWeeks)}).status, 0);
  const auto before = InvoicesOf(data, 2);
  int cutShort = 0, runs = 0;  // kills that left some weeks made and some not
  for (int made = 0; made < kWeeks && runs < 40; ++runs) {
    QProcess p;
    p.start(TB_PROGRAM, {"recur", "--data", data, "--until", "2026-12-09"});
    ASSERT_TRUE(p.waitForStarted());
    QThread::msleep(15 + QRandomGenerator::global()->bounded(50));
    p.kill();
    p.waitForFinished();
    const QString list = recur({"--list"}).out;
    made = list.section(", ", 2, 2).section(' ', 0, 0).toInt();
    cutShort += made > 0 && made < kWeeks;
  }
  const Ran last = recur({"--until", "2026-12-09"});
  ASSERT_EQ(last.status, 0) << last.err.toStdString();
  const auto after = InvoicesOf(data, 2);
  std::map<QString, int> perDay;
  for (const auto& [ivNo, invoice] : after)
    if (!before.count(ivNo)) ++perDay[invoice.first];
  EXPECT_EQ(perDay.size(), size_t(kWeeks));
  for (const auto& [day, n] : perDay) EXPECT_EQ(n, 1) << day.toStdString();
  EXPECT_TRUE(recur({"--list"}).out.contains(QStringLiteral("%1 made, next -").arg(kWeeks)));
  const Ran check = RunProgram(TB_DATA_TOOL, {"check", data});
  EXPECT_EQ(check.status, 0) << check.out.toStdString();
  EXPECT_GT(cutShort, 0) << "no kill came in the middle of a run";
  std::printf("runs cut short part-way: %d of %d\n", cutShort, runs);
}

// The payments of invoice ivNo in PMT (live records).
int PaymentsOf(const QString& dir, long ivNo) {
  int n = 0;
  const Ran dump = RunProgram(TB_DATA_TOOL, {"dump", dir + "/PMT.dbf"});
  for (const QString& line : dump.out.split('\n', Qt::SkipEmptyParts)) {
    const QJsonObject r = QJsonDocument::fromJson(line.toUtf8()).object();
    n += !r["_deleted"].toBool() && r["IVNO"].toInt() == ivNo;
  }
  return n;
}

// A statement of 1 500 entries of a cent each, all paying one invoice by its
// creditor reference, booked by runs killed at random moments: after each,
// the next run (a dry run of an empty statement) takes a cut-short booking
// back, so the invoice holds none of the statement's payments or all.
TEST_F(ProgramRunsTest, AStatementKilledPartWayIsBookedWholeOrNotAtAll) {
  constexpr int kEntries = 1500;
  constexpr long kInvoice = 1007;
  QList<TestEntry> entries;
  for (int i = 0; i < kEntries; ++i) {
    TestEntry e;
    e.amount = QStringLiteral("0.01");
    e.date = QStringLiteral("2026-12-01");
    e.bankRef = QStringLiteral("K%1").arg(i);
    e.transactions = {{e.amount, QString(), CreditorReference(kInvoice), QString(), QString()}};
    entries << e;
  }
  const QString statement = dir.filePath("statement.xml"), empty = dir.filePath("empty.xml");
  for (const auto& [path, list] : {std::pair{statement, entries}, std::pair{empty, QList<TestEntry>()}}) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Camt053("08", list));
  }
  const int before = PaymentsOf(data, kInvoice);
  int cutShort = 0, runs = 0;
  for (bool whole = false; !whole && runs < 30; ++runs) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());  // a full pipe would hold the run before it books
    p.start(TB_PROGRAM, {"bank", "--data", data, statement});
    ASSERT_TRUE(p.waitForStarted());
    QThread::msleep(30 + QRandomGenerator::global()->bounded(300));
    p.kill();
    p.waitForFinished();
    cutShort += QFile::exists(data + "/BANKBOOK.JNL");
    const Ran mend = RunProgram(TB_PROGRAM, {"bank", "--data", data, "--dry-run", empty});
    // A kill between a record and its index key leaves an index that the
    // next run finds short, rebuilds and says so (status 1).
    ASSERT_TRUE(mend.status == 0 || (mend.status == 1 && mend.err.contains("Damaged index files were found and rebuilt")))
        << mend.err.toStdString();
    EXPECT_FALSE(QFile::exists(data + "/BANKBOOK.JNL"));
    const int booked = PaymentsOf(data, kInvoice) - before;
    EXPECT_TRUE(booked == 0 || booked == kEntries) << booked << " of the statement's payments after run " << runs;
    whole = booked == kEntries;
  }
  const Ran last = RunProgram(TB_PROGRAM, {"bank", "--data", data, statement});
  ASSERT_EQ(last.status, 0) << last.err.toStdString();
  EXPECT_EQ(PaymentsOf(data, kInvoice) - before, kEntries) << "booked once, whatever came before";
  const Ran check = RunProgram(TB_DATA_TOOL, {"check", data});
  EXPECT_EQ(check.status, 0) << check.out.toStdString();
  EXPECT_GT(cutShort, 0) << "no kill came in the middle of a booking";
  std::printf("bookings cut short part-way: %d of %d\n", cutShort, runs);
}

// Open in the program, the folder's tables are read into its handles: a
// command writing beside it would have its records overwritten by the
// program's next append, so it is refused; listing goes ahead.
TEST_F(ProgramRunsTest, CommandsThatWriteKeepOffAFolderTheProgramHolds) {
  const QString statement = dir.filePath("camt.xml");
  QFile f(statement);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Camt053("08", {}));
  f.close();
  FolderLock program(data);
  ASSERT_TRUE(program.hold());
  const QStringList commands[] = {{"bank", "--data", data, statement},
                                  {"bank", "--data", data, "--dry-run", statement},
                                  {"receive", "--data", data, statement},
                                  {"recur", "--data", data}};
  for (const QStringList& command : commands) {
    SCOPED_TRACE(command.join(' ').toStdString());
    const Ran r = RunProgram(TB_PROGRAM, command);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains("Tallowby is already running on this data folder.")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
  EXPECT_EQ(recur({"--list"}).status, 0);
  // A document whose delivery is recorded (reminders, final invoices) does
  // not go out while the record cannot be written.
  const QString reminders = dir.filePath("reminders.txt");
  const Ran refused = RunProgram(TB_PROGRAM, {"report", "reminders", "--data", data, "--out", reminders});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(refused.err.contains("Tallowby is already running on this data folder.")) << refused.err.toStdString();
  EXPECT_FALSE(QFile::exists(reminders));
  program.release();
  EXPECT_EQ(RunProgram(TB_PROGRAM, {"report", "reminders", "--data", data, "--out", reminders}).status, 0);
  EXPECT_TRUE(QFile::exists(reminders));
  const Ran booked = RunProgram(TB_PROGRAM, {"bank", "--data", data, statement});
  EXPECT_EQ(booked.status, 0) << booked.err.toStdString();
}

}  // namespace
