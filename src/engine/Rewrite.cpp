// Rewriting a table beside itself: pack, zap and memo compaction.
//
// Nothing is changed in place. Before anything is written the table is
// checked: a table that may not be written, whose header length disagrees
// with its fields, or whose file holds whole records past its count (which
// a rewrite would drop) is refused. Then the new files are written in full
// under temporary names next to the old ones, with the memo file compacted
// in the same pass (every memo of a kept record read, so a damaged memo
// stops the work here; a pack alone leaves the memo file and the pointers as
// they are), and synced; then they are renamed over the old
// files. The table's rename is the one commit point:
//
//   X.dbf.tbpack   -> X.dbf      (commit)
//   X.dbt.tbpack   -> X.dbt      (the kept memos, when the table has them)
//   tag.ntx.tbpack -> tag.ntx    (each open tag, when record numbers change)
//
// A failure before the commit (a damaged memo, a full disk, a failing
// rename) removes the temporary files and leaves every old file exactly as
// it was. A crash leaves the temporary files; the next d4open of the table,
// when nobody else has it open, finishes or discards the work
// (RecoverRewrites):
//   * X.dbf.tbpack still there -> not committed: remove every temporary
//     file, X.dbf.tbpack last, so an interrupted clean-up stays correct;
//   * X.dbf.tbpack gone        -> committed: rename the remaining ones.
// So the .dbf's memo pointers always go with the .dbt beside them, and the
// .ntx files with the record numbers of the .dbf. Earlier versions compacted
// memos apart from the pack, committing with the memo file (X.dbt.tbmemo,
// X.dbf.tbmemo); what they left is still finished or discarded here.
//
// The new files keep the permission bits (and, where permitted, owner and
// group) of the files they replace, and are locked as the old ones were
// before they are renamed, so another program never opens them unlocked.
#include <climits>
#include <cstring>

#include "Facade.h"
#include "Paths.h"

namespace tbengine {
namespace {

constexpr const char* kPackSuffix = ".tbpack";
constexpr const char* kMemoSuffix = ".tbmemo";
// What an interrupted index build leaves: NtxFile::Build writes path.tmp.
constexpr const char* kBuildSuffix = ".tmp";
// What an interrupted tag group write leaves (see Cgp.cpp).
constexpr const char* kGroupSuffix = ".tbnew";

void RemoveIfThere(Env* env, const std::string& path) {
  if (env->Exists(path)) env->Remove(path);
}

Status Renamed(Env* env, const std::string& from, const std::string& to) {
  IoStatus s = env->Rename(from, to);
  return s.ok() ? Status::Ok() : Status::Error(e4rename, s.message());
}

// Which records survive a rewrite.
using KeepFn = std::function<bool(uint32_t recno, const char* record)>;

// Refuses a table the rewrite would harm. what: "pack", ...
Status CheckRewritable(DATA4* d, const std::string& what) {
  const std::string refuse = "Cannot " + what + " " + d->dbfPath + ": ";
  if (d->dbf->readOnly() || (d->dbt && d->dbt->readOnly()))
    return Status::Error(e4write, refuse + "the file is write protected");
  if (!d->dbf->headerLengthAgrees())
    return Status::Error(e4data, refuse + "its header length " + std::to_string(d->dbf->headerLength()) +
                                     " at offset 8 disagrees with its fields (" +
                                     std::to_string(d->dbf->expectedHeaderLength()) + ")");
  uint64_t whole = 0;
  TB_RETURN_IF_ERROR(d->dbf->WholeRecords(&whole));
  const uint32_t count = d->dbf->recordCount();
  if (whole > count)
    return Status::Error(e4data, refuse + "the file holds " + std::to_string(whole - count) +
                                     " record(s) after the " + std::to_string(count) +
                                     " its header counts, which this would lose. Run \"tallowby-db repair " +
                                     BaseName(d->dbfPath) + "\" to count them, or restore a backup");
  return Status::Ok();
}

// Writes the kept records to X.dbf.tbpack, with their memos to
// X.dbt.tbpack when the table has a memo file, and (with rebuildTags) every
// open tag's entries to tag.ntx.tbpack; then commits. On success d works on
// the new files.
Status RewriteTable(DATA4* d, const KeepFn& keep, bool rebuildTags, bool compactMemo, const std::string& what) {
  Env* env = d->cb->env;
  TB_RETURN_IF_ERROR(FlushRecord(d));
  TB_RETURN_IF_ERROR(CheckRewritable(d, what));
  const bool memo = d->dbt != nullptr && compactMemo;
  const std::string tempDbf = d->dbfPath + kPackSuffix;
  const std::string tempDbt = memo ? d->dbtPath + kPackSuffix : "";
  std::vector<std::string> tempNtx;
  if (rebuildTags)
    for (auto& t : d->tags) tempNtx.push_back(t->ntx->path() + kPackSuffix);
  auto discard = [&] {
    for (const std::string& p : tempNtx) RemoveIfThere(env, p);
    if (memo) RemoveIfThere(env, tempDbt);
    RemoveIfThere(env, tempDbf);
  };
  std::vector<const FieldDesc*> memoFields;
  for (const FieldDesc& f : d->dbf->fields())
    if (f.type == 'M') memoFields.push_back(&f);

  const FileInfo dbfInfo = PermissionsOf(env, d->dbfPath);
  const FileInfo dbtInfo = memo ? PermissionsOf(env, d->dbtPath) : FileInfo();
  std::vector<FileInfo> ntxInfo;
  for (size_t i = 0; i < tempNtx.size(); ++i) ntxInfo.push_back(PermissionsOf(env, d->tags[i]->ntx->path()));

  std::unique_ptr<DbfWriter> table;
  std::unique_ptr<DbtWriter> memos;
  Status s = DbfWriter::Begin(env, tempDbf, d->dbf->headerBytes(), d->dbf->recordLength(), &table);
  if (s.ok() && memo) s = DbtWriter::Begin(env, tempDbt, &memos);
  std::vector<std::vector<NtxEntry>> entries(tempNtx.size());
  std::string record, text;
  if (s.ok()) {
    s = ForEachRecord(d, [&](uint32_t recno, const char* rec) {
      if (!keep(recno, rec)) return Status::Ok();
      record.assign(rec, static_cast<size_t>(d->dbf->recordLength()));
      for (const FieldDesc* f : memo ? memoFields : std::vector<const FieldDesc*>()) {
        char* field = record.data() + f->offset;
        uint32_t block = 0;
        Status ms = DbtFile::ParsePointer(field, f->width, d->dbfPath, &block);
        if (ms.ok() && block != 0) ms = d->dbt->Read(block, &text);
        if (!ms.ok())
          return Status::Error(ms.code(), ms.message() + " (record " + std::to_string(recno) + ", field " + f->name + ")");
        uint32_t newBlock = 0;
        if (block != 0 && !text.empty()) TB_RETURN_IF_ERROR(memos->Add(text, &newBlock));
        std::string pointer = DbtFile::FormatPointer(newBlock, f->width);
        std::memcpy(field, pointer.data(), pointer.size());
      }
      TB_RETURN_IF_ERROR(table->Add(record.data()));
      for (size_t i = 0; i < entries.size(); ++i)
        entries[i].push_back(NtxEntry{d->tags[i]->expr.Evaluate(record.data()), table->count()});
      return Status::Ok();
    });
  }
  std::unique_ptr<File> newDbf, newDbt;
  if (s.ok() && memo) s = memos->Finish(&newDbt);
  if (s.ok()) s = table->Finish(&newDbf);
  table.reset();
  memos.reset();
  if (s.ok()) s = GivePermissions(newDbf.get(), dbfInfo);
  if (s.ok() && memo) s = GivePermissions(newDbt.get(), dbtInfo);
  if (s.ok()) s = LockFile(newDbf.get(), d->lock);
  if (s.ok() && memo) s = LockFile(newDbt.get(), d->lock);
  for (size_t i = 0; s.ok() && i < tempNtx.size(); ++i) {
    const NtxFile& ntx = *d->tags[i]->ntx;
    s = NtxFile::Build(env, tempNtx[i], ntx.expression(), ntx.keyLength(), ntx.keyDecimals(), std::move(entries[i]));
    if (s.ok()) s = GivePermissions(env, tempNtx[i], ntxInfo[i]);
  }
  if (s.ok()) s = Renamed(env, tempDbf, d->dbfPath);
  if (!s.ok()) {
    newDbf.reset();
    newDbt.reset();
    discard();
    return s;
  }

  // Committed: the table is the new file from here on. Should a later
  // rename fail, the next d4open finishes it.
  Status first = DbfFile::Adopt(std::move(newDbf), d->dbfPath, &d->dbf);
  if (memo) {
    Status ms = Renamed(env, tempDbt, d->dbtPath);
    if (ms.ok()) ms = DbtFile::Adopt(std::move(newDbt), d->dbtPath, &d->dbt);
    if (!ms.ok() && first.ok()) first = ms;
    d->memoCompact = true;
  }
  for (size_t i = 0; i < tempNtx.size(); ++i) {
    TAG4* t = d->tags[i].get();
    const std::string path = t->ntx->path();
    Status ts = Renamed(env, tempNtx[i], path);
    if (ts.ok()) ts = NtxFile::Open(env, path, &t->ntx);
    if (!ts.ok() && first.ok()) first = ts;
  }
  d->cursorSynced = false;
  if (!first.ok()) return first;
  if (!rebuildTags) {  // the same records: stay where we were
    if (d->eof || d->recno < 1) return Status::Ok();
    return LoadRecord(d, static_cast<uint32_t>(d->recno));
  }
  if (d->dbf->recordCount() == 0) {
    SetEndOfFile(d);
    d->bof = true;
    return Status::Ok();
  }
  if (d->selected != nullptr) {
    TB_RETURN_IF_ERROR(d->selected->ntx->First());
    if (d->selected->ntx->valid()) return LoadRecord(d, d->selected->ntx->recno());
  }
  return LoadRecord(d, 1);
}

}  // namespace

std::vector<std::string> StaleTempFiles(Env* env, const std::vector<std::string>& ntxPaths, const std::string& cgpPath) {
  std::vector<std::string> out;
  for (const std::string& p : ntxPaths)
    for (const std::string& t : {p + kBuildSuffix, p + kPackSuffix + kBuildSuffix})
      if (env->Exists(t)) out.push_back(t);
  if (!cgpPath.empty() && env->Exists(cgpPath + kGroupSuffix)) out.push_back(cgpPath + kGroupSuffix);
  return out;
}

bool HasRewriteLeftovers(Env* env, const std::string& dbfPath, const std::string& dbtPath,
                         const std::vector<std::string>& ntxPaths, const std::string& cgpPath) {
  if (env->Exists(dbfPath + kPackSuffix) || env->Exists(dbfPath + kMemoSuffix)) return true;
  if (!dbtPath.empty() && (env->Exists(dbtPath + kMemoSuffix) || env->Exists(dbtPath + kPackSuffix))) return true;
  for (const std::string& p : ntxPaths)
    if (env->Exists(p + kPackSuffix)) return true;
  return !StaleTempFiles(env, ntxPaths, cgpPath).empty();
}

void RecoverRewrites(Env* env, const std::string& dbfPath, const std::string& dbtPath,
                     const std::vector<std::string>& ntxPaths, const std::string& cgpPath) {
  // Half-written index and tag group files: whoever wrote them is gone.
  for (const std::string& p : StaleTempFiles(env, ntxPaths, cgpPath)) env->Remove(p);
  // A memo compaction of an earlier version (committed with the .dbt).
  if (!dbtPath.empty() && env->Exists(dbtPath + kMemoSuffix)) {
    RemoveIfThere(env, dbfPath + kMemoSuffix);
    RemoveIfThere(env, dbtPath + kMemoSuffix);
  } else if (env->Exists(dbfPath + kMemoSuffix)) {
    env->Rename(dbfPath + kMemoSuffix, dbfPath);
  }
  if (env->Exists(dbfPath + kPackSuffix)) {
    for (const std::string& p : ntxPaths) RemoveIfThere(env, p + kPackSuffix);
    if (!dbtPath.empty()) RemoveIfThere(env, dbtPath + kPackSuffix);
    RemoveIfThere(env, dbfPath + kPackSuffix);
  } else {
    if (!dbtPath.empty() && env->Exists(dbtPath + kPackSuffix)) env->Rename(dbtPath + kPackSuffix, dbtPath);
    for (const std::string& p : ntxPaths)
      if (env->Exists(p + kPackSuffix)) env->Rename(p + kPackSuffix, p);
  }
}

}  // namespace tbengine

using namespace tbengine;

int d4pack(DATA4* d) {
  if (d == nullptr) return NullHandle("d4pack");
  Status s = RewriteTable(d, [](uint32_t, const char* rec) { return rec[0] != DbfFile::kDeleted; }, true, false, "pack");
  return s.ok() ? 0 : SetError(d->cb, s);
}

int d4packCompress(DATA4* d) {
  if (d == nullptr) return NullHandle("d4packCompress");
  Status s = RewriteTable(d, [](uint32_t, const char* rec) { return rec[0] != DbfFile::kDeleted; }, true, true, "pack");
  return s.ok() ? 0 : SetError(d->cb, s);
}

int d4zap(DATA4* d, long start, long count) {
  if (d == nullptr) return NullHandle("d4zap");
  if (start < 1 || count < 0) return SetError(d->cb, e4parm, "d4zap: invalid range on " + d->dbfPath);
  const long end = count > LONG_MAX - start ? LONG_MAX : start + count;  // first record kept after the range
  Status s = RewriteTable(
      d, [start, end](uint32_t recno, const char*) { return static_cast<long>(recno) < start || static_cast<long>(recno) >= end; },
      true, true, "remove records from");
  return s.ok() ? 0 : SetError(d->cb, s);
}

int d4memoCompress(DATA4* d) {
  if (d == nullptr) return NullHandle("d4memoCompress");
  // A pack compacts the memo file with the table; once is enough.
  if (!d->dbt || d->memoCompact) {
    Status s = FlushRecord(d);
    return s.ok() ? 0 : SetError(d->cb, s);
  }
  Status s = RewriteTable(d, [](uint32_t, const char*) { return true; }, false, true, "compact the memo file of");
  return s.ok() ? 0 : SetError(d->cb, s);
}
