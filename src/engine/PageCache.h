// The only reader and writer of an .ntx file's pages. Keeps decoded pages
// in memory, found by page number, and past the capacity drops pages not
// used since the last sweep of a clock hand over them (an approximation of
// least recently used that costs nothing on a hit). Writes every change
// through to the file at once, so the file is current after each call that
// succeeds.
#ifndef TBENGINE_PAGECACHE_H
#define TBENGINE_PAGECACHE_H

#include <cstdint>
#include <memory>
#include <vector>

#include "NtxPage.h"
#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

class PageCache {
 public:
  // file must outlive the cache; fileSize is its current length. capacity 0
  // caches nothing (used for writing a new file once).
  PageCache(File* file, const NtxGeometry& geometry, uint64_t fileSize, size_t capacity);

  // The page at offset, read and validated on first use. e4index naming the
  // file and offset when the offset is not a page of the file or the page
  // cannot be trusted; e4read when the file cannot be read.
  Status Get(uint32_t offset, std::shared_ptr<const NtxPage>* out);
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
  void Keep(uint32_t offset, std::shared_ptr<const NtxPage> page);

  File* file_;
  NtxGeometry geometry_;
  uint64_t fileSize_;
  size_t capacity_;
  uint64_t fileReads_ = 0;
  std::vector<Slot> slots_;       // by page number (offset / page size)
  std::vector<uint32_t> clock_;   // page numbers of kept pages, at most capacity
  size_t hand_ = 0;
  std::vector<uint32_t> released_;
};

}  // namespace tbengine

#endif  // TBENGINE_PAGECACHE_H
