// The data tool's export run as a script would: the exit status and the one
// line on stderr for unusable arguments and failures, the breaks of the data
// reported while the export succeeds, and each format of the demo folder
// checked against an independent reading of its .dbf files
// (scripts/check-export.py).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "peers/DemoFolderTest.h"
#include "tbengine/engine.h"

namespace fs = std::filesystem;

namespace {

using peers::Read;

long Lines(const std::string& text) { return std::count(text.begin(), text.end(), '\n'); }

class ExportCommandTest : public peers::DemoFolderTest {
 protected:
  // check-export.py on the data folder and an export of it.
  static peers::Output Check(const fs::path& dataDir, const fs::path& exported) {
    return peers::Shell(peers::Python() + " " +
                        peers::Quote(std::string(TB_SOURCE_DIR) + "/scripts/check-export.py") + " " +
                        Q(dataDir) + " " + Q(exported));
  }
};

TEST_F(ExportCommandTest, UnusableArgumentsExitWithStatus2AndOneLine) {
  for (const std::string& args :
       {std::string("export"), "export " + Q(data), "export " + Q(data) + " --sqlite a.db --csv b",
        "export " + Q(data) + " --sqlite", "export " + Q(data) + " --mysql a.sql",
        "export " + Q(data) + " " + Q(root) + " --csv b"}) {
    const peers::Output out = Tool(args);
    EXPECT_EQ(out.rc, 2) << args;
    EXPECT_EQ(Lines(out.text), 1) << args << "\n" << out.text;
  }
  EXPECT_EQ(Tool("export " + Q(data)).text,
            "tallowby-db: usage: tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | "
            "--csv DIR\n");
  peers::Output out = Tool("export --help");
  EXPECT_EQ(out.rc, 0);
  EXPECT_NE(out.text.find("--postgres <FILE.sql>"), std::string::npos) << out.text;
  out = Tool("--help");
  EXPECT_NE(out.text.find("export DATADIR --sqlite FILE.db"), std::string::npos) << out.text;
  EXPECT_TRUE(fs::is_empty(root / "data" / ".." / "data") == false);
  EXPECT_FALSE(fs::exists(root / "a.db"));
}

TEST_F(ExportCommandTest, FailuresExitWithStatus1AndOneLineAndWriteNothing) {
  peers::Output out = Tool("export " + Q(root / "nowhere") + " --sqlite " + Q(root / "a.db"));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text, "tallowby-db: " + (root / "nowhere").string() + ": no such folder\n");
  out = Tool("export " + Q(data) + " --postgres " + Q(root / "no" / "such" / "a.sql"));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text, "tallowby-db: export failed: " + (root / "no" / "such").string() + ": no such folder\n");
  out = Tool("export " + Q(data) + " --sqlite " + Q(data / "INV5.dbf"));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(Lines(out.text), 1) << out.text;
  EXPECT_EQ(Tool("check " + Q(data)).rc, 0) << "the table is as it was";
  EXPECT_EQ(std::distance(fs::directory_iterator(root), fs::directory_iterator()), 1) << "only data";
}

TEST_F(ExportCommandTest, BreaksInTheDataGoToStderrAndTheExportSucceeds) {
  CODE4* cb = code4initP();
  code4setDirectory(cb, data.string());
  code4autoOpen(cb, 0);
  DATA4* customers = d4open(cb, "CUST5");
  ASSERT_NE(customers, nullptr);
  ASSERT_EQ(d4appendBlank(customers), 0);
  f4assignLong(d4field(customers, "cuno"), 1);
  f4assign(d4field(customers, "last"), "Twin");
  code4initUndoP(cb);

  const peers::Output out = Tool("export " + Q(data) + " --sqlite " + Q(root / "books.db"));
  EXPECT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(out.text,
            "tallowby-db: export: customers.customer_no: not declared a primary key; rows that share "
            "a value: 2\n"
            "tallowby-db: export: invoices.customer_no -> customers.customer_no: no foreign key; "
            "customers.customer_no is not a primary key\n"
            "tallowby-db: export: customer_einvoice.customer_no -> customers.customer_no: no foreign "
            "key; customers.customer_no is not a primary key\n"
            "tallowby-db: export: customer_language.customer_no -> customers.customer_no: no "
            "foreign key; customers.customer_no is not a primary key\n"
            "tallowby-db: export: quotes.customer_no -> customers.customer_no: no foreign key; "
            "customers.customer_no is not a primary key\n");
  EXPECT_TRUE(fs::exists(root / "books.db"));
}

TEST_F(ExportCommandTest, EveryFormatOfTheDemoFolderAgreesWithAnIndependentReading) {
  REQUIRE_PYTHON();
  peers::Output out = Tool("export " + Q(data) + " --sqlite " + Q(root / "books.db"));
  ASSERT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(out.text, "") << "the demo business keeps every key";
  out = Check(data, root / "books.db");
  EXPECT_EQ(out.rc, 0) << out.text;

  out = Tool("export " + Q(data) + " --csv " + Q(root / "books"));
  ASSERT_EQ(out.rc, 0) << out.text;
  out = Check(data, root / "books");
  EXPECT_EQ(out.rc, 0) << out.text;

  out = Tool("export " + Q(data) + " --postgres " + Q(root / "books.sql"));
  ASSERT_EQ(out.rc, 0) << out.text;
  const std::string script = Read(root / "books.sql");
  EXPECT_EQ(script.rfind("-- Tallowby's tables.", 0), 0u);
  EXPECT_NE(script.find("\nCOMMIT;\n"), std::string::npos);
}

}  // namespace
