#include "Dbt.h"

#include <gtest/gtest.h>

#include "Bytes.h"
#include "TestSupport.h"

using namespace tbengine;
using tbtest::ReadBytes;
using tbtest::WriteBytes;

namespace {

class DbtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = dir_.File("T.dbt");
    ASSERT_TRUE(DbtFile::Create(Env::Default(), path_).ok());
  }
  std::unique_ptr<DbtFile> Open() {
    std::unique_ptr<DbtFile> dbt;
    Status s = DbtFile::Open(Env::Default(), path_, FileLock::kNone, &dbt);
    EXPECT_TRUE(s.ok()) << s.message();
    return dbt;
  }
  tbtest::TempDir dir_;
  std::string path_;
};

TEST_F(DbtTest, MemosTakeWholeBlocksWithTwoEndMarkers) {
  auto dbt = Open();
  uint32_t a = 0, b = 0, c = 0;
  ASSERT_TRUE(dbt->Append("hello", &a).ok());
  ASSERT_TRUE(dbt->Append(std::string(510, 'x'), &b).ok());  // 510 + 2 fills one block
  ASSERT_TRUE(dbt->Append(std::string(511, 'y'), &c).ok());  // the second marker spills over
  EXPECT_EQ(a, 1u);
  EXPECT_EQ(b, 2u);
  EXPECT_EQ(c, 3u);
  EXPECT_EQ(dbt->nextFree(), 5u);
  std::string bytes = ReadBytes(path_);
  ASSERT_EQ(bytes.size(), 5u * 512);
  EXPECT_EQ(GetU32(bytes.data()), 5u);
  EXPECT_EQ(bytes.substr(512, 8), std::string("hello\x1A\x1A\0", 8));
  EXPECT_EQ(bytes.substr(3 * 512 + 511, 2), "\x1A\x1A");
  for (int i = 4; i < 512; ++i) ASSERT_EQ(bytes[i], 0) << "header byte " << i;

  std::string text;
  ASSERT_TRUE(dbt->Read(3, &text).ok());
  EXPECT_EQ(text, std::string(511, 'y'));
}

TEST_F(DbtTest, BlockOutsideTheFileIsReportedNotRead) {
  auto dbt = Open();
  uint32_t a = 0;
  ASSERT_TRUE(dbt->Append("x", &a).ok());
  std::string text;
  Status s = dbt->Read(7, &text);
  EXPECT_EQ(s.code(), e4memo);
  EXPECT_NE(s.message().find(path_), std::string::npos);
  EXPECT_EQ(dbt->Read(0, &text).code(), e4memo) << "block 0 is the header";
  EXPECT_EQ(dbt->Read(0xFFFFFFFF, &text).code(), e4memo);
}

TEST_F(DbtTest, TruncatedMemoIsReported) {
  {
    auto dbt = Open();
    uint32_t a = 0;
    ASSERT_TRUE(dbt->Append(std::string(1000, 'z'), &a).ok());
  }
  std::string bytes = ReadBytes(path_);
  WriteBytes(path_, bytes.substr(0, 512 + 700));
  auto dbt = Open();
  std::string text;
  Status s = dbt->Read(1, &text);
  EXPECT_EQ(s.code(), e4memo);
  EXPECT_NE(s.message().find("no end marker"), std::string::npos) << s.message();
}

TEST_F(DbtTest, AppendGoesAfterTheLastBlockOfAnUnpaddedFile) {
  // As python dbf leaves it: header word 2, memo at block 1, no padding.
  std::string bytes(512, '\0');
  PutU32(bytes.data(), 2);
  bytes += std::string("old memo\x1A\x1A", 10);
  WriteBytes(path_, bytes);
  auto dbt = Open();
  uint32_t block = 0;
  ASSERT_TRUE(dbt->Append("new", &block).ok());
  EXPECT_EQ(block, 2u);
  std::string text;
  ASSERT_TRUE(dbt->Read(1, &text).ok());
  EXPECT_EQ(text, "old memo");
  ASSERT_TRUE(dbt->Read(2, &text).ok());
  EXPECT_EQ(text, "new");
  // A header word lagging behind the file never makes an append overwrite.
  bytes = ReadBytes(path_);
  PutU32(bytes.data(), 1);
  WriteBytes(path_, bytes);
  auto again = Open();
  ASSERT_TRUE(again->Append("third", &block).ok());
  EXPECT_EQ(block, 3u);
}

TEST_F(DbtTest, TextHoldingTheEndMarkerIsRefused) {
  auto dbt = Open();
  uint32_t block = 0;
  EXPECT_EQ(dbt->Append(std::string("a\x1A" "b"), &block).code(), e4memo);
  EXPECT_EQ(ReadBytes(path_).size(), 512u);
}

TEST(DbtPointer, FieldTextAndBlockNumbersRoundTrip) {
  uint32_t block = 99;
  EXPECT_TRUE(DbtFile::ParsePointer("          ", 10, "t", &block).ok());
  EXPECT_EQ(block, 0u);
  EXPECT_TRUE(DbtFile::ParsePointer("         0", 10, "t", &block).ok());
  EXPECT_EQ(block, 0u);
  EXPECT_TRUE(DbtFile::ParsePointer("        42", 10, "t", &block).ok());
  EXPECT_EQ(block, 42u);
  EXPECT_TRUE(DbtFile::ParsePointer("0000000042", 10, "t", &block).ok());
  EXPECT_EQ(block, 42u);
  EXPECT_EQ(DbtFile::ParsePointer("   4 2    ", 10, "t", &block).code(), e4memo);
  EXPECT_EQ(DbtFile::ParsePointer("      abc ", 10, "t", &block).code(), e4memo);
  EXPECT_EQ(DbtFile::ParsePointer("9999999999", 10, "t", &block).code(), e4memo);
  EXPECT_EQ(DbtFile::FormatPointer(0, 10), "          ");
  EXPECT_EQ(DbtFile::FormatPointer(5, 10), "         5");
}

}  // namespace
