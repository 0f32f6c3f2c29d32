#include "Dbf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "Bytes.h"
#include "TestSupport.h"

using namespace tbengine;
using tbtest::Field;
using tbtest::ReadBytes;
using tbtest::WriteBytes;

namespace {

class DbfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.File("T.dbf");
    tbtest::MakeTable(dir_.path(), "T.dbf", {Field("NAME", 'C', 10), Field("QTY", 'N', 8, 2), Field("DAY", 'D', 8)});
  }
  std::unique_ptr<DbfFile> Open(Status* status = nullptr, FileLock lock = FileLock::kNone) {
    std::unique_ptr<DbfFile> dbf;
    Status s = DbfFile::Open(Env::Default(), path_, lock, &dbf);
    if (status != nullptr) *status = s;
    else EXPECT_TRUE(s.ok()) << s.message();
    return dbf;
  }
  void AppendN(int n) {
    auto dbf = Open();
    for (int i = 0; i < n; ++i) {
      std::string rec = dbf->BlankRecord();
      std::memcpy(rec.data() + 1, "ROW", 3);
      rec[4] = static_cast<char>('0' + i % 10);
      uint32_t recno = 0;
      ASSERT_TRUE(dbf->Append(rec.data(), &recno).ok());
      EXPECT_EQ(recno, static_cast<uint32_t>(i + 1));
    }
  }
  tbtest::TempDir dir_;
  std::string path_;
};

TEST_F(DbfTest, NewTableHasTheLayoutOtherReadersNeed) {
  std::string b = ReadBytes(path_);
  const int headerLength = 32 + 3 * 32 + 1;
  ASSERT_EQ(b.size(), static_cast<size_t>(headerLength + 1));
  EXPECT_EQ(static_cast<uint8_t>(b[0]), 0x03);
  EXPECT_EQ(GetU32(b.data() + 4), 0u);
  EXPECT_EQ(GetU16(b.data() + 8), headerLength);
  EXPECT_EQ(GetU16(b.data() + 10), 1 + 10 + 8 + 8);
  EXPECT_EQ(static_cast<uint8_t>(b[29]), 0x03);
  EXPECT_EQ(b[headerLength - 1], 0x0D);
  EXPECT_EQ(b[headerLength], 0x1A);
  const char* qty = b.data() + 64;
  EXPECT_STREQ(qty, "QTY");
  EXPECT_EQ(qty[11], 'N');
  EXPECT_EQ(qty[16], 8);
  EXPECT_EQ(qty[17], 2);
  for (int i = 18; i < 32; ++i) EXPECT_EQ(qty[i], 0) << "descriptor byte " << i;

  tbtest::MakeTable(dir_.path(), "M.dbf", {Field("TEXT", 'M', 10)});
  EXPECT_EQ(static_cast<uint8_t>(ReadBytes(dir_.File("M.dbf"))[0]), 0x83);
}

TEST_F(DbfTest, AppendKeepsCountAndEndMarkerInStep) {
  AppendN(3);
  std::string b = ReadBytes(path_);
  const size_t hl = GetU16(b.data() + 8), rl = GetU16(b.data() + 10);
  EXPECT_EQ(GetU32(b.data() + 4), 3u);
  ASSERT_EQ(b.size(), hl + 3 * rl + 1);
  EXPECT_EQ(b.back(), 0x1A);
  EXPECT_EQ(b.substr(hl + 2 * rl, 5), " ROW2");
  auto dbf = Open();
  std::vector<std::string> problems;
  ASSERT_TRUE(dbf->Check(&problems).ok());
  EXPECT_TRUE(problems.empty());
}

// The count is in the file after every append, while the table stays open,
// whether it goes through the mapped header (the real file system) or by a
// write call (a wrapper that sees every write).
TEST_F(DbfTest, EveryAppendIsCountedOnDiskAtOnce) {
  FaultEnv wrapped(Env::Default());
  for (Env* env : {Env::Default(), static_cast<Env*>(&wrapped)}) {
    tbtest::MakeTable(dir_.path(), "C.dbf", {Field("NAME", 'C', 10)});
    const std::string path = dir_.File("C.dbf");
    std::unique_ptr<DbfFile> dbf;
    ASSERT_TRUE(DbfFile::Open(env, path, FileLock::kShared, &dbf).ok());
    for (uint32_t n = 1; n <= 5; ++n) {
      uint32_t recno = 0;
      ASSERT_TRUE(dbf->Append(dbf->BlankRecord().data(), &recno).ok());
      const std::string b = ReadBytes(path);
      EXPECT_EQ(GetU32(b.data() + 4), n);
      EXPECT_EQ(b.size(), dbf->headerLength() + n * dbf->recordLength() + 1u);
      EXPECT_GE(static_cast<uint8_t>(b[1]), 124) << "the date of the change";
    }
    dbf.reset();
    std::remove(path.c_str());
  }
}

TEST_F(DbfTest, HeaderRewriteChangesOnlyDateAndCount) {
  std::string b = ReadBytes(path_);
  b[29] = 0x57;  // another language driver
  b[14] = 0x01;
  b[1] = 90;     // 1990
  WriteBytes(path_, b);
  AppendN(1);
  std::string after = ReadBytes(path_);
  for (size_t i = 0; i < b.size() - 1; ++i) {
    if (i >= 1 && i <= 7) continue;
    EXPECT_EQ(after[i], b[i]) << "header byte " << i;
  }
  EXPECT_GE(static_cast<uint8_t>(after[1]), 124) << "year - 1900";
}

TEST_F(DbfTest, RecordOutsideTheCountIsRefused) {
  AppendN(2);
  auto dbf = Open();
  std::string rec = dbf->BlankRecord();
  EXPECT_EQ(dbf->Read(3, rec.data()).code(), e4entry);
  EXPECT_EQ(dbf->Read(0, rec.data()).code(), e4entry);
  EXPECT_EQ(dbf->Write(3, rec.data()).code(), e4entry);
  EXPECT_EQ(dbf->ReadMany(2, 2, rec.data()).code(), e4entry);
}

TEST_F(DbfTest, FilesOtherProgramsWriteAreRead) {
  AppendN(2);
  std::string b = ReadBytes(path_);
  // No end marker.
  WriteBytes(path_, b.substr(0, b.size() - 1));
  {
    auto dbf = Open();
    ASSERT_TRUE(dbf);
    EXPECT_EQ(dbf->recordCount(), 2u);
    std::vector<std::string> problems;
    dbf->Check(&problems);
    EXPECT_EQ(problems.size(), 2u) << "length and marker";
    uint32_t recno = 0;
    ASSERT_TRUE(dbf->Append(dbf->BlankRecord().data(), &recno).ok());
    problems.clear();
    dbf->Check(&problems);
    EXPECT_TRUE(problems.empty()) << "an append puts the marker back";
  }
  // Bytes after the counted records: read up to the count.
  WriteBytes(path_, b + std::string(40, 'x'));
  auto dbf = Open();
  ASSERT_TRUE(dbf);
  EXPECT_EQ(dbf->recordCount(), 2u);
}

TEST_F(DbfTest, CorruptHeadersAreReportedWithTheFileName) {
  AppendN(2);
  const std::string good = ReadBytes(path_);
  struct Case {
    const char* what;
    std::function<void(std::string&)> spoil;
  } cases[] = {
      {"version", [](std::string& b) { b[0] = 0x30; }},
      {"header length too small", [](std::string& b) { PutU16(b.data() + 8, 40); }},
      {"header length past the end", [](std::string& b) { PutU16(b.data() + 8, 60000); }},
      {"record length", [](std::string& b) { PutU16(b.data() + 10, 26); }},
      {"count past the end", [](std::string& b) { PutU32(b.data() + 4, 3); }},
      {"huge count", [](std::string& b) { PutU32(b.data() + 4, 0xFFFFFFFF); }},
      {"no terminator", [](std::string& b) { b[32 + 96] = 'Z'; }},
      {"field type", [](std::string& b) { b[32 + 11] = 'X'; }},
      {"date width", [](std::string& b) { b[96 + 16] = 7; }},
      {"empty name", [](std::string& b) { b[32] = 0; }},
      {"cut inside the header", [](std::string& b) { b.resize(20); }},
      {"cut inside a record", [](std::string& b) { b.resize(b.size() - 10); }},
  };
  for (const Case& c : cases) {
    std::string b = good;
    c.spoil(b);
    WriteBytes(path_, b);
    Status s;
    auto dbf = Open(&s);
    EXPECT_EQ(s.code(), e4data) << c.what;
    EXPECT_NE(s.message().find(path_), std::string::npos) << c.what << ": " << s.message();
  }
}

TEST_F(DbfTest, FlippedBytesNeverLeadToReadsPastTheEnd) {
  AppendN(5);
  const std::string good = ReadBytes(path_);
  for (size_t i = 0; i < good.size(); ++i) {
    for (unsigned char x : {0x01, 0x80, 0xFF}) {
      std::string b = good;
      b[i] = static_cast<char>(b[i] ^ x);
      WriteBytes(path_, b);
      Status s;
      auto dbf = Open(&s);
      if (!s.ok()) {
        EXPECT_EQ(s.code(), e4data) << "offset " << i;
        continue;
      }
      std::string rec(dbf->recordLength(), ' ');
      for (uint32_t r = 1; r <= dbf->recordCount(); ++r) EXPECT_TRUE(dbf->Read(r, rec.data()).ok()) << "offset " << i;
    }
  }
}

// ---- Reading through the mapping ------------------------------------------

// A record's bytes as AppendN-like writers leave them: NAME holds text.
std::string Row(const DbfFile& dbf, const std::string& name) {
  std::string rec = dbf.BlankRecord();
  std::memcpy(rec.data() + 1, name.data(), std::min<size_t>(name.size(), 10));
  return rec;
}

// Mapped reads give what a read call would: records appended after the
// mapping was made (also past the size it was first made with), bytes
// another program changed in place, and a record that ends in a NUL, as
// some writers leave their fields.
TEST_F(DbfTest, MappedReadsFollowAppendsAndOtherWriters) {
  auto dbf = Open();
  uint32_t recno = 0;
  ASSERT_TRUE(dbf->Append(Row(*dbf, "first").data(), &recno).ok());
  std::string rec(dbf->recordLength(), ' ');
  ASSERT_TRUE(dbf->Read(1, rec.data()).ok());
  EXPECT_EQ(rec, Row(*dbf, "first"));
  const uint32_t many = (2u << 20) / static_cast<uint32_t>(dbf->recordLength());  // twice the first mapping
  for (uint32_t i = 2; i <= many; ++i) {
    const std::string name = std::to_string(i);
    ASSERT_TRUE(dbf->Append(Row(*dbf, name).data(), &recno).ok());
    if (i % 9973 != 0 && i != many) continue;
    ASSERT_TRUE(dbf->Read(i, rec.data()).ok()) << i;
    EXPECT_EQ(rec, Row(*dbf, name));
  }

  std::string bytes = ReadBytes(path_);
  const size_t at = static_cast<size_t>(dbf->headerLength()) + 4 * dbf->recordLength();  // record 5
  bytes.replace(at + 1, 5, "other");
  bytes[at + dbf->recordLength() - 1] = '\0';
  WriteBytes(path_, bytes);
  ASSERT_TRUE(dbf->Read(5, rec.data()).ok());
  EXPECT_EQ(rec, bytes.substr(at, dbf->recordLength()));
}

// A file cut short behind our back, by part of its last page or by many
// pages, gives the error of a read call (e4data naming the file), not a
// fault; once whole again it reads as before.
TEST_F(DbfTest, RecordsCutOffBehindOurBackAreReportedNotFatal) {
  AppendN(40000);
  auto dbf = Open();
  const std::string whole = ReadBytes(path_);
  std::string rec(dbf->recordLength(), ' ');
  ASSERT_TRUE(dbf->Read(39000, rec.data()).ok());
  WriteBytes(path_, whole.substr(0, dbf->headerLength() + 10 * static_cast<size_t>(dbf->recordLength())));
  for (uint32_t r : {39000u, 11u}) {
    Status s = dbf->Read(r, rec.data());
    EXPECT_EQ(s.code(), e4data) << r;
    EXPECT_NE(s.message().find(path_), std::string::npos) << s.message();
  }
  EXPECT_TRUE(dbf->Read(10, rec.data()).ok());
  WriteBytes(path_, whole);
  ASSERT_TRUE(dbf->Read(39000, rec.data()).ok());
  EXPECT_EQ(rec, whole.substr(dbf->headerLength() + 38999 * static_cast<size_t>(dbf->recordLength()), rec.size()));
}

TEST_F(DbfTest, SecondExclusiveHolderIsToldTheTableIsInUse) {
  Status s;
  auto first = Open(&s, FileLock::kShared);
  ASSERT_TRUE(s.ok());
  auto second = Open(&s, FileLock::kShared);
  EXPECT_TRUE(s.ok()) << "shared holders may share";
  auto third = Open(&s, FileLock::kExclusive);
  EXPECT_EQ(s.code(), e4open);
  EXPECT_NE(s.message().find("in use by another program"), std::string::npos) << s.message();
}

TEST_F(DbfTest, InvalidFieldListsAreNotWritten) {
  Env* env = Env::Default();
  EXPECT_EQ(DbfFile::Create(env, dir_.File("a.dbf"), {}, 3).code(), e4data);
  EXPECT_EQ(DbfFile::Create(env, dir_.File("b.dbf"), {Field("LONGERNAME1", 'C', 5)}, 3).code(), e4data);
  EXPECT_EQ(DbfFile::Create(env, dir_.File("c.dbf"), {Field("A", 'N', 4, 3)}, 3).code(), e4data);
  EXPECT_EQ(DbfFile::Create(env, dir_.File("d.dbf"), {Field("A", 'C', 5), Field("a", 'C', 5)}, 3).code(), e4data);
  EXPECT_FALSE(tbtest::Exists(dir_.File("a.dbf")));
}

}  // namespace

// The resident memory of this process in kilobytes (VmRSS).
long ResidentKb() {
  std::FILE* f = std::fopen("/proc/self/status", "r");
  if (f == nullptr) return -1;
  char line[256];
  long kb = -1;
  while (std::fgets(line, sizeof line, f) != nullptr)
    if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
  std::fclose(f);
  return kb;
}

// Scans through a 32 MB table, and under a budget a walk through it in
// another order (as a report reads the lines of each invoice through an
// index), keep a few megabytes of it resident, not the whole table. A single scan hides the
// fault: the mapping is made anew as it grows, which lets go of the pages
// before.
TEST_F(DbfTest, ReadingALargeTableDoesNotKeepItResident) {
  size_t header = 0, length = 0;
  {
    auto dbf = Open();
    header = dbf->headerLength();
    length = dbf->recordLength();
  }
  const uint32_t n = static_cast<uint32_t>((32u << 20) / length);
  std::string record(length, 'x');  // a live record: its deletion flag blank
  record[0] = ' ';
  {
    std::string bytes = ReadBytes(path_).substr(0, header);
    for (int i = 0; i < 4; ++i) bytes[4 + i] = static_cast<char>((n >> (8 * i)) & 0xFF);
    bytes.reserve(header + n * length + 1);
    for (uint32_t r = 1; r <= n; ++r) bytes += record;
    bytes += '\x1A';
    WriteBytes(path_, bytes);
  }
  auto dbf = Open();
  std::string rec(length, ' ');
  const long before = ResidentKb();
  for (int pass = 0; pass < 2; ++pass)
    for (uint32_t r = 1; r <= n; ++r) ASSERT_TRUE(dbf->Read(r, rec.data()).ok()) << r;
  EXPECT_EQ(rec, record);
  EXPECT_LT(ResidentKb() - before, 12 * 1024) << "kilobytes more resident after the scans";
  const ResidentBudget budget(512 << 10);
  for (uint64_t k = 0; k < n; ++k) ASSERT_TRUE(dbf->Read(uint32_t(k * 7919 % n + 1), rec.data()).ok()) << k;
  EXPECT_LT(ResidentKb() - before, 12 * 1024) << "kilobytes more resident after the walk";
}
