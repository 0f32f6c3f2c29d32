// Helpers for the engine's tests: temporary folders, tables written from a
// field list, raw file bytes, and an engine handle whose fatal hook throws.
#ifndef TBENGINE_TESTSUPPORT_H
#define TBENGINE_TESTSUPPORT_H

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FieldDesc.h"
#include "tbengine/engine.h"
#include "tbengine/inspect.h"

namespace tbtest {

// A fresh folder, removed with everything in it at the end of the test.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Thrown by the fatal hook installed by Engine.
struct FatalError : std::runtime_error {
  FatalError(int c, const std::string& m) : std::runtime_error(m), code(c) {}
  int code;
};

tbengine::FieldDesc Field(const std::string& name, char type, int width, int decimals = 0);
// Writes an empty table dir/fileName (and its .dbt when a field is a memo).
void MakeTable(const std::string& dir, const std::string& fileName, const tbengine::FieldList& fields,
               uint8_t languageDriver = 0x03);

std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
std::vector<std::string> ListDir(const std::string& dir);

// An engine handle on a temporary folder; the fatal hook throws FatalError.
class Engine {
 public:
  Engine();
  ~Engine();
  CODE4* cb() const { return cb_; }
  const TempDir& dir() const { return dir_; }
  std::string File(const std::string& name) const { return dir_.File(name); }
  // d4open that fails the test on error.
  DATA4* Open(const char* name);
  // The pending error code (cleared) and its text.
  int TakeError(std::string* text = nullptr);

 private:
  TempDir dir_;
  CODE4* cb_;
};

// Fails the test with the problems d4check finds.
void ExpectConsistent(DATA4* d);
// Appends a record assigning fields by name (text as f4assign takes it).
void AppendRecord(DATA4* d, const std::vector<std::pair<const char*, std::string>>& values);
// The text of field name in the current record, trailing blanks removed.
std::string Str(DATA4* d, const char* name);
// The record numbers in the selected order, from the top.
std::vector<long> RecordOrder(DATA4* d);

}  // namespace tbtest

#endif  // TBENGINE_TESTSUPPORT_H
