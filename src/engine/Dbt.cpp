// dBASE III memo file (.dbt). All integers unsigned little-endian.
//
// The file is a sequence of 512-byte blocks; block b starts at b x 512.
// Block 0, the header:
//   Off Size Meaning
//    0   4   next free block: where the next memo is appended (>= 1)
//    4 508   zero (other programs' bytes here are kept as found)
// A memo: its text in consecutive blocks from its first block, then
// 0x1A 0x1A, then zeros to the end of its last block:
//
//   | header | text ............ | text ..1A 1A 00 00 | next memo ...
//   block 0    block b             block b+1
//
// The table points at a memo by its first block number, written as ASCII
// right-aligned in the 10-character field; blanks = no memo (never "0").
//
// Invariants:
//  1. file length = next free x 512 (we pad; python dbf does not, so the
//     append point is taken from the file's length, rounded up to a block).
//  2. Every memo ends with 0x1A 0x1A inside the file.
// New text is always appended; the old blocks stay until compaction, which
// writes a new file beside this one (see Rewrite.cpp for the order of the
// renames that keeps .dbf pointers and .dbt blocks consistent).
#include "Dbt.h"

#include <algorithm>
#include <cstring>

#include "Bytes.h"

namespace tbengine {
namespace {

constexpr size_t kReadChunk = 4096;
constexpr size_t kWriteChunk = 1 << 20;

// Text + 0x1A 0x1A + zeros to the block boundary.
void AppendMemoBytes(const std::string& text, std::string* out) {
  out->append(text);
  out->push_back(DbtFile::kEndMarker);
  out->push_back(DbtFile::kEndMarker);
  size_t pad = (DbtFile::kBlockSize - (text.size() + 2) % DbtFile::kBlockSize) % DbtFile::kBlockSize;
  out->append(pad, '\0');
}

Status CheckText(const std::string& text, const std::string& path) {
  if (text.find(DbtFile::kEndMarker) != std::string::npos)
    return Status::Error(e4memo, "Cannot write a memo to " + path + ": the text contains the byte 0x1A");
  return Status::Ok();
}

}  // namespace

Status DbtFile::Create(Env* env, const std::string& path) {
  std::string header(kBlockSize, '\0');
  PutU32(header.data(), 1);
  return WriteNewFile(env, path, header);
}

Status DbtFile::Open(Env* env, const std::string& path, FileLock lock, std::unique_ptr<DbtFile>* out) {
  std::unique_ptr<File> file;
  bool readOnly = false;
  TB_RETURN_IF_ERROR(OpenLocked(env, path, lock, &file, &readOnly));
  TB_RETURN_IF_ERROR(Adopt(std::move(file), path, out));
  (*out)->readOnly_ = readOnly;
  return Status::Ok();
}

Status DbtFile::Adopt(std::unique_ptr<File> file, const std::string& path, std::unique_ptr<DbtFile>* out) {
  std::unique_ptr<DbtFile> dbt(new DbtFile);
  dbt->file_ = std::move(file);
  dbt->path_ = path;
  IoStatus s = dbt->file_->Size(&dbt->size_);
  if (!s.ok()) return IoError(e4read, s);
  char word[4];
  size_t got = 0;
  s = dbt->file_->ReadAt(0, word, sizeof word, &got);
  if (!s.ok()) return IoError(e4read, s);
  if (got != sizeof word)
    return Status::Corrupt(path, "shorter than a memo file header (" + std::to_string(dbt->size_) + " bytes)");
  // Appending goes after the last block the file holds: the header word may
  // lag behind (python dbf does not pad) or point past the end.
  uint64_t next = std::max<uint64_t>(1, (dbt->size_ + kBlockSize - 1) / kBlockSize);
  if (next > UINT32_MAX) return Status::Corrupt(path, "too large for a memo file");
  dbt->nextFree_ = static_cast<uint32_t>(next);
  *out = std::move(dbt);
  return Status::Ok();
}

Status DbtFile::Read(uint32_t block, std::string* text) {
  text->clear();
  const uint64_t start = static_cast<uint64_t>(block) * kBlockSize;
  if (block < 1 || start >= size_)
    return Status::Error(e4memo, "Corrupt memo reference: block " + std::to_string(block) + " is outside " + path_ +
                                     " (" + std::to_string(size_ / kBlockSize) + " blocks)");
  char buf[kReadChunk];
  uint64_t offset = start;
  while (offset < size_) {
    size_t want = static_cast<size_t>(std::min<uint64_t>(kReadChunk, size_ - offset));
    size_t got = 0;
    IoStatus s = file_->ReadAt(offset, buf, want, &got);
    if (!s.ok()) return IoError(e4read, s);
    if (got == 0) break;
    const void* end = std::memchr(buf, kEndMarker, got);
    if (end != nullptr) {
      text->append(buf, static_cast<size_t>(static_cast<const char*>(end) - buf));
      return Status::Ok();
    }
    text->append(buf, got);
    offset += got;
  }
  text->clear();
  return Status::Error(e4memo, "Corrupt memo file " + path_ + ": the memo at block " + std::to_string(block) +
                                   " has no end marker before the end of the file");
}

Status DbtFile::Append(const std::string& text, uint32_t* block) {
  TB_RETURN_IF_ERROR(CheckText(text, path_));
  if (readOnly_) return Status::Error(e4write, "Cannot write " + path_ + ": the file is write protected");
  const uint64_t blocks = BlocksFor(text.size());
  if (nextFree_ + blocks > UINT32_MAX) return Status::Error(e4write, "Cannot write " + path_ + ": the memo file is full");
  std::string bytes;
  bytes.reserve(blocks * kBlockSize);
  AppendMemoBytes(text, &bytes);
  const uint64_t offset = static_cast<uint64_t>(nextFree_) * kBlockSize;
  IoStatus s = file_->WriteAt(offset, bytes.data(), bytes.size());
  if (!s.ok()) {
    file_->Truncate(size_);  // drop a partial memo; nothing points at it
    return IoError(e4write, s);
  }
  const uint32_t next = static_cast<uint32_t>(nextFree_ + blocks);
  char word[4];
  PutU32(word, next);
  s = file_->WriteAt(0, word, sizeof word);
  if (!s.ok()) return IoError(e4write, s);
  *block = nextFree_;
  nextFree_ = next;
  size_ = std::max<uint64_t>(size_, static_cast<uint64_t>(next) * kBlockSize);
  return Status::Ok();
}

Status DbtFile::Check(std::vector<std::string>* problems) {
  char word[4];
  size_t got = 0;
  IoStatus s = file_->ReadAt(0, word, sizeof word, &got);
  if (!s.ok()) return IoError(e4read, s);
  if (got != sizeof word) return Status::Ok();  // refused by Open already
  const uint32_t next = GetU32(word);
  const uint64_t blocks = (size_ + kBlockSize - 1) / kBlockSize;
  if (next == 0)
    problems->push_back(path_ + ": next free block at offset 0 is 0, which is the header");
  else if (next > blocks)
    problems->push_back(path_ + ": next free block " + std::to_string(next) + " at offset 0 lies past the end of the file (" +
                        std::to_string(blocks) + " blocks)");
  return Status::Ok();
}

Status DbtFile::ParsePointer(const char* field, int width, const std::string& file, uint32_t* block) {
  uint64_t value = 0;
  bool digits = false, done = false;
  for (int i = 0; i < width; ++i) {
    char c = field[i];
    if (c == ' ' || c == '\0') {
      if (digits) done = true;
      continue;
    }
    if (c < '0' || c > '9' || done || value > UINT32_MAX / 10)
      return Status::Error(e4memo, "Corrupt memo reference '" + std::string(field, static_cast<size_t>(width)) +
                                       "' in " + file);
    value = value * 10 + static_cast<uint64_t>(c - '0');
    digits = true;
  }
  if (value > UINT32_MAX)
    return Status::Error(e4memo, "Corrupt memo reference '" + std::string(field, static_cast<size_t>(width)) + "' in " + file);
  *block = static_cast<uint32_t>(value);
  return Status::Ok();
}

std::string DbtFile::FormatPointer(uint32_t block, int width) {
  if (block == 0) return std::string(static_cast<size_t>(width), ' ');
  std::string digits = std::to_string(block);
  if (digits.size() >= static_cast<size_t>(width)) return digits.substr(digits.size() - static_cast<size_t>(width));
  return std::string(static_cast<size_t>(width) - digits.size(), ' ') + digits;
}

// ---- DbtWriter ----

Status DbtWriter::Begin(Env* env, const std::string& path, std::unique_ptr<DbtWriter>* out) {
  std::unique_ptr<DbtWriter> w(new DbtWriter);
  IoStatus s = env->Open(path, OpenMode::kCreateTruncate, &w->file_);
  if (!s.ok()) return IoError(e4create, s);
  *out = std::move(w);
  return Status::Ok();
}

Status DbtWriter::FlushBuffer() {
  if (buffer_.empty()) return Status::Ok();
  IoStatus s = file_->WriteAt(written_, buffer_.data(), buffer_.size());
  if (!s.ok()) return IoError(e4write, s);
  written_ += buffer_.size();
  buffer_.clear();
  return Status::Ok();
}

Status DbtWriter::Add(const std::string& text, uint32_t* block) {
  TB_RETURN_IF_ERROR(CheckText(text, file_->path()));
  const uint64_t blocks = DbtFile::BlocksFor(text.size());
  if (nextFree_ + blocks > UINT32_MAX) return Status::Error(e4write, "Cannot write " + file_->path() + ": the memo file is full");
  *block = nextFree_;
  AppendMemoBytes(text, &buffer_);
  nextFree_ = static_cast<uint32_t>(nextFree_ + blocks);
  if (buffer_.size() >= kWriteChunk) return FlushBuffer();
  return Status::Ok();
}

Status DbtWriter::Finish(std::unique_ptr<File>* file) {
  TB_RETURN_IF_ERROR(FlushBuffer());
  std::string header(DbtFile::kBlockSize, '\0');
  PutU32(header.data(), nextFree_);
  IoStatus s = file_->WriteAt(0, header.data(), header.size());
  if (s.ok()) s = file_->Sync();
  if (!s.ok()) return IoError(e4write, s);
  *file = std::move(file_);
  return Status::Ok();
}

}  // namespace tbengine
