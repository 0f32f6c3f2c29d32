// Rewriting a table beside itself: pack, zap and memo compaction.
//
// Nothing is changed in place. The new files are written in full under
// temporary names next to the old ones and synced; then they are renamed
// over the old files. The first rename is the commit point:
//
//   pack / zap       X.dbf.tbpack  -> X.dbf        (commit)
//                    tag.ntx.tbpack -> tag.ntx     (each open tag)
//   memo compaction  X.dbt.tbmemo  -> X.dbt        (commit)
//                    X.dbf.tbmemo  -> X.dbf        (the new memo pointers)
//
// A failure before the commit (a full disk, a failing rename) removes the
// temporary files and leaves the old files exactly as they were. A crash
// leaves the temporary files; the next d4open of the table, when nobody else
// has it open, finishes or discards the work (RecoverRewrites):
//   * commit file still there -> not committed: remove every temporary file
//     (the later ones first, so an interrupted clean-up stays correct);
//   * commit file gone        -> committed: rename the remaining ones.
// So the .dbf's memo pointers always go with the .dbt beside them, and the
// .ntx files with the record numbers of the .dbf (a crash between the renames
// of a pack can at worst leave an index to be rebuilt, never a table).
//
// The new table file is locked as the old one was before it is renamed, so
// another program never opens it unlocked.
#include <climits>
#include <cstring>

#include "Facade.h"
#include "Paths.h"

namespace tbengine {
namespace {

constexpr const char* kPackSuffix = ".tbpack";
constexpr const char* kMemoSuffix = ".tbmemo";

void RemoveIfThere(Env* env, const std::string& path) {
  if (env->Exists(path)) env->Remove(path);
}

Status Renamed(Env* env, const std::string& from, const std::string& to) {
  IoStatus s = env->Rename(from, to);
  return s.ok() ? Status::Ok() : Status::Error(e4rename, s.message());
}

// Which records survive a rewrite.
using KeepFn = std::function<bool(uint32_t recno, const char* record)>;

// Writes the kept records to X.dbf.tbpack and every open tag's entries to
// tag.ntx.tbpack, then commits. On success d works on the new files.
Status RewriteTable(DATA4* d, const KeepFn& keep) {
  Env* env = d->cb->env;
  TB_RETURN_IF_ERROR(FlushRecord(d));
  const std::string tempDbf = d->dbfPath + kPackSuffix;
  std::vector<std::string> tempNtx;
  for (auto& t : d->tags) tempNtx.push_back(t->ntx->path() + kPackSuffix);
  auto discard = [&] {
    for (const std::string& p : tempNtx) RemoveIfThere(env, p);
    RemoveIfThere(env, tempDbf);
  };

  std::unique_ptr<DbfWriter> writer;
  Status s = DbfWriter::Begin(env, tempDbf, d->dbf->headerBytes(), d->dbf->recordLength(), &writer);
  std::vector<std::vector<NtxEntry>> entries(d->tags.size());
  if (s.ok()) {
    s = ForEachRecord(d, [&](uint32_t recno, const char* rec) {
      if (!keep(recno, rec)) return Status::Ok();
      TB_RETURN_IF_ERROR(writer->Add(rec));
      for (size_t i = 0; i < d->tags.size(); ++i) entries[i].push_back(NtxEntry{d->tags[i]->expr.Evaluate(rec), writer->count()});
      return Status::Ok();
    });
  }
  std::unique_ptr<File> newFile;
  if (s.ok()) s = writer->Finish(&newFile);
  writer.reset();
  if (s.ok()) s = LockFile(newFile.get(), d->lock);
  for (size_t i = 0; s.ok() && i < d->tags.size(); ++i) {
    const NtxFile& ntx = *d->tags[i]->ntx;
    s = NtxFile::Build(env, tempNtx[i], ntx.expression(), ntx.keyLength(), ntx.keyDecimals(), std::move(entries[i]));
  }
  if (s.ok()) s = Renamed(env, tempDbf, d->dbfPath);
  if (!s.ok()) {
    newFile.reset();
    discard();
    return s;
  }

  // Committed: the table is the new file from here on.
  Status first = DbfFile::Adopt(std::move(newFile), d->dbfPath, &d->dbf);
  for (size_t i = 0; i < d->tags.size(); ++i) {
    TAG4* t = d->tags[i].get();
    const std::string path = t->ntx->path();
    Status ts = Renamed(env, tempNtx[i], path);
    if (ts.ok()) ts = NtxFile::Open(env, path, &t->ntx);
    if (!ts.ok() && first.ok()) first = ts;
  }
  d->cursorSynced = false;
  if (!first.ok()) return first;
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

Status CompressMemo(DATA4* d) {
  Env* env = d->cb->env;
  TB_RETURN_IF_ERROR(FlushRecord(d));
  if (!d->dbt) return Status::Ok();
  const std::string tempDbt = d->dbtPath + kMemoSuffix;
  const std::string tempDbf = d->dbfPath + kMemoSuffix;
  auto discard = [&] {
    RemoveIfThere(env, tempDbf);
    RemoveIfThere(env, tempDbt);
  };
  std::vector<const FieldDesc*> memoFields;
  for (const FieldDesc& f : d->dbf->fields())
    if (f.type == 'M') memoFields.push_back(&f);

  std::unique_ptr<DbtWriter> memos;
  std::unique_ptr<DbfWriter> table;
  Status s = DbtWriter::Begin(env, tempDbt, &memos);
  if (s.ok()) s = DbfWriter::Begin(env, tempDbf, d->dbf->headerBytes(), d->dbf->recordLength(), &table);
  std::string record, text;
  if (s.ok()) {
    s = ForEachRecord(d, [&](uint32_t recno, const char* rec) {
      record.assign(rec, static_cast<size_t>(d->dbf->recordLength()));
      for (const FieldDesc* f : memoFields) {
        uint32_t block = 0;
        char* field = record.data() + f->offset;
        TB_RETURN_IF_ERROR(DbtFile::ParsePointer(field, f->width, d->dbfPath, &block));
        if (block == 0) continue;
        Status rs = d->dbt->Read(block, &text);
        if (!rs.ok())
          return Status::Error(rs.code(), rs.message() + " (record " + std::to_string(recno) + ", field " + f->name + ")");
        uint32_t newBlock = 0;
        if (!text.empty()) TB_RETURN_IF_ERROR(memos->Add(text, &newBlock));
        std::string pointer = DbtFile::FormatPointer(newBlock, f->width);
        std::memcpy(field, pointer.data(), pointer.size());
      }
      return table->Add(record.data());
    });
  }
  std::unique_ptr<File> newDbt, newDbf;
  if (s.ok()) s = memos->Finish(&newDbt);
  if (s.ok()) s = table->Finish(&newDbf);
  memos.reset();
  table.reset();
  if (s.ok()) s = LockFile(newDbt.get(), d->lock);
  if (s.ok()) s = LockFile(newDbf.get(), d->lock);
  if (s.ok()) s = Renamed(env, tempDbt, d->dbtPath);
  if (!s.ok()) {
    newDbt.reset();
    newDbf.reset();
    discard();
    return s;
  }
  // Committed. Should the second rename fail, this session goes on with the
  // new table file under its temporary name; the next d4open renames it.
  Status first = Renamed(env, tempDbf, d->dbfPath);
  Status s2 = DbtFile::Adopt(std::move(newDbt), d->dbtPath, &d->dbt);
  if (s2.ok()) s2 = DbfFile::Adopt(std::move(newDbf), d->dbfPath, &d->dbf);
  if (first.ok()) first = s2;
  d->cursorSynced = false;
  if (!first.ok()) return first;
  if (d->eof || d->recno < 1) return Status::Ok();
  return LoadRecord(d, static_cast<uint32_t>(d->recno));
}

}  // namespace

void RecoverRewrites(Env* env, const std::string& dbfPath, const std::string& dbtPath,
                     const std::vector<std::string>& ntxPaths) {
  if (!dbtPath.empty() && env->Exists(dbtPath + kMemoSuffix)) {
    RemoveIfThere(env, dbfPath + kMemoSuffix);
    RemoveIfThere(env, dbtPath + kMemoSuffix);
  } else if (env->Exists(dbfPath + kMemoSuffix)) {
    env->Rename(dbfPath + kMemoSuffix, dbfPath);
  }
  if (env->Exists(dbfPath + kPackSuffix)) {
    for (const std::string& p : ntxPaths) RemoveIfThere(env, p + kPackSuffix);
    RemoveIfThere(env, dbfPath + kPackSuffix);
  } else {
    for (const std::string& p : ntxPaths)
      if (env->Exists(p + kPackSuffix)) env->Rename(p + kPackSuffix, p);
  }
}

}  // namespace tbengine

using namespace tbengine;

int d4pack(DATA4* d) {
  if (d == nullptr) return NullHandle("d4pack");
  Status s = RewriteTable(d, [](uint32_t, const char* rec) { return rec[0] != DbfFile::kDeleted; });
  return s.ok() ? 0 : SetError(d->cb, s);
}

int d4zap(DATA4* d, long start, long count) {
  if (d == nullptr) return NullHandle("d4zap");
  if (start < 1 || count < 0) return SetError(d->cb, e4parm, "d4zap: invalid range on " + d->dbfPath);
  const long end = count > LONG_MAX - start ? LONG_MAX : start + count;  // first record kept after the range
  Status s = RewriteTable(d, [start, end](uint32_t recno, const char*) {
    return static_cast<long>(recno) < start || static_cast<long>(recno) >= end;
  });
  return s.ok() ? 0 : SetError(d->cb, s);
}

int d4memoCompress(DATA4* d) {
  if (d == nullptr) return NullHandle("d4memoCompress");
  Status s = CompressMemo(d);
  return s.ok() ? 0 : SetError(d->cb, s);
}
