// dBASE III PLUS table file (.dbf). All integers unsigned little-endian.
//
// Header (32 bytes):
//   Off Size Meaning
//    0   1   version: 0x03, or 0x83 when the table has memo fields
//    1   3   date of last update: year - 1900, month, day
//    4   4   record count (deleted records included)
//    8   2   header length: 32 + 32 x fields + 1 (readers go by this value)
//   10   2   record length: 1 + sum of field widths
//   12  17   reserved, zero
//   29   1   language driver (0x03 = Windows ANSI); kept as found
//   30   2   reserved, zero
// Field descriptors (32 bytes each, from offset 32):
//    0  11   name, ASCII, NUL-padded (byte 10 always NUL)
//   11   1   type C N D L M
//   12   4   reserved (we write the field's offset in the record)
//   16   1   width          C 1-254, N 1-20, D 8, L 1, M 10
//   17   1   decimals       N only
//   18  14   reserved, zero
// Then 0x0D. Records follow at the header length:
//
//   | hdr | desc 1 | ... | desc n |0D| rec 1 | rec 2 | ... | rec count |1A|
//
// A record is the deletion flag (' ' live, '*' deleted) and the fields in
// descriptor order, all printable text.
//
// Invariants (checked by Check):
//  1. record count x record length + header length + 1 = file length.
//  2. The last byte of the file is 0x1A.
//  3. Every deletion flag is ' ' or '*'.
// Other programs write files without the 0x1A or with bytes after the last
// counted record; such files are read (up to the count) and not reported
// as unreadable, only by Check.
#include "Dbf.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "Bytes.h"

namespace tbengine {
namespace {

constexpr uint8_t kVersionPlain = 0x03;
constexpr uint8_t kVersionMemo = 0x83;
constexpr int kNameSize = 11;
constexpr int kMaxNameLength = 10;
constexpr size_t kWriteChunk = 1 << 20;

bool ValidName(const std::string& name) {
  if (name.empty() || name.size() > static_cast<size_t>(kMaxNameLength)) return false;
  for (char c : name)
    if (c <= ' ' || c > '~') return false;
  return true;
}

// The width rule of each kind; "" when the field is acceptable.
std::string FieldProblem(const FieldDesc& f) {
  if (!ValidName(f.name)) return "invalid field name '" + f.name + "'";
  switch (f.type) {
    case 'C':
      if (f.width < 1 || f.width > 255) return "field " + f.name + " has width " + std::to_string(f.width);
      return "";
    case 'N':
      if (f.width < 1 || f.width > 20 || f.decimals < 0 || (f.decimals > 0 && f.decimals > f.width - 2))
        return "field " + f.name + " has width " + std::to_string(f.width) + " and " + std::to_string(f.decimals) +
               " decimals";
      return "";
    case 'D': return f.width == 8 ? "" : "date field " + f.name + " is not 8 wide";
    case 'L': return f.width == 1 ? "" : "logical field " + f.name + " is not 1 wide";
    case 'M': return f.width == 10 ? "" : "memo field " + f.name + " is not 10 wide";
    default: return "field " + f.name + " has unsupported type '" + std::string(1, f.type) + "'";
  }
}

}  // namespace

void DbfFile::StampToday(char* header) {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  header[1] = static_cast<char>(tm.tm_year);  // years since 1900
  header[2] = static_cast<char>(tm.tm_mon + 1);
  header[3] = static_cast<char>(tm.tm_mday);
}

Status DbfFile::ValidateFields(const FieldList& fields, const std::string& path) {
  if (fields.empty()) return Status::Error(e4data, "Cannot create " + path + ": no fields");
  int length = 1;
  for (size_t i = 0; i < fields.size(); ++i) {
    std::string problem = FieldProblem(fields[i]);
    if (!problem.empty()) return Status::Error(e4data, "Cannot create " + path + ": " + problem);
    for (size_t j = 0; j < i; ++j)
      if (EqualNoCase(fields[j].name, fields[i].name))
        return Status::Error(e4data, "Cannot create " + path + ": field " + fields[i].name + " appears twice");
    length += fields[i].width;
  }
  if (length > 65535) return Status::Error(e4data, "Cannot create " + path + ": records too long");
  return Status::Ok();
}

Status DbfFile::Create(Env* env, const std::string& path, const FieldList& fields, uint8_t languageDriver) {
  TB_RETURN_IF_ERROR(ValidateFields(fields, path));
  const int headerLength = kHeaderSize + kDescriptorSize * static_cast<int>(fields.size()) + 1;
  std::string bytes(static_cast<size_t>(headerLength) + 1, '\0');
  bool memo = false;
  int offset = 1;
  for (size_t i = 0; i < fields.size(); ++i) {
    const FieldDesc& f = fields[i];
    char* d = bytes.data() + kHeaderSize + kDescriptorSize * i;
    std::memcpy(d, f.name.data(), f.name.size());
    d[11] = f.type;
    PutU32(d + 12, static_cast<uint32_t>(offset));
    d[16] = static_cast<char>(f.width);
    d[17] = static_cast<char>(f.type == 'N' ? f.decimals : 0);
    offset += f.width;
    memo = memo || f.type == 'M';
  }
  bytes[0] = static_cast<char>(memo ? kVersionMemo : kVersionPlain);
  StampToday(bytes.data());
  PutU16(bytes.data() + 8, static_cast<uint16_t>(headerLength));
  PutU16(bytes.data() + 10, static_cast<uint16_t>(offset));
  bytes[29] = static_cast<char>(languageDriver);
  bytes[headerLength - 1] = kTerminator;
  bytes[headerLength] = kEndOfFile;

  return WriteNewFile(env, path, bytes);
}

Status DbfFile::Open(Env* env, const std::string& path, FileLock lock, std::unique_ptr<DbfFile>* out) {
  std::unique_ptr<File> file;
  bool readOnly = false;
  TB_RETURN_IF_ERROR(OpenLocked(env, path, lock, &file, &readOnly));
  TB_RETURN_IF_ERROR(Adopt(std::move(file), path, out));
  (*out)->readOnly_ = readOnly;
  return Status::Ok();
}

Status DbfFile::Adopt(std::unique_ptr<File> file, const std::string& path, std::unique_ptr<DbfFile>* out) {
  std::unique_ptr<DbfFile> dbf(new DbfFile);
  dbf->file_ = std::move(file);
  dbf->path_ = path;
  uint64_t size = 0;
  IoStatus s = dbf->file_->Size(&size);
  if (!s.ok()) return IoError(e4read, s);
  TB_RETURN_IF_ERROR(dbf->Parse(size));
  dbf->head_ = dbf->file_->MapHead(kHeaderSize);
  *out = std::move(dbf);
  return Status::Ok();
}

Status DbfFile::Parse(uint64_t fileSize) {
  if (fileSize < kHeaderSize) return Status::Corrupt(path_, "shorter than a table header (" + std::to_string(fileSize) + " bytes)");
  char head[kHeaderSize];
  size_t got = 0;
  IoStatus s = file_->ReadAt(0, head, kHeaderSize, &got);
  if (!s.ok()) return IoError(e4read, s);
  if (got != kHeaderSize) return Status::Corrupt(path_, "header cut short");
  const uint8_t version = static_cast<uint8_t>(head[0]);
  if (version != kVersionPlain && version != kVersionMemo) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02X", version);
    return Status::Corrupt(path_, std::string("unsupported version byte ") + hex + " at offset 0");
  }
  count_ = GetU32(head + 4);
  headerLength_ = GetU16(head + 8);
  recordLength_ = GetU16(head + 10);
  if (headerLength_ < kHeaderSize + kDescriptorSize + 1)
    return Status::Corrupt(path_, "header length " + std::to_string(headerLength_) + " at offset 8 is too small");
  if (static_cast<uint64_t>(headerLength_) > fileSize)
    return Status::Corrupt(path_, "header length " + std::to_string(headerLength_) + " exceeds the file size " +
                                      std::to_string(fileSize));
  header_.assign(static_cast<size_t>(headerLength_), '\0');
  s = file_->ReadAt(0, header_.data(), header_.size(), &got);
  if (!s.ok()) return IoError(e4read, s);
  if (got != header_.size()) return Status::Corrupt(path_, "header cut short");

  fields_.clear();
  int offset = 1;
  size_t pos = kHeaderSize;
  for (;;) {
    if (pos >= header_.size()) return Status::Corrupt(path_, "field descriptors are not terminated by 0x0D");
    if (header_[pos] == kTerminator) break;
    if (pos + kDescriptorSize + 1 > header_.size())
      return Status::Corrupt(path_, "field descriptor at offset " + std::to_string(pos) + " runs past the header");
    const char* d = header_.data() + pos;
    FieldDesc f;
    f.name.assign(d, strnlen(d, kNameSize));
    f.type = AsciiUpper(d[11]);
    f.width = static_cast<unsigned char>(d[16]);
    f.decimals = f.type == 'N' ? static_cast<unsigned char>(d[17]) : 0;
    f.offset = offset;
    std::string problem = FieldProblem(f);
    // Readers elsewhere accept wide numbers with few decimals; so do we,
    // but only that: a bad name or kind is not excused by the field's kind.
    const bool wideNumber = f.type == 'N' && ValidName(f.name) && f.width >= 1 && f.decimals < f.width;
    if (!problem.empty() && !wideNumber)
      return Status::Corrupt(path_, problem + " (descriptor at offset " + std::to_string(pos) + ")");
    offset += f.width;
    fields_.push_back(std::move(f));
    pos += kDescriptorSize;
  }
  if (fields_.empty()) return Status::Corrupt(path_, "the table has no fields");
  expectedHeaderLength_ = static_cast<int>(pos) + 1;
  if (offset != recordLength_)
    return Status::Corrupt(path_, "record length " + std::to_string(recordLength_) +
                                      " at offset 10 does not match the fields (" + std::to_string(offset) + ")");
  const uint64_t needed = static_cast<uint64_t>(headerLength_) + static_cast<uint64_t>(count_) * recordLength_;
  if (needed > fileSize)
    return Status::Corrupt(path_, "record count " + std::to_string(count_) + " needs " + std::to_string(needed) +
                                      " bytes but the file has " + std::to_string(fileSize));
  return Status::Ok();
}

int DbfFile::FieldIndex(const std::string& name) const {
  for (size_t i = 0; i < fields_.size(); ++i)
    if (EqualNoCase(fields_[i].name, name)) return static_cast<int>(i);
  return -1;
}

bool DbfFile::hasMemoFields() const {
  for (const FieldDesc& f : fields_)
    if (f.type == 'M') return true;
  return false;
}

Status DbfFile::Read(uint32_t recno, char* buf) {
  // Through the mapping, without a system call. A record begins with its
  // deletion flag and ends in field text; a NUL at either end is also what
  // a mapping shows past the end of a file cut short, so then (and on a
  // damaged flag) the read call decides and reports what it finds.
  const size_t length = static_cast<size_t>(recordLength_);
  if (recno >= 1 && recno <= count_ &&
      file_->ReadMapped(headerLength_ + static_cast<uint64_t>(recno - 1) * length, buf, length) &&
      (buf[0] == kLive || buf[0] == kDeleted) && buf[length - 1] != '\0')
    return Status::Ok();
  return ReadMany(recno, 1, buf);
}

Status DbfFile::ReadMany(uint32_t first, uint32_t n, char* buf) {
  if (first < 1 || n > count_ || first > count_ - n + 1)
    return Status::Error(e4entry, "Record " + std::to_string(first) + " is not in " + path_ + " (" +
                                      std::to_string(count_) + " records)");
  const uint64_t offset = headerLength_ + static_cast<uint64_t>(first - 1) * recordLength_;
  const size_t bytes = static_cast<size_t>(n) * recordLength_;
  size_t got = 0;
  IoStatus s = file_->ReadAt(offset, buf, bytes, &got);
  if (!s.ok()) return IoError(e4read, s);
  if (got != bytes)
    return Status::Corrupt(path_, "record " + std::to_string(first + got / recordLength_) + " at offset " +
                                      std::to_string(offset + got) + " is cut short");
  return Status::Ok();
}

Status DbfFile::WriteHeaderWord() {
  if (!stamped_) StampToday(header_.data());  // the date of the session's first change
  PutU32(header_.data() + 4, count_);
  if (head_ != nullptr) {
    std::memcpy(head_ + 1, header_.data() + 1, 7);
    stamped_ = true;
    return Status::Ok();
  }
  IoStatus s = file_->WriteAt(1, header_.data() + 1, 7);
  if (!s.ok()) return IoError(e4write, s);
  stamped_ = true;
  return Status::Ok();
}

Status DbfFile::CheckWritable() const {
  if (readOnly_) return Status::Error(e4write, "Cannot write " + path_ + ": the file is write protected");
  if (!headerLengthAgrees())
    return Status::Error(e4data, "Cannot write " + path_ + ": its header length " + std::to_string(headerLength_) +
                                     " disagrees with its " + std::to_string(fields_.size()) + " fields (" +
                                     std::to_string(expectedHeaderLength_) + ")");
  return Status::Ok();
}

Status DbfFile::WholeRecords(uint64_t* n) {
  uint64_t size = 0;
  IoStatus s = file_->Size(&size);
  if (!s.ok()) return IoError(e4read, s);
  *n = size > static_cast<uint64_t>(headerLength_) ? (size - headerLength_) / recordLength_ : 0;
  return Status::Ok();
}

Status DbfFile::SetCount(uint32_t n) {
  TB_RETURN_IF_ERROR(CheckWritable());
  uint64_t whole = 0;
  TB_RETURN_IF_ERROR(WholeRecords(&whole));
  if (n > whole) return Status::Error(e4parm, "Cannot count " + std::to_string(n) + " records in " + path_);
  const uint64_t end = headerLength_ + static_cast<uint64_t>(n) * recordLength_;
  uint64_t size = 0;
  IoStatus s = file_->Size(&size);
  if (!s.ok()) return IoError(e4read, s);
  char marker = 0;
  size_t got = 0;
  if (size > end) {
    s = file_->ReadAt(end, &marker, 1, &got);
    if (!s.ok()) return IoError(e4read, s);
  }
  if (got != 1 || marker != kEndOfFile) {
    // Only where nothing follows: the marker never overwrites a byte.
    if (size != end) return Status::Error(e4data, "Cannot count the records of " + path_ + ": bytes after record " + std::to_string(n) + " that are not a whole record");
    const char eof = kEndOfFile;
    s = file_->WriteAt(end, &eof, 1);
    if (!s.ok()) return IoError(e4write, s);
  }
  count_ = n;
  TB_RETURN_IF_ERROR(WriteHeaderWord());
  s = file_->Sync();
  return s.ok() ? Status::Ok() : IoError(e4write, s);
}

Status DbfFile::Write(uint32_t recno, const char* buf) {
  if (recno < 1 || recno > count_)
    return Status::Error(e4entry, "Record " + std::to_string(recno) + " is not in " + path_);
  TB_RETURN_IF_ERROR(CheckWritable());
  const uint64_t offset = headerLength_ + static_cast<uint64_t>(recno - 1) * recordLength_;
  IoStatus s = file_->WriteAt(offset, buf, static_cast<size_t>(recordLength_));
  if (!s.ok()) return IoError(e4write, s);
  if (!stamped_) return WriteHeaderWord();
  return Status::Ok();
}

Status DbfFile::Append(const char* buf, uint32_t* recno) { return WriteLastAndAppend(nullptr, buf, recno); }

Status DbfFile::WriteLastAndAppend(const char* last, const char* buf, uint32_t* recno) {
  TB_RETURN_IF_ERROR(CheckWritable());
  if (count_ == UINT32_MAX) return Status::Error(e4append, "Cannot append to " + path_ + ": too many records");
  if (last != nullptr && count_ == 0) return Status::Error(e4entry, "No last record in " + path_);
  const size_t length = static_cast<size_t>(recordLength_);
  const uint64_t end = headerLength_ + static_cast<uint64_t>(count_) * recordLength_;
  const uint64_t start = last != nullptr ? end - length : end;
  scratch_.clear();
  if (last != nullptr) scratch_.append(last, length);
  scratch_.append(buf, length);
  scratch_.push_back(kEndOfFile);
  IoStatus s = file_->WriteAt(start, scratch_.data(), scratch_.size());
  if (s.ok()) {
    ++count_;
    Status hs = WriteHeaderWord();
    if (hs.ok()) {
      *recno = count_;
      return Status::Ok();
    }
    --count_;
    PutU32(header_.data() + 4, count_);
    s = IoStatus::Error(EIO, hs.message());
  }
  // Put the marker back where the count says the table ends (best effort).
  const char eof = kEndOfFile;
  if (file_->WriteAt(end, &eof, 1).ok()) file_->Truncate(end + 1);
  return IoError(e4write, s);
}

Status DbfFile::Check(std::vector<std::string>* problems) {
  if (!headerLengthAgrees())
    problems->push_back(path_ + ": header length " + std::to_string(headerLength_) + " at offset 8 disagrees with its " +
                        std::to_string(fields_.size()) + " field descriptors (" + std::to_string(expectedHeaderLength_) +
                        "); the table is not written until this is put right");
  if (hasMemoFields() && static_cast<uint8_t>(header_[0]) != kVersionMemo)
    problems->push_back(path_ + ": version byte at offset 0 says the table has no memo file, but it has memo fields");
  for (size_t i = 0; i < fields_.size(); ++i)
    for (size_t j = 0; j < i; ++j)
      if (EqualNoCase(fields_[i].name, fields_[j].name))
        problems->push_back(path_ + ": field name " + fields_[i].name + " appears twice (descriptors " +
                            std::to_string(j + 1) + " and " + std::to_string(i + 1) + ")");
  uint64_t size = 0;
  IoStatus s = file_->Size(&size);
  if (!s.ok()) return IoError(e4read, s);
  const uint64_t end = headerLength_ + static_cast<uint64_t>(count_) * recordLength_;
  if (size != end + 1)
    problems->push_back(path_ + ": file length " + std::to_string(size) + " differs from header length + count x record length + 1 = " +
                        std::to_string(end + 1));
  char last = 0;
  size_t got = 0;
  if (size > end) {
    s = file_->ReadAt(end, &last, 1, &got);
    if (!s.ok()) return IoError(e4read, s);
  }
  if (got != 1 || last != kEndOfFile)
    problems->push_back(path_ + ": no end-of-file marker 0x1A after the last record (offset " + std::to_string(end) + ")");

  const uint32_t chunk = std::max<uint32_t>(1, static_cast<uint32_t>(kWriteChunk / recordLength_));
  std::string buf;
  uint32_t bad = 0, firstBad = 0;
  for (uint32_t first = 1; first <= count_; first += chunk) {
    uint32_t n = std::min(chunk, count_ - first + 1);
    buf.resize(static_cast<size_t>(n) * recordLength_);
    TB_RETURN_IF_ERROR(ReadMany(first, n, buf.data()));
    for (uint32_t i = 0; i < n; ++i) {
      char flag = buf[static_cast<size_t>(i) * recordLength_];
      if (flag != kLive && flag != kDeleted) {
        if (bad++ == 0) firstBad = first + i;
      }
    }
  }
  if (bad > 0)
    problems->push_back(path_ + ": " + std::to_string(bad) + " record(s) with an invalid deletion flag, the first is record " +
                        std::to_string(firstBad));
  return Status::Ok();
}

// ---- DbfWriter ----

Status DbfWriter::Begin(Env* env, const std::string& path, const std::string& headerBytes, int recordLength,
                        std::unique_ptr<DbfWriter>* out) {
  std::unique_ptr<DbfWriter> w(new DbfWriter);
  IoStatus s = env->Open(path, OpenMode::kCreateTruncate, &w->file_);
  if (!s.ok()) return IoError(e4create, s);
  w->header_ = headerBytes;
  w->recordLength_ = recordLength;
  *out = std::move(w);
  return Status::Ok();
}

Status DbfWriter::FlushBuffer() {
  if (buffer_.empty()) return Status::Ok();
  IoStatus s = file_->WriteAt(header_.size() + written_, buffer_.data(), buffer_.size());
  if (!s.ok()) return IoError(e4write, s);
  written_ += buffer_.size();
  buffer_.clear();
  return Status::Ok();
}

Status DbfWriter::Add(const char* record) {
  buffer_.append(record, static_cast<size_t>(recordLength_));
  ++count_;
  if (buffer_.size() >= kWriteChunk) return FlushBuffer();
  return Status::Ok();
}

Status DbfWriter::Finish(std::unique_ptr<File>* file) {
  buffer_.push_back(DbfFile::kEndOfFile);
  TB_RETURN_IF_ERROR(FlushBuffer());
  DbfFile::StampToday(header_.data());
  PutU32(header_.data() + 4, count_);
  IoStatus s = file_->WriteAt(0, header_.data(), header_.size());
  if (s.ok()) s = file_->Sync();
  if (!s.ok()) return IoError(e4write, s);
  *file = std::move(file_);
  return Status::Ok();
}

}  // namespace tbengine
