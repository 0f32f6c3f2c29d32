// The engine's public face: xBase tables (.dbf), their memo files (.dbt),
// Clipper indexes (.ntx) and our tag groups (.cgp), reached through the
// operation set the data layer calls. Everything else in src/engine is
// private to the engine.
//
// Conventions shared by every operation:
//  * Handles are owned by the engine. A DATA4* (and its FIELD4*/TAG4*) stays
//    valid until d4close or code4close; the CODE4* until code4initUndoP.
//  * Failures never throw across this header. An operation that fails sets
//    the pending error (a negative e4... code) and a message that names the
//    file and, where it helps, the offset; code4errorCode reads and clears it.
//  * Records are numbered from 1. The current record's changed fields reach
//    the file, and every open tag is brought in step (old key out, new key
//    in), when the record pointer moves, on d4close/code4close, and on d4pack,
//    d4memoCompress and d4zap.
//  * Text is passed as the stored bytes (Windows-1252); the data layer
//    converts to and from QString.
#ifndef TBENGINE_ENGINE_H
#define TBENGINE_ENGINE_H

#include <functional>
#include <string>

struct CODE4;   // one per run: settings and the list of open tables
struct DATA4;   // an open table with its memo file and open tags
struct FIELD4;  // a field of an open table
struct TAG4;    // an open .ntx index of a table
struct INDEX4;  // the tag group written by i4create

namespace tbengine {
class Env;
}

// Return codes of positioning and seeking.
enum {
  r4success = 0,
  r4after = 2,  // d4seek stopped on the next greater key
  r4eof = 3,    // past the last record
  r4bof = 4,    // before the first record
  r4entry = 5,  // d4go to a record number that does not exist
};

// Pending error codes (negative = failure).
enum {
  e4close = -10,
  e4create = -20,   // a file could not be created (or exists and safety is on)
  e4open = -60,     // a file could not be opened, or is locked by another program
  e4read = -70,
  e4write = -120,   // includes a full disk
  e4rename = -90,
  e4data = -200,    // a .dbf or .dbt that is not a valid file (bad header, lengths)
  e4fieldName = -210,
  e4append = -240,
  e4entry = -300,   // record number out of range
  e4index = -310,   // a corrupt .ntx or .cgp file
  e4tagName = -330,
  e4expr = -400,    // a key expression we cannot evaluate
  e4memo = -510,    // a corrupt memo reference or block
  e4parm = -930,    // a bad argument (null handle, wrong field kind)
};

// Access modes (code4accessMode). Advisory locks held while a table is open.
enum { OPEN4DENY_NONE = 0, OPEN4DENY_WRITE = 1 };

struct TAG4INFO {
  const char* name;        // tag name; also the .ntx file stem. nullptr ends the list
  const char* expression;  // key expression, e.g. "Upper(Last + First)"
  const char* filter;      // must be nullptr or ""
  short unique;            // must be 0
  unsigned short descending;  // must be 0
};

// ---- Engine ---------------------------------------------------------------

// Starts the engine. Files are looked for in the process's current directory
// unless code4setDirectory names another. Never returns nullptr.
CODE4* code4initP();
// Closes every table and frees the engine. Returns 0.
int code4initUndoP(CODE4* cb);
// Closes every open table (flushing pending changes). Returns 0 or the first error.
int code4close(CODE4* cb);
// Ends the program through the fatal-error hook (see code4setFatalHook).
void code4exit(CODE4* cb);
// Returns the pending error code and replaces it by newCode (0 clears it).
int code4errorCode(CODE4* cb, int newCode);
// The message of the pending (or last) error, e.g. "Corrupt index file
// /data/cName.ntx: page offset 8192 out of range". Empty when none.
const std::string& code4errorText(CODE4* cb);
// When an error is pending: passes it to the fatal-error hook. Returns the
// pending code (0 when none) if the hook returns.
int error4exitTest(CODE4* cb);
// Each setter returns the previous value.
int code4accessMode(CODE4* cb, int mode);   // OPEN4DENY_NONE / OPEN4DENY_WRITE
int code4autoOpen(CODE4* cb, int on);       // open name.cgp and its .ntx files in d4open
int code4safety(CODE4* cb, int on);         // i4create refuses to overwrite files when on
int code4optimize(CODE4* cb, int on);       // accepted; pages are always cached
int code4optimizeWrite(CODE4* cb, int on);  // accepted; writes go through at once

// Operations of our own, beyond the set above.
// The folder where tables are looked for; "" = the current directory.
void code4setDirectory(CODE4* cb, const std::string& dir);
// The file interface used for all disk access; nullptr = the real file system.
// The Env must outlive every table opened through it. For tests.
void code4setEnv(CODE4* cb, tbengine::Env* env);
// Called with (code, message) when the engine must end the program. The
// default prints the message to stderr and calls std::exit(1). A hook may
// throw (tests do) or return; if it returns, the caller goes on.
using Fatal4Hook = std::function<void(int code, const std::string& message)>;
void code4setFatalHook(Fatal4Hook hook);

// ---- Tables ---------------------------------------------------------------

// Opens name (without extension; ".dbf" matched without regard to case) with
// its memo file and, while auto-open is on, name.cgp with its .ntx files. No
// tag is selected (record order). Positions on the first record. nullptr on
// failure (pending error set).
DATA4* d4open(CODE4* cb, const char* name);
int d4close(DATA4* d);
int d4top(DATA4* d);     // 0, or r4eof for an empty table
int d4bottom(DATA4* d);  // 0, or r4eof for an empty table
int d4go(DATA4* d, long recNo);  // 0, or r4entry (error set) when out of range
// Moves n records in the selected order. Running past the end returns r4eof
// and leaves the table at end of file (d4recNo = count + 1); running before
// the first record returns r4bof and leaves it on the first record.
int d4skip(DATA4* d, long n);
// Partial-key seek in the selected tag: 0 found (prefix match), r4after on the
// next greater key, r4eof past the end. Numbers are sought as key text.
int d4seek(DATA4* d, const char* key);
long d4recNo(DATA4* d);       // current record; count + 1 at end of file
long d4recCountDo(DATA4* d);  // all records, deleted ones included
// Fractional position of the current record in the selected order, 0.0-1.0,
// estimated from the B-tree path (no scan). Returns 0 or a negative error.
int d4position2(DATA4* d, double* result);
int d4appendBlank(DATA4* d);  // 0, or a negative error; the new record is current
int d4delete(DATA4* d);       // marks the current record deleted
int d4deleted(DATA4* d);      // 1 when the current record is marked deleted
int d4recall(DATA4* d);       // removes the mark
// Removes deleted records, rewriting the table beside the old one and
// renaming it over it; rebuilds the open tags. Returns 0 or a negative error;
// on failure the old files are unchanged.
int d4pack(DATA4* d);
// Rewrites the memo file with only the memos of the remaining records.
int d4memoCompress(DATA4* d);
// Of our own: d4pack and d4memoCompress as one rewrite with one commit, so
// a failure (a damaged memo included) leaves both files as they were.
int d4packCompress(DATA4* d);
// Removes records start .. start + count - 1 and rebuilds the open tags;
// the memo file is compacted in the same rewrite.
int d4zap(DATA4* d, long start, long count);

// ---- Tags -----------------------------------------------------------------

TAG4* d4tag(DATA4* d, const char* name);   // matched without regard to case; nullptr + e4tagName
void d4tagSelect(DATA4* d, TAG4* tag);     // nullptr selects record order
TAG4* d4tagSelected(DATA4* d);
// Writes name.cgp (one tag name per line) and one .ntx per tag, named after
// the tag, built from the table's records; the tags are then open on d.
INDEX4* i4create(DATA4* d, const char* name, const TAG4INFO* tags);

// ---- Fields ---------------------------------------------------------------

FIELD4* d4field(DATA4* d, const char* name);  // nullptr + e4fieldName when absent
// The field's stored text, padded to the field width, zero-terminated. Valid
// until the next call on the same table.
const char* f4str(FIELD4* f);
int f4double2(FIELD4* f, double* result);  // numeric value; blank = 0
long f4long(FIELD4* f);
int f4int(FIELD4* f);
int f4true(FIELD4* f);                      // 1 for T t Y y
const char* f4memoStr(FIELD4* f);           // whole memo text; "" when empty
// Assignments change the record buffer; the record reaches the file when the
// pointer moves or the table closes. Numeric assignment refuses (returns e4data
// and leaves the field unchanged) a value that does not fit the width.
int f4assign(FIELD4* f, const char* text);  // C: padded or cut; D: "yyyymmdd" or ""; L: "T"/"F"
int f4assignDouble(FIELD4* f, double value);
int f4assignInt(FIELD4* f, int value);
int f4assignLong(FIELD4* f, long value);
int f4memoAssign(FIELD4* f, const char* text);
int f4memoAssignN(FIELD4* f, const char* text, unsigned len);

// Field description (for the data tool and the schema checks).
const char* f4name(FIELD4* f);
char f4type(FIELD4* f);
int f4len(FIELD4* f);
int f4decimals(FIELD4* f);
int d4numFields(DATA4* d);
FIELD4* d4fieldJ(DATA4* d, int j);  // 1-based

// ---- Table creation (extension of ours, for the data tool and tests) -------

struct FIELD4INFO {
  const char* name;  // 1-10 characters; nullptr ends the list
  char type;         // 'C' 'N' 'D' 'L' 'M'
  int len;           // D 8, L 1, M 10
  int dec;           // N only
};

// Writes an empty table in the engine's folder: fileName (".dbf" added when
// it has no extension; an existing file is matched without regard to case)
// with the given fields, code page byte 0x03 (Windows ANSI), and, when a
// field is a memo, an empty memo file of the same stem with ".dbt". With
// safety on an existing file is refused (e4create). Returns 0 or a negative
// error (pending error set).
int d4create(CODE4* cb, const char* fileName, const FIELD4INFO* fields);

#endif  // TBENGINE_ENGINE_H
