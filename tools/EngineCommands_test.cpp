// The data tool's engine commands, run as a user runs them, on tables
// written by the engine in a temporary folder.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "EngineFolderTest.h"
#include "tbengine/engine.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
  int rc;
  std::string out;
};

class ToolTest : public EngineFolderTest {
 protected:
  ToolTest() : EngineFolderTest("tbtool-") {}
  // Runs the tool in the temporary folder; stdout only.
  ToolRun Tool(const std::string& args) {
    std::string cmd = "cd '" + dir_.string() + "' && '" TB_DATA_TOOL "' " + args + " 2>/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    std::string out;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    int status = pclose(p);
    return {WEXITSTATUS(status), out};
  }
  // CUST with three customers; the second is deleted.
  DATA4* MakeCustomers() {
    const FIELD4INFO fields[] = {{"NAME", 'C', 12, 0}, {"NO", 'N', 6, 0},  {"AMT", 'N', 8, 2}, {"DAY", 'D', 8, 0},
                                 {"OK", 'L', 1, 0},    {"NOTES", 'M', 10, 0}, {nullptr, 0, 0, 0}};
    EXPECT_EQ(d4create(cb_, "CUST", fields), 0) << code4errorText(cb_);
    DATA4* d = d4open(cb_, "CUST");
    const char* names[] = {"Caf\xE9 \"Q\"", "zed", "Abe"};
    for (int i = 0; i < 3; ++i) {
      d4appendBlank(d);
      f4assign(d4field(d, "NAME"), names[i]);
      if (i != 1) {
        f4assignLong(d4field(d, "NO"), 10 * (i + 1));
        f4assignDouble(d4field(d, "AMT"), i == 0 ? 12.5 : -3.25);
        f4assign(d4field(d, "DAY"), "20240131");
        f4assign(d4field(d, "OK"), i == 0 ? "T" : "F");
        f4memoAssign(d4field(d, "NOTES"), i == 0 ? "two\r\nlines\t\x80" : "");
      }
    }
    d4go(d, 2);
    d4delete(d);
    d4go(d, 1);
    return d;
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(ToolTest, DumpMasksTheCardNumberOfAnInvoiceUnlessAskedForItWhole) {
  const FIELD4INFO fields[] = {{"IVNO", 'N', 6, 0}, {"IMEMO", 'C', 30, 0}, {nullptr, 0, 0, 0}};
  ASSERT_EQ(d4create(cb_, "INV5", fields), 0) << code4errorText(cb_);
  DATA4* d = d4open(cb_, "INV5");
  d4appendBlank(d);
  f4assignLong(d4field(d, "IVNO"), 1001);
  f4assign(d4field(d, "IMEMO"), "4111 1111 1111 1111 x9/28");
  code4close(cb_);
  EXPECT_EQ(Tool("dump INV5.dbf").out,
            "{\"_recno\": 1, \"_deleted\": false, \"IVNO\": 1001, \"IMEMO\": \"**** **** **** 1111 x9/28\"}\n");
  const ToolRun whole = Tool("dump --unmasked INV5.dbf");
  EXPECT_EQ(whole.rc, 0);
  EXPECT_NE(whole.out.find("\"IMEMO\": \"4111 1111 1111 1111 x9/28\""), std::string::npos) << whole.out;
}

TEST_F(ToolTest, DumpPrintsEveryRecordAsOneJsonLineInUtf8) {
  MakeCustomers();
  code4close(cb_);
  ToolRun r = Tool("dump CUST.dbf");
  EXPECT_EQ(r.rc, 0);
  EXPECT_EQ(r.out,
            "{\"_recno\": 1, \"_deleted\": false, \"NAME\": \"Caf\xC3\xA9 \\\"Q\\\"\", \"NO\": 10, \"AMT\": 12.50, "
            "\"DAY\": \"20240131\", \"OK\": true, \"NOTES\": \"two\\r\\nlines\\t\xE2\x82\xAC\"}\n"
            "{\"_recno\": 2, \"_deleted\": true, \"NAME\": \"zed\", \"NO\": null, \"AMT\": null, \"DAY\": \"\", "
            "\"OK\": null, \"NOTES\": \"\"}\n"
            "{\"_recno\": 3, \"_deleted\": false, \"NAME\": \"Abe\", \"NO\": 30, \"AMT\": -3.25, \"DAY\": \"20240131\", "
            "\"OK\": false, \"NOTES\": \"\"}\n");
}

TEST_F(ToolTest, IndexKeysAndSeekAgreeWithTheTable) {
  MakeCustomers();
  code4close(cb_);
  ASSERT_EQ(Tool("index CUST.dbf name.ntx \"Upper(Name)\"").rc, 0);
  EXPECT_EQ(Tool("keys name.ntx").out, "3\tABE         \n1\tCAF\xC3\xA9 \"Q\"    \n2\tZED         \n");
  EXPECT_EQ(Tool("seek CUST.dbf name.ntx CAF\xC3\xA9").out, "0 1\n") << "the key is taken as UTF-8";
  EXPECT_EQ(Tool("seek CUST.dbf name.ntx B").out, "2 1\n");
  EXPECT_EQ(Tool("seek CUST.dbf name.ntx ZZ").out, "3 4\n");
  ASSERT_EQ(Tool("index CUST.dbf name.ntx \"Str(No, 6)\"").rc, 0) << "the named output is overwritten";
  EXPECT_EQ(Tool("keys name.ntx").out, "2\t     0\n1\t    10\n3\t    30\n");
  EXPECT_EQ(Tool("index CUST.dbf bad.ntx \"Upper(Nosuch)\"").rc, 1);
  EXPECT_EQ(Tool("keys nosuch.ntx").rc, 1);
}

TEST_F(ToolTest, CheckReportsEachProblemAndFailsOnlyThen) {
  DATA4* d = MakeCustomers();
  const TAG4INFO tags[] = {{"cname", "Upper(Name)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
  ASSERT_NE(i4create(d, "CUST", tags), nullptr);
  code4close(cb_);
  ToolRun ok = Tool("check .");
  EXPECT_EQ(ok.rc, 0);
  EXPECT_EQ(ok.out, "");

  // A record changed behind the index's back, and a table cut short.
  std::string b = Read("CUST.dbf");
  const size_t hl = static_cast<unsigned char>(b[8]) | (static_cast<unsigned char>(b[9]) << 8);
  b[hl + 1] = 'X';
  std::ofstream(dir_ / "CUST.dbf", std::ios::binary | std::ios::trunc) << b;
  std::ofstream(dir_ / "BROKEN.DBF", std::ios::binary) << std::string(20, '\x03');
  ToolRun bad = Tool("check .");
  EXPECT_EQ(bad.rc, 1);
  EXPECT_NE(bad.out.find("BROKEN.DBF"), std::string::npos) << bad.out;
  EXPECT_NE(bad.out.find("cname.ntx"), std::string::npos) << bad.out;
}

TEST_F(ToolTest, PackRemovesDeletedRecordsAndKeepsTheIndexesInStep) {
  DATA4* d = MakeCustomers();
  const TAG4INFO tags[] = {{"cname", "Upper(Name)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
  ASSERT_NE(i4create(d, "CUST", tags), nullptr);
  code4close(cb_);
  ASSERT_EQ(Tool("pack CUST.dbf").rc, 0);
  EXPECT_EQ(Tool("keys cname.ntx").out, "2\tABE         \n1\tCAF\xC3\xA9 \"Q\"    \n");
  EXPECT_EQ(Tool("check .").rc, 0);
  d = d4open(cb_, "CUST");
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d4recCountDo(d), 2);
  EXPECT_EQ(std::string(f4memoStr(d4field(d, "NOTES"))), "two\r\nlines\t\x80");
}

TEST_F(ToolTest, BadUsageAndMissingFilesAreTold) {
  EXPECT_EQ(Tool("dump").rc, 2);
  EXPECT_EQ(Tool("seek a.dbf").rc, 2);
  EXPECT_EQ(Tool("dump nosuch.dbf").rc, 1);
  EXPECT_EQ(Tool("check nosuchdir").rc, 1);
}

}  // namespace
