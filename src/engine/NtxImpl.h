// Inside of NtxFile, shared by Ntx.cpp (open, cursor, changes), NtxBuild.cpp
// and NtxCheck.cpp. Not for other parts of the engine.
#ifndef TBENGINE_NTXIMPL_H
#define TBENGINE_NTXIMPL_H

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Ntx.h"
#include "NtxPage.h"
#include "PageCache.h"

namespace tbengine {

// Deeper than this is a loop: 64 levels of even 2 keys a page would hold far
// more entries than a file of 4 GB can.
constexpr size_t kNtxMaxDepth = 64;
// Pages an open index keeps in memory (about 1.2 KB each decoded).
constexpr size_t kNtxCachePages = 16384;

// One step of a path from the root. Below the last frame, idx is the child
// taken; in the last frame it is the entry the path stands on.
struct NtxFrame {
  uint32_t page;
  int idx;
};
using NtxPath = std::vector<NtxFrame>;
using PageRef = std::shared_ptr<const NtxPage>;

// Pages entered by one walk. Starting a new walk only moves a mark on, so a
// walk of many pages costs nothing to forget.
class PageSet {
 public:
  // false when page was entered before in this walk.
  bool Insert(uint32_t page) {
    const size_t i = page / kNtxPageSize;
    if (i >= marks_.size()) marks_.resize(i + 1, 0);
    if (marks_[i] == mark_) return false;
    marks_[i] = mark_;
    return true;
  }
  void Clear() {
    if (++mark_ != 0) return;
    marks_.assign(marks_.size(), 0);  // the mark wrapped round
    mark_ = 1;
  }

 private:
  std::vector<uint32_t> marks_;  // by page number
  uint32_t mark_ = 1;
};

struct NtxFile::Impl {
  Env* env = nullptr;
  std::string path;
  std::unique_ptr<File> file;
  NtxHeader header;
  std::unique_ptr<PageCache> cache;

  // Cursor. curPage is the page of the entry it stands on, or stood on
  // last when it became invalid (whose key then still tells where a walk
  // stopped); it is held, so stepping inside it asks the cache nothing.
  NtxPath cursor;
  bool valid = false;
  PageRef curPage;
  int curIdx = 0;
  uint32_t curRecno = 0;
  std::string_view curKey() const {
    return curPage ? std::string_view(curPage->key(curIdx, K()), K()) : std::string_view();
  }

  // The walk the cursor is on: the pages it entered going one way since it
  // was last placed, and how many entries it passed. A sound tree enters no
  // page twice and passes no more entries than the table has records; a
  // damaged one whose pages share a child would otherwise loop for ever.
  PageSet walkSeen;
  int walkDirection = 0;  // 0: not walking
  uint64_t walkSteps = 0;
  uint64_t walkLimit = UINT64_MAX;
  void EndWalk() {
    walkDirection = 0;
    walkSteps = 0;
    walkSeen.Clear();
  }

  // Entries under each page, computed when a long skip or a count needs them
  // and forgotten when the page or anything below it changes.
  std::unordered_map<uint32_t, uint64_t> counts;

  int K() const { return header.geometry.keyLength; }
  int M() const { return header.geometry.maxKeys; }
  int MinKeys() const { return M() / 2; }
  Status Corrupt(const std::string& what) const { return Status::CorruptIndex(path, what); }

  Status Load(uint32_t page, PageRef* out, PageAccess access = PageAccess::kAlone) {
    return cache->Get(page, out, access);
  }
  // Appends a frame, refusing loops (a page twice on one path, or a path
  // deeper than any real tree) and empty pages below the root. When seen is
  // given, a page met before in the same walk is refused too.
  Status Push(NtxPath* path, uint32_t page, int idx, PageRef* out, PageSet* seen = nullptr,
              PageAccess access = PageAccess::kAlone);
  Status DescendFirst(NtxPath* path, uint32_t page, PageSet* seen = nullptr,
                      PageAccess access = PageAccess::kAlone);
  Status DescendLast(NtxPath* path, uint32_t page, PageSet* seen = nullptr,
                     PageAccess access = PageAccess::kAlone);
  // Moves a path to the next / previous entry; *moved false at the end
  // (the path is then spent).
  Status Next(NtxPath* path, bool* moved, PageSet* seen = nullptr);
  Status Prev(NtxPath* path, bool* moved, PageSet* seen = nullptr);
  // Drops frames that stand past the last entry of their page; false when
  // nothing is left (past the end of the index).
  Status Settle(NtxPath* path, bool* onEntry);
  Status EntryAt(const NtxPath& path, std::string* key, uint32_t* recno);
  Status SetCursor(NtxPath path);  // empty path = invalid cursor
  // Takes the page, entry and record number of the cursor's last frame.
  Status Stand();
  // After a search that built its path in cursor: the cursor on the entry
  // when s is ok and on is set, else invalid; returns s or Stand's status.
  Status Place(const Status& s, bool on) {
    if (s.ok() && on) return Stand();
    Invalidate();
    return s;
  }
  void Invalidate() {
    valid = false;
    cursor.clear();
  }

  // Entries under page, counting no further than needed to know whether
  // there are more than limit: *exact false when it stopped early (then
  // *out > limit). Only exact counts are kept.
  Status CountUpTo(uint32_t page, size_t depth, uint64_t limit, uint64_t* out, bool* exact);
  Status Count(uint32_t page, size_t depth, uint64_t* out) {
    bool exact = true;
    return CountUpTo(page, depth, UINT64_MAX, out, &exact);
  }
  Status Rank(const NtxPath& path, uint64_t* rank);
  // The path to the entry with rank entries before it; *beyond when the
  // index holds no more than rank entries.
  Status PathToRank(uint64_t rank, NtxPath* path, bool* beyond);
  void ForgetCounts(const NtxPath& path) {
    for (const NtxFrame& f : path) counts.erase(f.page);
  }

  Status FindPath(const std::string& key, uint32_t recno, NtxPath* path, bool* found);
  Status SeekPath(std::string_view text, NtxPath* path, bool* onEntry,
                  PageSet* seen = nullptr);
  Status Rebalance(NtxPath path, NtxPage node);
  Status Write(const NtxPage& page);  // through the cache; forgets its count
  Status SetRoot(uint32_t root);
};

// memcmp over k bytes, then record numbers.
inline int CompareEntry(const char* a, uint32_t ra, const char* b, uint32_t rb, int k) {
  int c = std::memcmp(a, b, k);
  if (c != 0) return c;
  return ra < rb ? -1 : ra > rb ? 1 : 0;
}

}  // namespace tbengine

#endif  // TBENGINE_NTXIMPL_H
