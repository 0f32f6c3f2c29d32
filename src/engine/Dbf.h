// A dBASE III table file (.dbf): header, field descriptors and fixed-length
// records. Byte layout and invariants: see the format comment in Dbf.cpp.
//
// Open validates everything later reads depend on (lengths against the file
// size), so Read never goes past the end of the file. Every change goes to
// the file at once; the header's count and date are rewritten with each
// append and on the first change (through a mapping of the header where the
// file allows one, so an append costs one write call).
#ifndef TBENGINE_DBF_H
#define TBENGINE_DBF_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "FieldDesc.h"
#include "FileOpen.h"
#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

class DbfFile {
 public:
  static constexpr int kHeaderSize = 32;
  static constexpr int kDescriptorSize = 32;
  static constexpr char kTerminator = 0x0D;
  static constexpr char kEndOfFile = 0x1A;
  static constexpr char kLive = ' ';
  static constexpr char kDeleted = '*';

  // Writes an empty table (header, descriptors, 0x0D, 0x1A). Version 0x83 when
  // a field is a memo, else 0x03. Fails with e4data on invalid fields.
  static Status Create(Env* env, const std::string& path, const FieldList& fields, uint8_t languageDriver);
  // Checks names, kinds, widths and decimals of a field list.
  static Status ValidateFields(const FieldList& fields, const std::string& path);

  static Status Open(Env* env, const std::string& path, FileLock lock, std::unique_ptr<DbfFile>* out);
  // Takes over an open handle (already locked as needed); path is the name
  // the file is known by (it may differ from the handle's after a rename).
  static Status Adopt(std::unique_ptr<File> file, const std::string& path, std::unique_ptr<DbfFile>* out);

  const std::string& path() const { return path_; }
  const FieldList& fields() const { return fields_; }
  int FieldIndex(const std::string& name) const;  // without regard to case; -1 when absent
  uint32_t recordCount() const { return count_; }
  int recordLength() const { return recordLength_; }
  int headerLength() const { return headerLength_; }
  // The header length the descriptors call for (32 + 32 x fields + 1). A
  // table whose header says otherwise is read by its header length but
  // never written: where its records start is in doubt.
  int expectedHeaderLength() const { return expectedHeaderLength_; }
  bool headerLengthAgrees() const { return headerLength_ == expectedHeaderLength_; }
  // e4write when the file is write protected, e4data when its header
  // length is in doubt; every change of the file asks first.
  Status CheckWritable() const;
  // Whole records the file holds after the header, whatever the count says.
  Status WholeRecords(uint64_t* n);
  // Sets the header's count to n (after a foreign writer left it too small).
  Status SetCount(uint32_t n);
  bool hasMemoFields() const;
  bool readOnly() const { return readOnly_; }
  // The header and descriptors as read (headerLength bytes).
  const std::string& headerBytes() const { return header_; }
  std::string BlankRecord() const { return std::string(recordLength_, ' '); }
  File* file() { return file_.get(); }

  // recno 1..count; buf holds recordLength bytes. Read through a mapping of
  // the file where the Env has one (no system call), else with a read call.
  Status Read(uint32_t recno, char* buf);
  // Reads n consecutive records from first into buf (n × recordLength bytes).
  Status ReadMany(uint32_t first, uint32_t n, char* buf);
  Status Write(uint32_t recno, const char* buf);
  // Overwrites the end-of-file marker with the record, writes a new marker,
  // then updates the count. *recno receives the new record's number.
  Status Append(const char* buf, uint32_t* recno);
  // Writes last over the last record and appends buf after it, in one write.
  Status WriteLastAndAppend(const char* last, const char* buf, uint32_t* recno);

  // Problems of the file on disk: count against length, the end-of-file
  // marker, deletion flags. One line each, naming the file.
  Status Check(std::vector<std::string>* problems);

  // Header bytes 1-3 for today's date (year - 1900, month, day).
  static void StampToday(char* header);

 private:
  DbfFile() = default;
  Status Parse(uint64_t fileSize);
  Status WriteHeaderWord();

  std::unique_ptr<File> file_;
  std::string path_;
  std::string header_;
  FieldList fields_;
  uint32_t count_ = 0;
  int headerLength_ = 0;
  int expectedHeaderLength_ = 0;
  int recordLength_ = 0;
  bool readOnly_ = false;
  bool stamped_ = false;  // the date was written during this session
  char* head_ = nullptr;  // the file's header mapped for writing, when it can be
  std::string scratch_;   // bytes of an append
};

// Streams a new table file holding a given header and records, in large
// writes: used to rewrite a table beside the old one.
class DbfWriter {
 public:
  // headerBytes: the header and descriptors to copy (count and date are set here).
  static Status Begin(Env* env, const std::string& path, const std::string& headerBytes, int recordLength,
                      std::unique_ptr<DbfWriter>* out);
  Status Add(const char* record);
  // Writes the end-of-file marker and the header, and syncs. The handle is
  // then handed over (e.g. to DbfFile::Adopt).
  Status Finish(std::unique_ptr<File>* file);
  uint32_t count() const { return count_; }

 private:
  DbfWriter() = default;
  Status FlushBuffer();

  std::unique_ptr<File> file_;
  std::string header_;
  int recordLength_ = 0;
  uint32_t count_ = 0;
  uint64_t written_ = 0;  // bytes written so far
  std::string buffer_;
};

}  // namespace tbengine

#endif  // TBENGINE_DBF_H
