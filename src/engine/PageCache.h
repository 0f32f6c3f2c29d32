// The only reader and writer of an .ntx file's pages. Keeps decoded pages
// in memory, found by page number, and past the capacity drops pages not
// used since the last sweep of a clock hand over them (an approximation of
// least recently used that costs nothing on a hit). Writes every change
// through to the file at once, so the file is current after each call that
// succeeds. A walk's page that is not kept is read with its neighbours in
// one call (a block), whose bytes serve the walk's next pages until one of
// them is written; a few blocks are kept, so the walk's parent pages, read
// ahead too, do not push out its leaves.
#ifndef TBENGINE_PAGECACHE_H
#define TBENGINE_PAGECACHE_H

#include <cstdint>
#include <memory>
#include <vector>

#include "NtxPage.h"
#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

// How a page is asked for: alone (a seek, a change), or as the next page of
// a walk going forward or backward through the file's pages.
enum class PageAccess { kAlone, kForward, kBackward };

class PageCache {
 public:
  // Pages read in one call for a walk, and blocks of them kept.
  static constexpr int kReadAheadPages = 16;
  static constexpr int kReadAheadBlocks = 4;

  // file must outlive the cache; fileSize is its current length. capacity 0
  // caches nothing (used for writing a new file once).
  PageCache(File* file, const NtxGeometry& geometry, uint64_t fileSize, size_t capacity);

  // The page at offset, read and validated on first use. e4index naming the
  // file and offset when the offset is not a page of the file or the page
  // cannot be trusted; e4read when the file cannot be read.
  Status Get(uint32_t offset, std::shared_ptr<const NtxPage>* out, PageAccess access = PageAccess::kAlone);
  // Writes page (at page.offset) and keeps it as the cached copy. On failure
  // the cache is emptied, so later reads see what the file holds.
  Status Put(const NtxPage& page);
  // The entry count and n + 1 child offsets of a page (room for
  // kNtxMaxChildren), and its n record numbers when recnos is given, from
  // the kept copy or else from the page's bytes without decoding or keeping
  // it: counting and checking pass many pages once.
  Status Shape(uint32_t offset, int* n, uint32_t* children, uint32_t* recnos = nullptr);
  Status WriteHeader(const NtxHeader& header);

  // An offset for a new page: one dropped earlier in this session, or the
  // end of the file. The page exists once it is Put.
  uint32_t Allocate();
  // A page no longer in the tree; it stays in the file, unused, and may be
  // handed out again by Allocate.
  void Release(uint32_t offset);

  uint64_t fileSize() const { return fileSize_; }
  uint64_t fileReads() const { return fileReads_; }
  void Clear();

 private:
  struct Slot {
    std::shared_ptr<const NtxPage> page;
    bool used = false;  // since the clock hand last passed
  };
  struct Block {
    std::vector<char> bytes;
    uint32_t start = 0;  // offset of its first page
    size_t size = 0;     // bytes held; 0: none
    uint64_t lastUse = 0;
    bool Holds(uint32_t offset) const { return offset >= start && offset - start < size; }
  };
  void Keep(uint32_t offset, std::shared_ptr<const NtxPage> page);
  // The bytes of the page at offset: from the read-ahead block, or read
  // (with its neighbours, for a walk). *bytes points into the block or page.
  Status Read(uint32_t offset, PageAccess access, char* page, const char** bytes);

  File* file_;
  NtxGeometry geometry_;
  uint64_t fileSize_;
  size_t capacity_;
  uint64_t fileReads_ = 0;
  std::vector<Slot> slots_;       // by page number (offset / page size)
  std::vector<uint32_t> clock_;   // page numbers of kept pages, at most capacity
  size_t hand_ = 0;
  std::vector<uint32_t> released_;
  Block blocks_[kReadAheadBlocks];
  uint64_t blockUses_ = 0;
  std::shared_ptr<NtxPage> spare_;  // a page dropped from memory, to decode the next one into
};

}  // namespace tbengine

#endif  // TBENGINE_PAGECACHE_H
