#include "PageCache.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace tbengine {
namespace {

namespace fs = std::filesystem;

class PageCacheTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("tb_pagecache_" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    path_ = (dir_ / "p.ntx").string();
    geometry_.keyLength = 4;
    geometry_.maxKeys = 4;
  }
  void TearDown() override { fs::remove_all(dir_); }

  NtxPage Leaf(uint32_t offset, uint32_t firstRecno) {
    NtxPage p;
    p.offset = offset;
    p.n = 2;
    p.keys = "AAAABBBB";
    p.recno = {firstRecno, firstRecno + 1};
    p.child = {0, 0, 0};
    return p;
  }

  fs::path dir_;
  std::string path_;
  NtxGeometry geometry_;
};

TEST_F(PageCacheTest, PagesDroppedFromMemoryAreReadBackFromTheFile) {
  std::unique_ptr<File> file;
  ASSERT_TRUE(Env::Default()->Open(path_, OpenMode::kCreateTruncate, &file).ok());
  PageCache cache(file.get(), geometry_, 0, 2);
  std::vector<uint32_t> offsets;
  for (uint32_t i = 0; i < 6; ++i) {
    uint32_t at = cache.Allocate();
    offsets.push_back(at);
    ASSERT_TRUE(cache.Put(Leaf(at, 10 * i + 1)).ok());
  }
  EXPECT_EQ(offsets.front(), 1024u);
  EXPECT_EQ(cache.fileSize(), 7u * 1024);
  for (int round = 0; round < 2; ++round) {
    for (uint32_t i = 0; i < 6; ++i) {
      std::shared_ptr<const NtxPage> page;
      ASSERT_TRUE(cache.Get(offsets[i], &page).ok());
      EXPECT_EQ(page->recno[0], 10 * i + 1);
      EXPECT_EQ(page->keys, "AAAABBBB");
    }
  }
  EXPECT_EQ(cache.fileReads(), 12u);  // two pages kept, each visit a miss
  std::shared_ptr<const NtxPage> page;
  ASSERT_TRUE(cache.Get(offsets[5], &page).ok());
  EXPECT_EQ(cache.fileReads(), 12u);  // the last one read is still kept
}

TEST_F(PageCacheTest, ReleasedPagesAreHandedOutAgain) {
  std::unique_ptr<File> file;
  ASSERT_TRUE(Env::Default()->Open(path_, OpenMode::kCreateTruncate, &file).ok());
  PageCache cache(file.get(), geometry_, 0, 8);
  uint32_t a = cache.Allocate();
  ASSERT_TRUE(cache.Put(Leaf(a, 1)).ok());
  uint32_t b = cache.Allocate();
  ASSERT_TRUE(cache.Put(Leaf(b, 3)).ok());
  cache.Release(a);
  EXPECT_EQ(cache.Allocate(), a);
  EXPECT_EQ(cache.Allocate(), 3u * 1024);
}

TEST_F(PageCacheTest, OffsetsOutsideTheFileAreCorruption) {
  std::unique_ptr<File> file;
  ASSERT_TRUE(Env::Default()->Open(path_, OpenMode::kCreateTruncate, &file).ok());
  PageCache cache(file.get(), geometry_, 0, 8);
  ASSERT_TRUE(cache.Put(Leaf(cache.Allocate(), 1)).ok());
  std::shared_ptr<const NtxPage> page;
  for (uint32_t bad : {0u, 1000u, 2048u, 1u << 30}) EXPECT_EQ(cache.Get(bad, &page).code(), e4index) << bad;
}

TEST_F(PageCacheTest, FailedWriteLeavesNoStaleCopyInMemory) {
  FaultEnv faulty(Env::Default());
  std::unique_ptr<File> file;
  ASSERT_TRUE(faulty.Open(path_, OpenMode::kCreateTruncate, &file).ok());
  PageCache cache(file.get(), geometry_, 0, 8);
  uint32_t at = cache.Allocate();
  ASSERT_TRUE(cache.Put(Leaf(at, 1)).ok());
  faulty.FailWritesAfter(1, ENOSPC);
  EXPECT_EQ(cache.Put(Leaf(at, 50)).code(), e4write);
  std::shared_ptr<const NtxPage> page;
  ASSERT_TRUE(cache.Get(at, &page).ok());
  EXPECT_EQ(page->recno[0], 1u);  // what the file holds
}

}  // namespace
}  // namespace tbengine
