// A dBASE III memo file (.dbt): 512-byte blocks, block 0 the header, each
// memo its text followed by 0x1A 0x1A in consecutive blocks. Byte layout:
// see the format comment in Dbt.cpp.
//
// Read never goes past the end of the file: a block number outside the file
// or a memo without its end marker is e4memo with a message naming the file
// and the block. New memos are always appended; old blocks are left until
// the memo file is compacted.
#ifndef TBENGINE_DBT_H
#define TBENGINE_DBT_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Dbf.h"
#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

class DbtFile {
 public:
  static constexpr int kBlockSize = 512;
  static constexpr char kEndMarker = 0x1A;

  // Writes an empty memo file: one zero header block with next free = 1.
  static Status Create(Env* env, const std::string& path);
  static Status Open(Env* env, const std::string& path, FileLock lock, std::unique_ptr<DbtFile>* out);
  static Status Adopt(std::unique_ptr<File> file, const std::string& path, std::unique_ptr<DbtFile>* out);

  const std::string& path() const { return path_; }
  uint32_t nextFree() const { return nextFree_; }
  bool readOnly() const { return readOnly_; }
  File* file() { return file_.get(); }
  // Problems of the header: a next-free block of 0 or past the end of
  // the file. One line each, naming the file.
  Status Check(std::vector<std::string>* problems);

  // The memo starting at block, up to its first 0x1A.
  Status Read(uint32_t block, std::string* text);
  // Appends text (which may not contain 0x1A) as a new memo; *block
  // receives its first block. The header's next-free word follows.
  Status Append(const std::string& text, uint32_t* block);

  // The block number in a record's 10-character memo field: 0 when blank
  // (or "0", which some writers use for none); e4memo when not a number.
  static Status ParsePointer(const char* field, int width, const std::string& file, uint32_t* block);
  // The 10-character field text for block (blanks for 0).
  static std::string FormatPointer(uint32_t block, int width);
  // Blocks taken by a memo of len bytes.
  static uint32_t BlocksFor(size_t len) { return static_cast<uint32_t>((len + 2 + kBlockSize - 1) / kBlockSize); }

 private:
  DbtFile() = default;
  std::unique_ptr<File> file_;
  std::string path_;
  uint64_t size_ = 0;
  uint32_t nextFree_ = 1;
  bool readOnly_ = false;
};

// Streams a new memo file in large writes (used by compaction): memos go to
// consecutive blocks from block 1.
class DbtWriter {
 public:
  static Status Begin(Env* env, const std::string& path, std::unique_ptr<DbtWriter>* out);
  Status Add(const std::string& text, uint32_t* block);
  // Writes the header and syncs; hands the handle over.
  Status Finish(std::unique_ptr<File>* file);

 private:
  DbtWriter() = default;
  Status FlushBuffer();
  std::unique_ptr<File> file_;
  uint32_t nextFree_ = 1;
  uint64_t written_ = DbtFile::kBlockSize;  // file bytes written so far
  std::string buffer_;
};

}  // namespace tbengine

#endif  // TBENGINE_DBT_H
