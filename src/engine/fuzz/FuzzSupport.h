// Shared by the fuzz targets and the seed writer: the targets' in-memory
// folder, the seed writer's scratch folder on disk, a small hand-written
// table the .dbt and .ntx inputs belong to, and a walk over an open table
// that touches every read path.
#ifndef TBENGINE_FUZZ_FUZZSUPPORT_H
#define TBENGINE_FUZZ_FUZZSUPPORT_H

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "MemEnv.h"
#include "tbengine/engine.h"
#include "tbengine/inspect.h"

namespace fuzz {

constexpr int kRecords = 24;

inline const std::string& ScratchDir() {
  static char path[64];  // outlives the string, for the exit handler
  static const std::string dir = [] {
    // Memory-backed when the system has it: every input writes files.
    std::snprintf(path, sizeof path, "%s/tb_fuzz_XXXXXX", access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
    if (mkdtemp(path) == nullptr) std::abort();
    std::atexit([] { std::filesystem::remove_all(path); });
    return std::string(path);
  }();
  return dir;
}

// The folder the targets' tables live in, held in memory.
constexpr const char* kMemDir = "/fuzz";
inline MemEnv& MemFiles() {
  static MemEnv env;
  return env;
}
// Starts each input with a folder holding exactly these files (name, bytes).
inline void SetFiles(std::initializer_list<std::pair<const char*, std::string_view>> files) {
  MemFiles().Clear();
  for (const auto& [name, bytes] : files) MemFiles().Put(std::string(kMemDir) + "/" + name, bytes.data(), bytes.size());
}

inline void WriteFile(const std::string& path, const void* data, size_t size) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, f) != size) std::abort();
  std::fclose(f);
}
inline void WriteFile(const std::string& path, const std::string& bytes) {
  WriteFile(path, bytes.data(), bytes.size());
}

// T.dbf: NAME C(10), NUM N(6,0), NOTES M(10); kRecords records, some
// deleted, numbers negative and positive. memoBlocks[i] is record i's memo
// block (0 = no memo).
inline std::string TableBytes(const std::vector<int>& memoBlocks) {
  struct Field {
    const char* name;
    char type;
    int width;
  } fields[] = {{"NAME", 'C', 10}, {"NUM", 'N', 6}, {"NOTES", 'M', 10}};
  const int headerLength = 32 + 32 * 3 + 1, recordLength = 1 + 10 + 6 + 10;
  std::string b(32, '\0');
  b[0] = static_cast<char>(0x83);
  b[1] = 124, b[2] = 1, b[3] = 1;
  b[4] = kRecords;
  b[8] = static_cast<char>(headerLength);
  b[10] = static_cast<char>(recordLength);
  b[29] = 0x03;
  for (const Field& f : fields) {
    std::string d(32, '\0');
    d.replace(0, std::string(f.name).size(), f.name);
    d[11] = f.type;
    d[16] = static_cast<char>(f.width);
    b += d;
  }
  b += '\x0d';
  for (int i = 0; i < kRecords; ++i) {
    char rec[64];
    int memo = i < static_cast<int>(memoBlocks.size()) ? memoBlocks[i] : 0;
    std::snprintf(rec, sizeof rec, "%c%-10s%6d", i % 7 == 3 ? '*' : ' ',
                  ("Name" + std::to_string((i * 7) % 11)).c_str(), (i * 37) % 100 - 50);
    std::string r(rec);
    r += memo > 0 ? std::string(10 - std::to_string(memo).size(), ' ') + std::to_string(memo)
                  : std::string(10, ' ');
    b += r;
  }
  b += '\x1a';
  return b;
}

// An empty memo file: next free block 1.
inline std::string EmptyMemoBytes() {
  std::string b(512, '\0');
  b[0] = 1;
  return b;
}

// An engine on the in-memory folder, or on the scratch folder on disk.
inline CODE4* StartEngine(bool autoOpen, bool inMemory = true) {
  code4setFatalHook([](int, const std::string&) {});
  CODE4* cb = code4initP();
  if (inMemory) code4setEnv(cb, &MemFiles());
  code4setDirectory(cb, inMemory ? std::string(kMemDir) : ScratchDir());
  code4autoOpen(cb, autoOpen ? 1 : 0);
  code4safety(cb, 0);
  return cb;
}

// Reads every field of up to limit records in the selected order, forward
// and back, with seeks and long skips; then the integrity check.
inline void Walk(DATA4* d, int limit) {
  const int fields = d4numFields(d);
  auto readAll = [&] {
    for (int j = 1; j <= fields; ++j) {
      FIELD4* f = d4fieldJ(d, j);
      if (f == nullptr) continue;
      (void)f4str(f);
      double v = 0;
      (void)f4double2(f, &v);
      (void)f4true(f);
      if (f4type(f) == 'M') (void)f4memoStr(f);
    }
    double pos = 0;
    (void)d4position2(d, &pos);
    (void)d4deleted(d);
  };
  int steps = 0;
  for (int rc = d4top(d); rc == r4success && steps < limit; rc = d4skip(d, 1), ++steps) readAll();
  steps = 0;
  for (int rc = d4bottom(d); rc == r4success && steps < limit; rc = d4skip(d, -1), ++steps) readAll();
  if (d4tagSelected(d) != nullptr) {
    for (const char* key : {"", "NAME1", "N", " -1", "zz"}) {
      if (d4seek(d, key) == r4success) readAll();
    }
  }
  (void)d4top(d);
  (void)d4skip(d, 100);
  (void)d4skip(d, -100);
  (void)d4go(d, 2);
  readAll();
  (void)d4verifyTags(d);
  std::vector<std::string> problems;
  (void)d4check(d, &problems);
}

// Changes a record, appends one and moves, so every open index is updated.
inline void Change(DATA4* d) {
  if (d4go(d, 3) == r4success) {
    if (FIELD4* f = d4fieldJ(d, 1)) (void)f4assign(f, "Changed");
    if (FIELD4* f = d4fieldJ(d, 2)) (void)f4assignDouble(f, -7);
  }
  if (d4appendBlank(d) == 0) {
    if (FIELD4* f = d4fieldJ(d, 1)) (void)f4assign(f, "Appended");
  }
  (void)d4go(d, 1);
  (void)d4delete(d);
  (void)d4skip(d, 1);
  std::vector<std::string> problems;
  (void)d4check(d, &problems);
}

}  // namespace fuzz

#endif  // TBENGINE_FUZZ_FUZZSUPPORT_H
