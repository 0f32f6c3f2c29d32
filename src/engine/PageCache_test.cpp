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

  // A new, empty file at path_.
  std::unique_ptr<File> NewFile() {
    std::unique_ptr<File> file;
    EXPECT_TRUE(Env::Default()->Open(path_, OpenMode::kCreateTruncate, &file).ok());
    return file;
  }
  // Six leaves written through cache, the i-th (from 0) first naming record 10 i + 1.
  std::vector<uint32_t> WriteSix(PageCache* cache) {
    std::vector<uint32_t> offsets;
    for (uint32_t i = 0; i < 6; ++i) {
      offsets.push_back(cache->Allocate());
      EXPECT_TRUE(cache->Put(Leaf(offsets.back(), 10 * i + 1)).ok());
    }
    return offsets;
  }
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
  std::unique_ptr<File> file = NewFile();
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
  std::unique_ptr<File> file = NewFile();
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
  std::unique_ptr<File> file = NewFile();
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

// A walk's page that is not in memory comes with the pages after (or, going
// back, before) it in one read call; a page asked for alone is read alone.
TEST_F(PageCacheTest, AWalkReadsItsNextPagesInOneCall) {
  std::unique_ptr<File> file = NewFile();
  PageCache writer(file.get(), geometry_, 0, 0);
  const std::vector<uint32_t> offsets = WriteSix(&writer);
  for (PageAccess access : {PageAccess::kForward, PageAccess::kBackward, PageAccess::kAlone}) {
    PageCache cache(file.get(), geometry_, writer.fileSize(), 2);
    for (int step = 0; step < 6; ++step) {
      const int i = access == PageAccess::kBackward ? 5 - step : step;
      std::shared_ptr<const NtxPage> page;
      ASSERT_TRUE(cache.Get(offsets[i], &page, access).ok());
      EXPECT_EQ(page->recno[0], 10u * i + 1);
    }
    EXPECT_EQ(cache.fileReads(), access == PageAccess::kAlone ? 6u : 1u);
  }
}

// Pages read ahead are the file's bytes of that moment: a page written
// since is read again, not taken from them.
TEST_F(PageCacheTest, PagesReadAheadNeverOutliveAWrite) {
  std::unique_ptr<File> file = NewFile();
  PageCache cache(file.get(), geometry_, 0, 1);
  const std::vector<uint32_t> offsets = WriteSix(&cache);
  std::shared_ptr<const NtxPage> page;
  ASSERT_TRUE(cache.Get(offsets[0], &page, PageAccess::kForward).ok());  // reads pages 1-6 ahead
  ASSERT_TRUE(cache.Put(Leaf(offsets[2], 77)).ok());
  ASSERT_TRUE(cache.Get(offsets[1], &page).ok());  // the only page kept in memory now
  ASSERT_TRUE(cache.Get(offsets[2], &page, PageAccess::kForward).ok());
  EXPECT_EQ(page->recno[0], 77u);
}

// A page dropped from memory lends its buffers to the next page read, but
// only when nobody holds it any more.
TEST_F(PageCacheTest, PagesStillHeldAreNotReusedForTheNextRead) {
  std::unique_ptr<File> file = NewFile();
  PageCache cache(file.get(), geometry_, 0, 1);
  const std::vector<uint32_t> offsets = WriteSix(&cache);
  std::vector<std::shared_ptr<const NtxPage>> held(6);
  for (int round = 0; round < 3; ++round)
    for (int i = 0; i < 6; ++i) {
      std::shared_ptr<const NtxPage> page;
      ASSERT_TRUE(cache.Get(offsets[i], &page).ok());
      EXPECT_EQ(page->recno[0], 10u * i + 1);
      if (i % 2 == 0) held[i] = page;  // the others are dropped and reused
    }
  for (int i = 0; i < 6; i += 2) {
    EXPECT_EQ(held[i]->offset, offsets[i]);
    EXPECT_EQ(held[i]->recno[0], 10u * i + 1);
  }
}

}  // namespace
}  // namespace tbengine
