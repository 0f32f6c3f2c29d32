// Tables: open and close, the current record, moving through record order
// or the selected tag, appending, deletion marks.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Bytes.h"
#include "Cgp.h"
#include "Facade.h"
#include "Paths.h"

using tbengine::Status;

namespace tbengine {
namespace {

constexpr size_t kReadChunk = 1 << 20;

bool EndsWithNoCase(const std::string& s, const std::string& suffix) {
  return s.size() > suffix.size() && EqualNoCase(s.substr(s.size() - suffix.size()), suffix);
}

// The cursor of the selected tag on the current record.
Status SyncCursor(DATA4* d) {
  if (d->cursorSynced) return Status::Ok();
  TAG4* t = d->selected;
  bool found = false;
  TB_RETURN_IF_ERROR(EnsureRecord(d));
  TB_RETURN_IF_ERROR(t->ntx->Find(t->expr.Evaluate(d->original.data()), static_cast<uint32_t>(d->recno), &found));
  if (!found)
    return Status::CorruptIndex(t->ntx->path(), "record " + std::to_string(d->recno) + " is missing from the index");
  d->cursorSynced = true;
  return Status::Ok();
}

// Makes the record under the selected tag's cursor current.
Status LoadFromCursor(DATA4* d) {
  TB_RETURN_IF_ERROR(LoadRecord(d, d->selected->ntx->recno()));
  d->cursorSynced = true;
  return Status::Ok();
}

int Fail(DATA4* d, const Status& s) { return SetError(d->cb, s); }

// Recovers what an interrupted rewrite left, but only when nobody else has
// the table open (a rewrite in progress holds a lock on the table).
void RecoverIfAlone(Env* env, const std::string& dbfPath, const std::string& dbtPath,
                    const std::vector<std::string>& ntxPaths, const std::string& cgpPath) {
  if (!HasRewriteLeftovers(env, dbfPath, dbtPath, ntxPaths, cgpPath)) return;
  std::unique_ptr<File> probe;
  if (!env->Open(dbfPath, OpenMode::kReadOnly, &probe).ok()) return;
  if (!probe->Lock(true).ok()) return;
  RecoverRewrites(env, dbfPath, dbtPath, ntxPaths, cgpPath);
}

Status OpenTagGroup(DATA4* d, const std::string& cgpPath, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    std::string ntxPath = FindNoCase(d->cb->env, d->dir, name + ".ntx");
    if (ntxPath.empty())
      return Status::Error(e4open, "Cannot open index file " + JoinPath(d->dir, name + ".ntx") + " named in " + cgpPath +
                                       ": no such file");
    TAG4* tag = nullptr;
    TB_RETURN_IF_ERROR(OpenTag(d, ntxPath, &tag));
    tag->name = name;
  }
  return Status::Ok();
}

}  // namespace

Status LoadRecord(DATA4* d, uint32_t recno) {
  if (recno < 1 || recno > d->dbf->recordCount())
    return Status::Error(e4entry, "Record " + std::to_string(recno) + " is not in " + d->dbfPath + " (" +
                                      std::to_string(d->dbf->recordCount()) + " records)");
  SetRecord(d, recno);
  return Status::Ok();
}

void ForgetMemos(DATA4* d) {
  for (auto& f : d->fields) {
    if (!f->memoLoaded && !f->memoPending) continue;
    f->memoLoaded = f->memoPending = false;
    f->memo.clear();
  }
}

Status EnsureRecord(DATA4* d) {
  if (d->loaded) return Status::Ok();
  d->record.resize(static_cast<size_t>(d->dbf->recordLength()));
  Status s = d->dbf->Read(static_cast<uint32_t>(d->recno), d->record.data());
  if (!s.ok()) {
    d->record.assign(d->record.size(), ' ');
    d->original = d->record;
    return s;
  }
  d->original = d->record;
  d->loaded = true;
  return Status::Ok();
}

void SetEndOfFile(DATA4* d) {
  d->record.assign(static_cast<size_t>(d->dbf->recordLength()), ' ');
  d->original = d->record;
  d->recno = static_cast<long>(d->dbf->recordCount()) + 1;
  d->loaded = true;
  d->eof = true;
  d->changed = false;
  d->cursorSynced = false;
  for (auto& f : d->fields) {
    f->memoLoaded = f->memoPending = false;
    f->memo.clear();
  }
}

Status FlushAndAppend(DATA4* d, const char* append, uint32_t* newRecno) {
  if (!d->changed || d->recno < 1 || d->recno > static_cast<long>(d->dbf->recordCount())) {
    d->changed = false;
    return append != nullptr ? d->dbf->Append(append, newRecno) : Status::Ok();
  }
  for (auto& f : d->fields) {
    if (!f->memoPending) continue;
    if (!d->dbt) return Status::Error(e4memo, "Table " + d->dbfPath + " has no memo file");
    uint32_t block = 0;
    if (!f->memo.empty()) {
      TB_RETURN_IF_ERROR(d->dbf->CheckWritable());
      d->memoCompact = false;
      TB_RETURN_IF_ERROR(d->dbt->Append(f->memo, &block));
    }
    std::string pointer = DbtFile::FormatPointer(block, f->desc.width);
    std::memcpy(d->record.data() + f->desc.offset, pointer.data(), pointer.size());
    f->memoPending = false;
  }
  const uint32_t recno = static_cast<uint32_t>(d->recno);
  Status appended;
  if (append != nullptr && recno == d->dbf->recordCount()) {
    // The usual append loop: the new record goes in the same write.
    TB_RETURN_IF_ERROR(d->dbf->WriteLastAndAppend(d->record.data(), append, newRecno));
  } else {
    TB_RETURN_IF_ERROR(d->dbf->Write(recno, d->record.data()));
    if (append != nullptr) appended = d->dbf->Append(append, newRecno);
  }
  d->changed = false;
  Status first;
  for (auto& t : d->tags) {
    std::string oldKey = t->expr.Evaluate(d->original.data());
    std::string newKey = t->expr.Evaluate(d->record.data());
    if (oldKey == newKey) continue;
    if (t.get() == d->selected) d->cursorSynced = false;
    Status s = t->ntx->Remove(oldKey, recno);
    if (s.ok()) s = t->ntx->Insert(newKey, recno);
    if (!s.ok() && first.ok()) first = s;
  }
  d->original = d->record;
  return first.ok() ? appended : first;
}

Status ForEachRecord(DATA4* d, const std::function<Status(uint32_t, const char*)>& fn) {
  const uint32_t count = d->dbf->recordCount();
  const size_t length = static_cast<size_t>(d->dbf->recordLength());
  const uint32_t chunk = static_cast<uint32_t>(std::max<size_t>(1, kReadChunk / length));
  std::string buf;
  for (uint32_t first = 1; first <= count; first += chunk) {
    const uint32_t n = std::min(chunk, count - first + 1);
    buf.resize(n * length);
    TB_RETURN_IF_ERROR(d->dbf->ReadMany(first, n, buf.data()));
    for (uint32_t i = 0; i < n; ++i) TB_RETURN_IF_ERROR(fn(first + i, buf.data() + i * length));
    if (first > count - n) break;  // no wrap-around at the top of the range
  }
  return Status::Ok();
}

Status CollectKeys(DATA4* d, const std::vector<const KeyExpr*>& exprs, std::vector<std::vector<NtxEntry>>* entries) {
  entries->assign(exprs.size(), {});
  for (auto& e : *entries) e.reserve(d->dbf->recordCount());
  return ForEachRecord(d, [&](uint32_t recno, const char* rec) {
    for (size_t i = 0; i < exprs.size(); ++i) (*entries)[i].push_back(NtxEntry{exprs[i]->Evaluate(rec), recno});
    return Status::Ok();
  });
}

Status CollectBuildKeys(DATA4* d, const std::vector<const KeyExpr*>& exprs, std::vector<NtxKeys>* keys) {
  keys->clear();
  for (const KeyExpr* e : exprs) {
    keys->emplace_back(e->keyLength());
    keys->back().reserve(d->dbf->recordCount());
  }
  std::string key;
  return ForEachRecord(d, [&](uint32_t recno, const char* rec) {
    for (size_t i = 0; i < exprs.size(); ++i) {
      exprs[i]->EvaluateInto(rec, &key);
      (*keys)[i].Add(key, recno);
    }
    return Status::Ok();
  });
}

}  // namespace tbengine

using namespace tbengine;

DATA4* d4open(CODE4* cb, const char* name) {
  if (cb == nullptr) return NullHandle("d4open"), nullptr;
  if (name == nullptr || *name == '\0') return SetError(cb, e4parm, "d4open: no table name"), nullptr;
  Env* env = cb->env;
  const std::string full = JoinPath(cb->dir, name);
  const std::string dir = DirName(full);
  std::string stem = BaseName(full);
  std::string dbfPath = FindNoCase(env, dir, stem + ".dbf");
  if (dbfPath.empty() && EndsWithNoCase(stem, ".dbf")) {
    dbfPath = FindNoCase(env, dir, stem);
    stem = StemOf(stem);
  }
  if (dbfPath.empty()) {
    SetError(cb, e4open, "Cannot open " + JoinPath(dir, stem + ".dbf") + ": no such file");
    return nullptr;
  }
  const std::string dbtPath = FindNoCase(env, dir, StemOf(BaseName(dbfPath)) + ".dbt");
  const std::string cgpPath = FindNoCase(env, dir, stem + ".cgp");
  std::vector<std::string> tagNames;
  Status cgpStatus;
  if (!cgpPath.empty()) cgpStatus = ReadTagGroup(env, cgpPath, &tagNames);
  std::vector<std::string> ntxPaths;
  for (const std::string& t : tagNames) {
    std::string p = FindNoCase(env, dir, t + ".ntx");
    if (!p.empty()) ntxPaths.push_back(p);
  }
  RecoverIfAlone(env, dbfPath, dbtPath, ntxPaths, cgpPath.empty() ? JoinPath(dir, stem + ".cgp") : cgpPath);

  auto d = std::make_unique<DATA4>();
  d->cb = cb;
  d->alias = stem;
  d->dir = dir;
  d->dbfPath = dbfPath;
  d->cgpPath = cgpPath;
  d->groupTags = cgpStatus.ok() ? tagNames.size() : SIZE_MAX;  // unreadable: said by the open
  d->lock = cb->accessMode == OPEN4DENY_WRITE ? FileLock::kExclusive : FileLock::kShared;
  Status s = DbfFile::Open(env, dbfPath, d->lock, &d->dbf);
  if (!s.ok()) return SetError(cb, s), nullptr;
  if (d->dbf->hasMemoFields()) {
    if (dbtPath.empty()) {
      SetError(cb, e4open, "Cannot open memo file " + JoinPath(dir, StemOf(BaseName(dbfPath)) + ".dbt") + ": no such file");
      return nullptr;
    }
    d->dbtPath = dbtPath;
    s = DbtFile::Open(env, dbtPath, d->lock, &d->dbt);
    if (!s.ok()) return SetError(cb, s), nullptr;
  }
  for (const FieldDesc& fd : d->dbf->fields()) {
    auto f = std::make_unique<FIELD4>();
    f->data = d.get();
    f->desc = fd;
    d->fields.push_back(std::move(f));
  }
  if (cb->autoOpen && !cgpPath.empty()) {
    if (cgpStatus.ok()) cgpStatus = OpenTagGroup(d.get(), cgpPath, tagNames);
    if (!cgpStatus.ok()) return SetError(cb, cgpStatus), nullptr;
  }
  if (d->dbf->recordCount() == 0) {
    SetEndOfFile(d.get());
    d->bof = true;
  } else {
    s = LoadRecord(d.get(), 1);
    if (!s.ok()) return SetError(cb, s), nullptr;
  }
  cb->tables.push_back(std::move(d));
  return cb->tables.back().get();
}

int d4close(DATA4* d) {
  if (d == nullptr) return NullHandle("d4close");
  CODE4* cb = d->cb;
  Status s = FlushRecord(d);
  int rc = s.ok() ? 0 : SetError(cb, s);
  auto it = std::find_if(cb->tables.begin(), cb->tables.end(), [d](const auto& p) { return p.get() == d; });
  if (it != cb->tables.end()) cb->tables.erase(it);
  return rc;
}

// The first (last) record in the selected order, or in record order without
// a tag; r4eof with the table positioned past its end when it is empty.
static int GoToEnd(DATA4* d, bool last, const char* operation) {
  if (d == nullptr) return NullHandle(operation);
  Status s = FlushRecord(d);
  if (!s.ok()) return Fail(d, s);
  if (d->selected != nullptr) {
    NtxFile* ntx = d->selected->ntx.get();
    s = last ? ntx->Last() : ntx->First();
    if (s.ok() && ntx->valid()) s = LoadFromCursor(d);
    else if (s.ok()) {
      SetEndOfFile(d);
      d->bof = true;
      return r4eof;
    }
  } else if (d->dbf->recordCount() == 0) {
    SetEndOfFile(d);
    d->bof = true;
    return r4eof;
  } else {
    s = LoadRecord(d, last ? d->dbf->recordCount() : 1);
  }
  return s.ok() ? r4success : Fail(d, s);
}

int d4top(DATA4* d) { return GoToEnd(d, false, "d4top"); }

int d4bottom(DATA4* d) { return GoToEnd(d, true, "d4bottom"); }

int d4go(DATA4* d, long recNo) {
  if (d == nullptr) return NullHandle("d4go");
  Status s = FlushRecord(d);
  if (!s.ok()) return Fail(d, s);
  if (recNo < 1 || recNo > static_cast<long>(d->dbf->recordCount())) {
    SetError(d->cb, e4entry, "Record " + std::to_string(recNo) + " is not in " + d->dbfPath + " (" +
                                 std::to_string(d->dbf->recordCount()) + " records)");
    return r4entry;
  }
  SetRecord(d, static_cast<uint32_t>(recNo));
  return r4success;
}

// d4skip in the selected tag's order, on a table of count > 0 records.
static int SkipInTag(DATA4* d, long n, long count) {
  NtxFile* ntx = d->selected->ntx.get();
  long want = n;
  Status s;
  if (d->eof) {
    if (n >= 0) return r4eof;
    s = ntx->Last();  // the step from end of file onto the last entry
    ++want;
  } else if (!d->cursorSynced) {
    s = SyncCursor(d);
  }
  long moved = 0;
  ntx->SetWalkLimit(static_cast<uint64_t>(count));
  if (s.ok() && want != 0) s = ntx->Skip(want, &moved);
  if (!s.ok()) return Fail(d, s);
  if (want > 0 && moved < want) {
    SetEndOfFile(d);
    return r4eof;
  }
  if (want < 0 && moved < -want) {
    if (!ntx->valid()) s = ntx->First();
    if (s.ok()) s = LoadFromCursor(d);
    if (!s.ok()) return Fail(d, s);
    d->bof = true;
    return r4bof;
  }
  if (!ntx->valid()) {
    SetEndOfFile(d);
    return r4eof;
  }
  s = LoadFromCursor(d);
  return s.ok() ? r4success : Fail(d, s);
}

int d4skip(DATA4* d, long n) {
  if (d == nullptr) return NullHandle("d4skip");
  if (d->changed) {  // tested here too, so an unchanged record costs no status
    Status s = FlushRecord(d);
    if (!s.ok()) return Fail(d, s);
  }
  const long count = static_cast<long>(d->dbf->recordCount());
  if (count == 0) {
    SetEndOfFile(d);
    d->bof = true;
    return n < 0 ? r4bof : r4eof;
  }
  if (d->selected != nullptr) return SkipInTag(d, n, count);
  const long target = d->recno + n;
  if (target > count) {
    SetEndOfFile(d);
    return r4eof;
  }
  SetRecord(d, static_cast<uint32_t>(std::max(target, 1L)));
  d->bof = target < 1;
  return d->bof ? r4bof : r4success;
}

int d4seek(DATA4* d, const char* key) {
  if (d == nullptr) return NullHandle("d4seek");
  if (d->selected == nullptr)
    return SetError(d->cb, e4parm, "d4seek on " + d->dbfPath + " without a selected tag");
  Status s = FlushRecord(d);
  if (!s.ok()) return Fail(d, s);
  int result = r4eof;
  s = d->selected->ntx->Seek(key != nullptr ? key : "", &result);
  if (!s.ok()) return Fail(d, s);
  if (result == r4eof || !d->selected->ntx->valid()) {
    SetEndOfFile(d);
    return r4eof;
  }
  s = LoadFromCursor(d);
  return s.ok() ? result : Fail(d, s);
}

long d4recNo(DATA4* d) { return d == nullptr ? NullHandle("d4recNo") : d->recno; }

long d4recCountDo(DATA4* d) {
  return d == nullptr ? NullHandle("d4recCountDo") : static_cast<long>(d->dbf->recordCount());
}

int d4position2(DATA4* d, double* result) {
  if (d == nullptr || result == nullptr) return NullHandle("d4position2");
  Status s = FlushRecord(d);
  if (!s.ok()) return Fail(d, s);
  const long count = static_cast<long>(d->dbf->recordCount());
  if (count == 0) {
    *result = 0.0;
    return 0;
  }
  if (d->eof) {
    *result = 1.0;
    return 0;
  }
  if (d->selected == nullptr) {
    *result = static_cast<double>(d->recno - 1) / static_cast<double>(count);
    return 0;
  }
  s = SyncCursor(d);
  if (s.ok()) s = d->selected->ntx->Position(result);
  return s.ok() ? 0 : Fail(d, s);
}

int d4appendBlank(DATA4* d) {
  if (d == nullptr) return NullHandle("d4appendBlank");
  std::string blank = d->dbf->BlankRecord();
  uint32_t recno = 0;
  Status s = FlushAndAppend(d, blank.data(), &recno);
  if (recno == 0) return Fail(d, s);  // nothing appended
  Status first = s;  // a tag of the previous record out of step: reported, the append stands
  SetRecord(d, recno);  // forgets the memo texts of the record before
  d->record = blank;
  d->original = blank;
  d->loaded = true;
  if (d->dbt != nullptr)
    for (auto& f : d->fields) f->memoLoaded = f->desc.type == 'M';  // a new record has no memo
  for (auto& t : d->tags) {
    Status ts = t->ntx->Insert(t->expr.Evaluate(blank.data()), recno);
    if (!ts.ok() && first.ok()) first = ts;
  }
  return first.ok() ? 0 : Fail(d, first);
}

static int Mark(DATA4* d, char flag, const char* operation) {
  if (d == nullptr) return NullHandle(operation);
  if (d->eof || d->recno < 1) return 0;
  Status s = EnsureRecord(d);
  if (!s.ok()) return Fail(d, s);
  if (d->record[0] != flag) {
    d->record[0] = flag;
    d->changed = true;
  }
  return 0;
}

int d4delete(DATA4* d) { return Mark(d, DbfFile::kDeleted, "d4delete"); }
int d4recall(DATA4* d) { return Mark(d, DbfFile::kLive, "d4recall"); }

int d4deleted(DATA4* d) {
  if (d == nullptr) return NullHandle("d4deleted");
  Status s = EnsureRecord(d);
  if (!s.ok()) return Fail(d, s), 0;
  return d->record[0] == DbfFile::kDeleted ? 1 : 0;
}
