// Extensions of the engine for the data tool and the integrity checks: open a
// single index file, list its keys, build one index file, and verify tables
// and indexes. Same conventions as engine.h.
#ifndef TBENGINE_INSPECT_H
#define TBENGINE_INSPECT_H

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tbengine/engine.h"

// Opens one .ntx file (path as given, or relative to the table's folder) on
// the open table d and returns it as a tag of d (not selected). nullptr + error.
TAG4* t4openFile(DATA4* d, const char* path);
// Builds one .ntx file from expr over every record of d (overwriting the file
// only when safety is off) and opens it as a tag of d. nullptr + error.
TAG4* t4createFile(DATA4* d, const char* path, const char* expr);
const char* t4name(TAG4* t);   // tag name (file stem)
const char* t4expr(TAG4* t);   // key expression as stored in the file
int t4keyLen(TAG4* t);
// Calls fn(recNo, key bytes) for every entry in index order. Returns 0 or an
// error (a corrupt page).
int t4keys(TAG4* t, const std::function<void(uint32_t recNo, const std::string& key)>& fn);
// Key of the current record for tag t, as the index would store it.
std::string t4keyOfCurrent(TAG4* t);
// Calls fn(recNo, key bytes) for every entry of one .ntx file in index order,
// without a table (path as given, or relative to the engine's folder).
// Returns 0 or an error.
int t4keysOfFile(CODE4* cb, const char* path, const std::function<void(uint32_t recNo, const std::string& key)>& fn);

// Verifies table d: header, record count against file length, end-of-file
// marker, memo references; and every open tag: page structure (order, fill,
// equal leaf depth, no loops, offsets in range) and that every record appears
// exactly once with the key computed from the record. Appends one line per
// problem, each naming the file. Returns the number of problems.
int d4check(DATA4* d, std::vector<std::string>* problems);

// Sets the header's record count of d (opened with OPEN4DENY_WRITE) from
// the whole records its file holds, after checking that every record past
// the old count reads as a record of the table (deletion flag, numbers,
// dates, logicals, memo references). For a table another program left with
// too small a count. *before and *after receive the counts. The open tags
// are not updated: rebuild them afterwards. Returns 0 or a negative error
// naming the first record that does not read.
int d4repairCount(DATA4* d, long* before, long* after);

// Quick structural check of every open tag of d: page offsets in range,
// no page reached twice, and as many entries as the table has records. Far
// cheaper than d4check (no keys are computed). Returns 0, or e4index with
// the finding as the pending error text, naming the index file.
int d4verifyTags(DATA4* d);

#endif  // TBENGINE_INSPECT_H
