// The data tool's init and reindex commands, run as a user would, checked
// with the tool's own check command and by reading the tables.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "data/FolderLock.h"
#include "tbengine/engine.h"

namespace fs = std::filesystem;

namespace {

class DataToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "tbdataXXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    dir = root / "data";
  }
  void TearDown() override { fs::remove_all(root); }

  // Runs the tool; its exit code.
  int Tool(const std::string& args) {
    const std::string cmd = std::string("'") + TB_DATA_TOOL + "' " + args + " >'" +
                            (root / "out.txt").string() + "' 2>&1";
    const int status = std::system(cmd.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string Output() const {
    std::ifstream in(root / "out.txt");
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // Every file of the folder with its bytes.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir)) {
      std::ifstream in(e.path(), std::ios::binary);
      files[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
  }
  std::string Dir() const { return std::string("'").append(dir.string()).append("'"); }
  int Count(const std::string& ext) const {
    int n = 0;
    for (const auto& e : fs::directory_iterator(dir)) n += e.path().extension() == ext;
    return n;
  }

  fs::path root, dir;
};

double RoundMoney(double x) {
  return x > 0 ? std::trunc((x + 0.005) * 100) / 100 : std::trunc((x - 0.005) * 100) / 100;
}

TEST_F(DataToolTest, InitWritesTheSuppliedTablesWithoutIndexesAndNeverOverwrites) {
  ASSERT_EQ(Tool("init " + Dir()), 0);
  EXPECT_EQ(Count(".dbf") + Count(".DBF"), 22);  // with the e-invoice tables, the languages, the states, the bank entries, the rates, the schedules, the quotes and the received invoices
  EXPECT_EQ(Count(".dbt"), 4);
  EXPECT_EQ(Count(".ntx") + Count(".cgp"), 0);
  EXPECT_TRUE(fs::exists(dir / "KEX1.DBF"));
  EXPECT_TRUE(fs::exists(dir / "ImpDirs.DBF"));
  const auto size = fs::file_size(dir / "KEX1.DBF");
  EXPECT_EQ(Tool("init " + Dir()), 1) << "a data folder is never written over";
  EXPECT_EQ(fs::file_size(dir / "KEX1.DBF"), size);
}

TEST_F(DataToolTest, BadUsageIsRefused) {
  EXPECT_EQ(Tool("init"), 2);
  EXPECT_EQ(Tool("init --demo"), 2);
  EXPECT_EQ(Tool("init --demo us " + Dir()), 2) << "a European demo is de or fr";
  EXPECT_EQ(Tool("reindex"), 2);
}

TEST_F(DataToolTest, HelpAndErrorLinesComeInTheChosenLanguageAndTheDataStaysEnglish) {
  ASSERT_EQ(Tool("--language de --help"), 0);
  EXPECT_NE(Output().find("  dump TABLE.dbf                     ein JSON-Objekt je Datensatz\n"),
            std::string::npos)
      << Output();
  ASSERT_EQ(Tool("backup --help --language=fr"), 0);
  EXPECT_NE(Output().find("Copie les tables de DATADIR dans TARGETDIR."), std::string::npos) << Output();
  EXPECT_NE(Output().find("tallowby-db backup [options] DATADIR TARGETDIR"), std::string::npos)
      << "the usage line names the command: " << Output();
  fs::create_directories(dir);
  EXPECT_EQ(Tool("--language de reindex " + Dir()), 1);
  EXPECT_EQ(Output(), "tallowby-db: " + dir.string() + ": kein Datenordner (Tabellen fehlen)\n");
  EXPECT_EQ(Tool("--language xx --help"), 2);
  EXPECT_EQ(Output(), "tallowby-db: unknown language xx (de, fr or en)\n");

  ASSERT_EQ(Tool("init --demo " + Dir() + " --language fr"), 0);
  ASSERT_EQ(Tool("dump '" + (dir / "GROUPS.dbf").string() + "'"), 0);
  const std::string english = Output();
  ASSERT_EQ(Tool("--language de dump '" + (dir / "GROUPS.dbf").string() + "'"), 0);
  EXPECT_EQ(Output(), english);
}

TEST_F(DataToolTest, ReindexOfAFolderWithoutTablesFails) {
  fs::create_directories(dir);
  EXPECT_EQ(Tool("reindex " + Dir()), 1);
}

TEST_F(DataToolTest, DemoFolderPassesCheckAndItsInvoicesAddUp) {
  ASSERT_EQ(Tool("init --demo " + Dir()), 0);
  EXPECT_EQ(Tool("check " + Dir()), 0);

  CODE4* cb = code4initP();
  code4setDirectory(cb, dir.string());
  std::map<long, double> totals, paid;
  DATA4* itm = d4open(cb, "ITM5");
  ASSERT_NE(itm, nullptr);
  for (int rc = d4top(itm); rc == 0; rc = d4skip(itm, 1)) {
    double q = 0, p = 0;
    f4double2(d4field(itm, "Qty"), &q);
    f4double2(d4field(itm, "UPR"), &p);
    totals[f4long(d4field(itm, "IvNo"))] += RoundMoney(q * p);
    EXPECT_STREQ(f4str(d4field(itm, "lBuild")), "F");
  }
  DATA4* pmt = d4open(cb, "PMT");
  ASSERT_NE(pmt, nullptr);
  for (int rc = d4top(pmt); rc == 0; rc = d4skip(pmt, 1)) {
    double a = 0;
    f4double2(d4field(pmt, "PAmt"), &a);
    paid[f4long(d4field(pmt, "IvNo"))] += a;
  }
  DATA4* inv = d4open(cb, "INV5");
  ASSERT_NE(inv, nullptr);
  EXPECT_GE(d4recCountDo(inv), 50);
  long expectNo = 1000;
  std::string lastDate;
  for (int rc = d4top(inv); rc == 0; rc = d4skip(inv, 1)) {
    const long no = f4long(d4field(inv, "IvNo"));
    EXPECT_EQ(no, expectNo++);
    const std::string date = f4str(d4field(inv, "IDate"));
    EXPECT_GE(date, lastDate) << "numbers follow the dates";
    lastDate = date;
    double ship = 0, tax = 0, due = 0;
    f4double2(d4field(inv, "Ship"), &ship);
    f4double2(d4field(inv, "Tax"), &tax);
    f4double2(d4field(inv, "Due"), &due);
    EXPECT_NEAR(due, totals[no] + ship + tax - paid[no], 0.001) << "invoice " << no;
    EXPECT_GT(totals[no], 0) << "invoice " << no << " has items";
  }
  DATA4* cust = d4open(cb, "CUST5");
  ASSERT_NE(cust, nullptr);
  EXPECT_GE(d4recCountDo(cust), 30);
  code4initUndoP(cb);
}

TEST_F(DataToolTest, ReindexRestoresMissingIndexFiles) {
  ASSERT_EQ(Tool("init --demo " + Dir()), 0);
  const int ntx = Count(".ntx");
  EXPECT_EQ(ntx, 27);
  fs::remove(dir / "czip.ntx");
  fs::remove(dir / "INV5.cgp");
  ASSERT_EQ(Tool("reindex " + Dir()), 0);
  EXPECT_TRUE(fs::exists(dir / "czip.ntx"));
  EXPECT_TRUE(fs::exists(dir / "INV5.cgp"));
  EXPECT_EQ(Count(".ntx"), ntx);
  EXPECT_EQ(Tool("check " + Dir()), 0);
}

// A folder of the earlier program: none of the tables added since (the
// e-invoice details, the languages).
TEST_F(DataToolTest, EveryCommandTakesAFolderOfTheEarlierProgram) {
  ASSERT_EQ(Tool("init --demo " + Dir()), 0);
  for (const char* added : {"EINVSET.DBF", "CUSTEI.DBF", "CUSTEI.ntx", "CUSTEI.cgp",
                            "CUSTLANG.DBF", "CUSTLANG.ntx", "CUSTLANG.cgp"})
    ASSERT_TRUE(fs::remove(dir / added)) << added;
  const fs::path backup = root / "backup", db = root / "books.db";
  for (const std::string& command :
       {"check " + Dir(), "pack '" + (dir / "INV5.dbf").string() + "'", "backup " + Dir() + " '" + backup.string() + "'",
        "export " + Dir() + " --sqlite '" + db.string() + "'", "restore " + Dir() + " '" + backup.string() + "'",
        "check " + Dir()}) {
    EXPECT_EQ(Tool(command), 0) << command << "\n" << Output();
  }
  EXPECT_FALSE(fs::exists(dir / "CUSTEI.DBF")) << "only the program's start and reindex make them";
  ASSERT_EQ(Tool("reindex " + Dir()), 0) << Output();
  for (const char* made : {"EINVSET.DBF", "CUSTEI.DBF", "CUSTLANG.DBF"})
    EXPECT_TRUE(fs::exists(dir / made)) << made << ": made as the program's start makes it";
  EXPECT_EQ(Tool("check " + Dir()), 0) << Output();
}

// The test holds the folder as the running program does; the tool is a
// second process.
TEST_F(DataToolTest, WritingCommandsKeepOffAFolderTheProgramHolds) {
  ASSERT_EQ(Tool("init --demo " + Dir()), 0);
  fs::remove(dir / "czip.ntx");
  FolderLock program(QString::fromStdString(dir.string()));
  ASSERT_TRUE(program.hold());
  const auto before = Files();
  const std::string busy = "Tallowby is already running on this data folder.";
  for (const std::string& command :
       {"reindex " + Dir(), "pack '" + (dir / "CUST5.DBF").string() + "'",
        "index '" + (dir / "CUST5.DBF").string() + "' '" + (dir / "czip.ntx").string() + "' ZIP"}) {
    SCOPED_TRACE(command);
    EXPECT_EQ(Tool(command), 1);
    const std::string out = Output();
    EXPECT_NE(out.find(busy), std::string::npos) << out;
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1) << "one line: " << out;
  }
  EXPECT_EQ(Files(), before) << "nothing was written";
  EXPECT_EQ(Tool("dump '" + (dir / "CUST5.DBF").string() + "'"), 0) << "reading goes ahead";

  program.release();
  EXPECT_EQ(Tool("reindex " + Dir()), 0);
  EXPECT_TRUE(fs::exists(dir / "czip.ntx"));
}

TEST_F(DataToolTest, InitKeepsOffAnEmptyFolderTheProgramHolds) {
  fs::create_directories(dir);
  FolderLock program(QString::fromStdString(dir.string()));
  ASSERT_TRUE(program.hold());
  EXPECT_EQ(Tool("init " + Dir()), 1);
  EXPECT_EQ(Count(".dbf") + Count(".DBF"), 0);
}

// A new company's issued invoices are final, the demo's not; check finds
// an issued invoice that another tool changed (here: its hash no longer
// matches what the tables hold).
TEST_F(DataToolTest, InitMakesIssuedInvoicesFinalAndCheckFindsOneChangedSinceIssue) {
  const auto finalSetting = [this]() {
    CODE4* cb = code4initP();
    code4setDirectory(cb, dir.string());
    code4autoOpen(cb, 0);
    DATA4* d = d4open(cb, "EINVSET");
    std::string value = d && d4top(d) == 0 ? f4str(d4field(d, "FINAL")) : "?";
    code4initUndoP(cb);
    return value;
  };
  ASSERT_EQ(Tool("init " + Dir()), 0);
  EXPECT_EQ(finalSetting(), "T");
  fs::remove_all(dir);
  ASSERT_EQ(Tool("init --demo " + Dir()), 0);
  EXPECT_EQ(finalSetting(), "F");
  ASSERT_EQ(Tool("reindex " + Dir()), 0);
  ASSERT_EQ(Tool("check " + Dir()), 0) << Output();

  CODE4* cb = code4initP();
  code4setDirectory(cb, dir.string());
  DATA4* state = d4open(cb, "INVSTATE");
  ASSERT_NE(state, nullptr);
  ASSERT_EQ(d4appendBlank(state), 0);
  f4assignLong(d4field(state, "IVNO"), 1000);
  f4assign(d4field(state, "KIND"), "I");
  f4assign(d4field(state, "ISSUED"), "20261201");
  f4assign(d4field(state, "HASH"), std::string(64, '0').c_str());
  code4initUndoP(cb);
  EXPECT_EQ(Tool("check " + Dir()), 1);
  EXPECT_NE(Output().find("INVSTATE: invoice 1000 has changed since it was issued on 20261201"), std::string::npos)
      << Output();
}

}  // namespace
