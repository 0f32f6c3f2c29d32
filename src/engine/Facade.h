// The objects behind the handles of engine.h, and the steps the operations
// share. Private to the engine.
//
// A DATA4 holds the current record twice: `record` is the buffer the field
// operations change, `original` is the record as it is in the file. The keys
// the open tags hold for the current record are computed from `original`;
// when the record is written (pointer moves, close, pack, ...) each tag whose
// key changed gets the old key out and the new key in.
#ifndef TBENGINE_FACADE_H
#define TBENGINE_FACADE_H

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Dbf.h"
#include "Dbt.h"
#include "KeyExpr.h"
#include "Ntx.h"
#include "Status.h"
#include "tbengine/engine.h"
#include "tbengine/env.h"

struct FIELD4 {
  DATA4* data = nullptr;
  tbengine::FieldDesc desc;
  std::string text;  // what f4str last returned
  // Memo fields: the text of the current record, once read or assigned.
  bool memoLoaded = false;
  bool memoPending = false;  // assigned, reaches the .dbt when the record is written
  std::string memo;
};

struct TAG4 {
  DATA4* data = nullptr;
  std::string name;  // the .ntx file stem
  std::unique_ptr<tbengine::NtxFile> ntx;
  tbengine::KeyExpr expr;
};

struct INDEX4 {
  DATA4* data = nullptr;
  std::string name;
};

struct DATA4 {
  CODE4* cb = nullptr;
  std::string alias;    // the name given to d4open
  std::string dir;      // folder of the table's files
  std::string dbfPath;  // actual paths (case as on disk)
  std::string dbtPath;  // "" when the table has no memo file
  std::string cgpPath;  // "" when the table has no tag group file
  size_t groupTags = 0;  // names in the tag group file (SIZE_MAX: unreadable)
  tbengine::FileLock lock = tbengine::FileLock::kShared;
  std::unique_ptr<tbengine::DbfFile> dbf;
  std::unique_ptr<tbengine::DbtFile> dbt;
  std::vector<std::unique_ptr<FIELD4>> fields;
  std::vector<std::unique_ptr<TAG4>> tags;
  std::vector<std::unique_ptr<INDEX4>> indexes;
  TAG4* selected = nullptr;

  std::string record;    // the buffer the field operations change
  std::string original;  // the current record as in the file
  long recno = 0;        // 1..count, or count + 1 at end of file
  // `record` and `original` hold record `recno` as read. A move only sets
  // recno; the record is read at the first access that needs its bytes.
  bool loaded = false;
  bool eof = false;
  bool bof = false;
  bool changed = false;
  bool cursorSynced = false;  // the selected tag's cursor is on the current record
  bool memoCompact = false;   // the memo file was compacted and no memo written since
};

struct CODE4 {
  tbengine::Env* env = nullptr;
  std::string dir;
  int accessMode = OPEN4DENY_NONE;
  int autoOpen = 1;
  int safety = 1;
  int optimize = 0;
  int optimizeWrite = 0;
  int errorCode = 0;
  std::string errorText;
  std::vector<std::unique_ptr<DATA4>> tables;
};

namespace tbengine {

// Makes s the pending error unless one is pending already (the first error
// is the one worth showing). Returns s.code().
int SetError(CODE4* cb, const Status& s);
int SetError(CODE4* cb, int code, const std::string& message);
// For operations on a null handle.
int NullHandle(const char* operation);

// Writes the current record when it changed, then appends a new record (in
// one write when the current record is the last one). On failure *newRecno
// is not set.
Status FlushAndAppend(DATA4* d, const char* append, uint32_t* newRecno);
// Writes the current record when it changed: memos first, then the record,
// then the tags (old key out, new key in).
inline Status FlushRecord(DATA4* d) { return d->changed ? FlushAndAppend(d, nullptr, nullptr) : Status::Ok(); }
// Makes recno current (1..count; e4entry otherwise); its bytes are read by
// EnsureRecord.
Status LoadRecord(DATA4* d, uint32_t recno);
// Drops the memo texts kept for the current record.
void ForgetMemos(DATA4* d);
// LoadRecord for a recno the caller knows to be 1..count.
inline void SetRecord(DATA4* d, uint32_t recno) {
  d->recno = recno;
  d->loaded = false;
  d->eof = d->bof = false;
  d->changed = false;
  d->cursorSynced = false;
  if (d->dbt != nullptr) ForgetMemos(d);  // only memo fields keep text
}
// Reads the current record when a move left it unread. On failure the
// buffers hold blanks (never the previous record's values) and the next
// access tries again; the status names the file.
Status EnsureRecord(DATA4* d);
// Makes the position "end of file": recno = count + 1, a blank record.
void SetEndOfFile(DATA4* d);

// Opens an .ntx file as a tag of d (not selected); its expression must
// compile against d's fields with the file's key length.
Status OpenTag(DATA4* d, const std::string& path, TAG4** out);
void CloseTag(DATA4* d, TAG4* tag);
// Reads every record once and computes the keys of each expression.
Status CollectKeys(DATA4* d, const std::vector<const KeyExpr*>& exprs, std::vector<std::vector<NtxEntry>>* entries);
// The same, packed for a bulk build.
Status CollectBuildKeys(DATA4* d, const std::vector<const KeyExpr*>& exprs, std::vector<NtxKeys>* keys);
// Reads the records in large chunks: fn(recno, record bytes).
Status ForEachRecord(DATA4* d, const std::function<Status(uint32_t, const char*)>& fn);

// Finishes or discards what an interrupted pack or memo compaction left
// beside the table, and removes half-written index and tag group files (see
// Rewrite.cpp). Call only while no other program has the table open.
void RecoverRewrites(Env* env, const std::string& dbfPath, const std::string& dbtPath,
                     const std::vector<std::string>& ntxPaths, const std::string& cgpPath);
bool HasRewriteLeftovers(Env* env, const std::string& dbfPath, const std::string& dbtPath,
                         const std::vector<std::string>& ntxPaths, const std::string& cgpPath);
// Temporary files of interrupted index builds and tag group writes.
std::vector<std::string> StaleTempFiles(Env* env, const std::vector<std::string>& ntxPaths, const std::string& cgpPath);

}  // namespace tbengine

#endif  // TBENGINE_FACADE_H
