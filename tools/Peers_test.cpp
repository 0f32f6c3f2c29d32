// Other xBase readers and writers against ours: tables written by python dbf
// read by us; tables and indexes we write read by python dbf, dbfread and
// Perl's XBase with the same values and key order. A missing peer skips.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "peers/PeerHarness.h"
#include "EngineFolderTest.h"
#include "tbengine/engine.h"

namespace fs = std::filesystem;

namespace {

using peers::Output;
using peers::Quote;
using peers::Shell;

class PeerTest : public EngineFolderTest {
 protected:
  PeerTest() : EngineFolderTest("tbpeer-") {}
  std::string File(const std::string& name) const { return (dir_ / name).string(); }
  // Our reading of a table, as the data tool prints it.
  std::string Dump(const std::string& table) {
    const std::string out = File(table + ".jsonl");
    Output r = Shell("'" TB_DATA_TOOL "' dump " + Quote(File(table + ".dbf")) + " > " + Quote(out));
    EXPECT_EQ(r.rc, 0) << r.text;
    return out;
  }
  // Fails the test with the peer's differences from our reading.
  void ExpectReadAlike(const char* reader, const std::string& table) {
    const std::string dump = Dump(table);
    Output r = peers::PeerCheck(std::string("compare ") + reader + " " +
                     Quote(File(table + ".dbf")) + " " + Quote(dump));
    EXPECT_EQ(r.rc, 0) << reader << " reads " << table << " differently:\n" << r.text;
  }
  void ExpectKeysAlike(const std::string& ntx) {
    const std::string ours = File(ntx + ".keys");
    Output k = Shell("'" TB_DATA_TOOL "' keys " + Quote(File(ntx)) + " > " + Quote(ours));
    ASSERT_EQ(k.rc, 0) << k.text;
    Output r = peers::PeerCheck("compare-keys " + Quote(File(ntx)) + " " + Quote(ours));
    EXPECT_EQ(r.rc, 0) << "XBase::Index reads " << ntx << " differently:\n" << r.text;
  }
  // Customers with every field kind, memos across blocks, deletions.
  void WriteCustomers(int n) {
    const FIELD4INFO fields[] = {{"LAST", 'C', 14, 0}, {"FIRST", 'C', 10, 0}, {"CUNO", 'N', 6, 0},
                                 {"BAL", 'N', 9, 2},   {"DAY", 'D', 8, 0},    {"OK", 'L', 1, 0},
                                 {"COMMENTS", 'M', 10, 0}, {nullptr, 0, 0, 0}};
    ASSERT_EQ(d4create(cb_, "CUST5", fields), 0) << code4errorText(cb_);
    DATA4* d = d4open(cb_, "CUST5");
    ASSERT_NE(d, nullptr);
    for (int i = 0; i < n; ++i) {
      d4appendBlank(d);
      std::string last = i % 9 == 0 ? "M\xFCller \x80" : "name" + std::to_string(i * 7919 % n);
      f4assign(d4field(d, "LAST"), last.c_str());
      f4assign(d4field(d, "FIRST"), i % 3 == 0 ? "" : "Ann");
      if (i % 10 != 9) f4assignLong(d4field(d, "CUNO"), (i * 37) % 500 - 100);
      if (i % 7 != 6) f4assignDouble(d4field(d, "BAL"), i * 3.75 - 200);
      if (i % 5 != 4) f4assign(d4field(d, "DAY"), ("2024" + std::to_string(10 + i % 3) + std::to_string(10 + i % 19)).c_str());
      if (i % 6 != 5) f4assign(d4field(d, "OK"), i % 2 ? "T" : "F");
      if (i % 4 != 3)
        f4memoAssign(d4field(d, "COMMENTS"), ("memo " + std::to_string(i) + std::string(static_cast<size_t>(i * 97 % 1400), 'c')).c_str());
    }
    for (long r = 2; r <= n; r += 11) {
      d4go(d, r);
      f4memoAssign(d4field(d, "COMMENTS"), ("rewritten " + std::to_string(r) + std::string(700, 'r')).c_str());
      if (r % 3 == 0) d4delete(d);
    }
    ASSERT_EQ(code4close(cb_), 0);
  }
};

TEST_F(PeerTest, TablesWrittenByPythonDbfAreReadFieldForField) {
  REQUIRE_PYTHON();
  Output w = peers::PeerCheck("write-pydbf " + Quote(dir_.string()));
  ASSERT_EQ(w.rc, 0) << w.text;
  ExpectReadAlike("pydbf", "PEER");

  // Our changes to their table read back by them.
  DATA4* d = d4open(cb_, "PEER");
  ASSERT_NE(d, nullptr) << code4errorText(cb_);
  d4go(d, 3);
  f4memoAssign(d4field(d, "NOTES"), std::string(1500, 'z').c_str());
  f4assignDouble(d4field(d, "QTY"), 12.5);
  d4appendBlank(d);
  f4assign(d4field(d, "NAME"), "appended");
  f4memoAssign(d4field(d, "NOTES"), "a memo of ours");
  ASSERT_EQ(code4close(cb_), 0);
  ExpectReadAlike("pydbf", "PEER");
  ExpectReadAlike("dbfread", "PEER");
}

TEST_F(PeerTest, TablesWeWriteAreReadAlikeByEveryPeer) {
  REQUIRE_PYTHON();
  WriteCustomers(120);
  ExpectReadAlike("pydbf", "CUST5");
  ExpectReadAlike("dbfread", "CUST5");
  if (peers::HavePerlXBase()) ExpectReadAlike("perl", "CUST5");

  DATA4* d = d4open(cb_, "CUST5");
  ASSERT_NE(d, nullptr);
  ASSERT_EQ(d4pack(d), 0);
  ASSERT_EQ(d4memoCompress(d), 0);
  ASSERT_EQ(code4close(cb_), 0);
  ExpectReadAlike("pydbf", "CUST5");
  ExpectReadAlike("dbfread", "CUST5");
  if (peers::HavePerlXBase()) ExpectReadAlike("perl", "CUST5");
}

TEST_F(PeerTest, IndexesWeWriteAndUpdateAreReadInOurOrderByPerl) {
  REQUIRE_PYTHON();
  REQUIRE_PERL();
  WriteCustomers(1500);
  DATA4* d = d4open(cb_, "CUST5");
  ASSERT_NE(d, nullptr);
  const TAG4INFO tags[] = {{"cName", "Upper(Last + First)", nullptr, 0, 0},
                           {"ccno", "Str(CuNo, 6)", nullptr, 0, 0},
                           {"cday", "Upper(Last)+ DTOS(Day)", nullptr, 0, 0},
                           {"cmix", "Last + Str(CuNo,6,0)", nullptr, 0, 0},
                           {"cbal", "Bal", nullptr, 0, 0},
                           {nullptr, nullptr, nullptr, 0, 0}};
  ASSERT_NE(i4create(d, "CUST5", tags), nullptr) << code4errorText(cb_);
  for (const char* f : {"cName.ntx", "ccno.ntx", "cday.ntx", "cmix.ntx", "cbal.ntx"}) ExpectKeysAlike(f);

  // Inserts, removals and splits through the engine's updates.
  for (long r = 1; r <= 1500; r += 3) {
    d4go(d, r);
    f4assign(d4field(d, "LAST"), ("edit" + std::to_string(r % 50)).c_str());
    f4assignDouble(d4field(d, "BAL"), -static_cast<double>(r));
  }
  for (int i = 0; i < 400; ++i) {
    d4appendBlank(d);
    f4assign(d4field(d, "LAST"), ("new" + std::to_string(i % 37)).c_str());
    f4assignLong(d4field(d, "CUNO"), i);
  }
  ASSERT_EQ(code4close(cb_), 0);
  for (const char* f : {"cName.ntx", "ccno.ntx", "cday.ntx", "cmix.ntx", "cbal.ntx"}) ExpectKeysAlike(f);
}

}  // namespace
