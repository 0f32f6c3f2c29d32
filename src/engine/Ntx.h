// A Clipper .ntx index file: one B-tree of (key, record number) entries with
// a cursor. Byte layout and rules: see the format comment in NtxPage.h.
// Only the page cache (PageCache.h) reads and writes pages.
//
// Invariants (checked by Check):
//  1. Keys on a page ascend; equal keys ascend by record number.
//  2. Every (key, record) appears exactly once in the tree.
//  3. All leaves are at the same depth; no empty page but an empty root.
//  4. Every page offset is a multiple of 1024 inside the file; no page is
//     reached twice.
#ifndef TBENGINE_NTX_H
#define TBENGINE_NTX_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

struct NtxEntry {
  std::string key;  // exactly keyLength bytes
  uint32_t recno;
};

// The entries of a bulk build, packed: keyLength bytes per key in one block
// and the record numbers beside them, with no allocation per key.
class NtxKeys {
 public:
  explicit NtxKeys(int keyLength) : k_(keyLength) {}
  int keyLength() const { return k_; }
  size_t size() const { return recnos_.size(); }
  void reserve(size_t n);
  // A key of another length is not added; the build then refuses the lot.
  void Add(std::string_view key, uint32_t recno);
  const char* key(size_t i) const { return keys_.data() + i * static_cast<size_t>(k_); }
  uint32_t recno(size_t i) const { return recnos_[i]; }
  // The first key of a wrong length: its size and record (0 when none).
  size_t wrongLength() const { return wrongLength_; }
  uint32_t wrongRecno() const { return wrongRecno_; }
  void Release();

 private:
  int k_;
  std::vector<char> keys_;
  std::vector<uint32_t> recnos_;
  size_t wrongLength_ = 0;
  uint32_t wrongRecno_ = 0;
};

class NtxFile {
 public:
  ~NtxFile();

  // Writes a new index file at path holding entries (any order; sorted here
  // by key then record number). The file is written under a temporary name
  // and renamed over path, so a failure leaves an existing file intact.
  // maxKeysPerPage 0 gives the usual page fill; tests pass a small number
  // (2 or more) to get deep trees.
  static Status Build(Env* env, const std::string& path, const std::string& expression,
                      int keyLength, int keyDecimals, std::vector<NtxEntry> entries,
                      int maxKeysPerPage = 0);
  // The same from packed keys (of keyLength bytes each).
  static Status Build(Env* env, const std::string& path, const std::string& expression,
                      int keyLength, int keyDecimals, NtxKeys keys, int maxKeysPerPage = 0);
  // Opens an existing file; validates the header (e4index on a bad one).
  static Status Open(Env* env, const std::string& path, std::unique_ptr<NtxFile>* out);

  const std::string& path() const;
  const std::string& expression() const;
  int keyLength() const;
  int keyDecimals() const;

  // Changes, written to the file before they return. The cursor is invalid
  // afterwards until repositioned. Keys must be keyLength bytes (e4parm).
  // Insert places the entry after equal keys of lower record numbers and
  // refuses (e4index) an entry that is already there.
  Status Insert(const std::string& key, uint32_t recno);
  Status Remove(const std::string& key, uint32_t recno);  // e4index when absent

  // Cursor. After a successful positioning valid() is true unless the
  // index is empty or the move ran off an end.
  Status First();
  Status Last();
  // Moves by n entries (negative = back). *moved is how many entries were
  // actually passed; fewer than |n| means the move hit an end (the cursor
  // then stays on the first entry when going back, and is invalid past the
  // last entry when going forward). From an invalid cursor (past the end) a
  // move back starts by stepping onto the last entry, which counts as one;
  // a move forward passes nothing.
  Status Skip(long n, long* moved);
  // The most entries a walk of Skips may pass going one way (the table's
  // record count): a walk that passes more, or enters a page twice, ends
  // with e4index.
  void SetWalkLimit(uint64_t entries);
  // Partial-key seek: compares text with the first min(len, keyLength)
  // bytes of each key. *result: 0 found, 2 on the next greater key, 3 past
  // the end (cursor invalid).
  Status Seek(std::string_view text, int* result);
  // Positions on the exact entry; *found false when it is not in the index.
  Status Find(const std::string& key, uint32_t recno, bool* found);
  bool valid() const;
  uint32_t recno() const;
  // The cursor's key, valid until the next call that moves or changes.
  std::string_view key() const;
  // Fractional position of the cursor's entry, 0.0-1.0: exact, (k - 1) / N
  // for the k-th of N entries, in small indexes; estimated from the tree path
  // alone in larger ones (strictly increasing in index order, may err either
  // way by a few per cent). 1.0 past the end, 0.0 in an empty index.
  Status Position(double* pos);

  // Calls fn for every entry in order.
  Status ForEach(const std::function<void(const std::string& key, uint32_t recno)>& fn);
  // Structural check (invariants above). Appends one line per problem naming
  // the file; *count receives the number of entries found.
  Status Check(std::vector<std::string>* problems, uint64_t* count);
  // The quick part of Check: every page offset in range and reached once,
  // no empty page below the root, leaves at one depth, every record number
  // within 1..records. *count receives the number of entries. e4index with
  // the first finding.
  Status Verify(uint32_t records, uint64_t* count);

 private:
  NtxFile();
  friend class NtxChecker;
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tbengine

#endif  // TBENGINE_NTX_H
