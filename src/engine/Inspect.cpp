// Single index files for the data tool, and the integrity check of a table
// with its open tags.
#include <algorithm>
#include <unordered_map>

#include "Facade.h"
#include "Paths.h"
#include "tbengine/inspect.h"

using namespace tbengine;

namespace {

constexpr size_t kMaxLinesPerKind = 10;

// Collects problem lines of one kind, keeping the first few and a count.
class Lines {
 public:
  Lines(std::vector<std::string>* out) : out_(out) {}
  ~Lines() {
    if (dropped_ > 0) out_->push_back("... and " + std::to_string(dropped_) + " more like the above");
  }
  void Add(const std::string& line) {
    if (kept_ < kMaxLinesPerKind) {
      out_->push_back(line);
      ++kept_;
    } else {
      ++dropped_;
    }
  }

 private:
  std::vector<std::string>* out_;
  size_t kept_ = 0, dropped_ = 0;
};

std::string Printable(const std::string& key) {
  std::string out;
  for (unsigned char c : key) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", c);
      out += hex;
    }
  }
  return "\"" + out + "\"";
}

std::string TagPath(DATA4* d, const char* path) {
  std::string p = path != nullptr ? path : "";
  if (!p.empty() && p[0] == '/') return p;
  std::string full = JoinPath(d->dir, p);
  return ResolveNoCase(d->cb->env, DirName(full), BaseName(full));
}

void CheckMemos(DATA4* d, std::vector<std::string>* problems) {
  std::vector<const FieldDesc*> memoFields;
  for (const FieldDesc& f : d->dbf->fields())
    if (f.type == 'M') memoFields.push_back(&f);
  if (memoFields.empty()) return;
  if (d->dbt) {
    Status hs = d->dbt->Check(problems);
    if (!hs.ok()) problems->push_back(hs.message());
  }
  Lines lines(problems);
  Lines shared(problems);
  std::unordered_map<uint32_t, uint32_t> owner;  // memo block -> first record pointing at it
  std::string text;
  Status s = ForEachRecord(d, [&](uint32_t recno, const char* rec) {
    for (const FieldDesc* f : memoFields) {
      const std::string where = " (record " + std::to_string(recno) + ", field " + f->name + ")";
      uint32_t block = 0;
      Status ps = DbtFile::ParsePointer(rec + f->offset, f->width, d->dbfPath, &block);
      if (ps.ok() && block != 0) {
        if (!d->dbt) ps = Status::Error(e4memo, d->dbfPath + " has memo references but no memo file");
        else ps = d->dbt->Read(block, &text);
      }
      if (!ps.ok()) lines.Add(ps.message() + where);
      if (ps.ok() && block != 0) {
        auto [it, fresh] = owner.emplace(block, recno);
        if (!fresh)
          shared.Add(d->dbfPath + ": records " + std::to_string(it->second) + " and " + std::to_string(recno) +
                     " point at the same memo block " + std::to_string(block) + " of " + d->dbtPath);
      }
    }
    return Status::Ok();
  });
  if (!s.ok()) lines.Add(s.message());
}

void CheckTags(DATA4* d, std::vector<std::string>* problems) {
  if (d->tags.empty()) return;
  std::vector<const KeyExpr*> exprs;
  for (auto& t : d->tags) exprs.push_back(&t->expr);
  std::vector<std::vector<NtxEntry>> fromTable;
  Status s = CollectKeys(d, exprs, &fromTable);
  if (!s.ok()) {
    problems->push_back(s.message());
    return;
  }
  auto less = [](const NtxEntry& a, const NtxEntry& b) { return a.key != b.key ? a.key < b.key : a.recno < b.recno; };
  for (size_t i = 0; i < d->tags.size(); ++i) {
    NtxFile& ntx = *d->tags[i]->ntx;
    uint64_t count = 0;
    s = ntx.Check(problems, &count);
    if (!s.ok()) {
      problems->push_back(s.message());
      continue;
    }
    std::vector<NtxEntry> fromIndex;
    fromIndex.reserve(static_cast<size_t>(count));
    s = ntx.ForEach([&](const std::string& key, uint32_t recno) { fromIndex.push_back(NtxEntry{key, recno}); });
    if (!s.ok()) {
      problems->push_back(s.message());
      continue;
    }
    if (fromIndex.size() != d->dbf->recordCount())
      problems->push_back(ntx.path() + ": holds " + std::to_string(fromIndex.size()) + " entries for " +
                          std::to_string(d->dbf->recordCount()) + " records of " + d->dbfPath);
    std::vector<NtxEntry>& expected = fromTable[i];
    std::sort(expected.begin(), expected.end(), less);
    std::sort(fromIndex.begin(), fromIndex.end(), less);
    Lines lines(problems);
    size_t a = 0, b = 0;
    while (a < expected.size() || b < fromIndex.size()) {
      if (b == fromIndex.size() || (a < expected.size() && less(expected[a], fromIndex[b]))) {
        lines.Add(ntx.path() + ": record " + std::to_string(expected[a].recno) + " with key " +
                  Printable(expected[a].key) + " is missing from the index");
        ++a;
      } else if (a == expected.size() || less(fromIndex[b], expected[a])) {
        lines.Add(ntx.path() + ": entry for record " + std::to_string(fromIndex[b].recno) + " with key " +
                  Printable(fromIndex[b].key) + " does not match the table");
        ++b;
      } else {
        ++a;
        ++b;
      }
    }
  }
}

}  // namespace

TAG4* t4openFile(DATA4* d, const char* path) {
  if (d == nullptr) return NullHandle("t4openFile"), nullptr;
  Status s = FlushRecord(d);
  TAG4* tag = nullptr;
  if (s.ok()) s = OpenTag(d, TagPath(d, path), &tag);
  if (!s.ok()) return SetError(d->cb, s), nullptr;
  return tag;
}

TAG4* t4createFile(DATA4* d, const char* path, const char* expr) {
  if (d == nullptr) return NullHandle("t4createFile"), nullptr;
  CODE4* cb = d->cb;
  const std::string file = TagPath(d, path);
  Status s = FlushRecord(d);
  if (!s.ok()) return SetError(cb, s), nullptr;
  if (cb->safety && cb->env->Exists(file)) return SetError(cb, e4create, "File " + file + " already exists"), nullptr;
  KeyExpr compiled;
  s = KeyExpr::Compile(expr != nullptr ? expr : "", d->dbf->fields(), &compiled);
  std::vector<NtxKeys> entries;
  if (s.ok()) s = CollectBuildKeys(d, {&compiled}, &entries);
  if (s.ok()) {
    for (auto& open : d->tags)
      if (open->ntx->path() == file) {
        CloseTag(d, open.get());
        break;
      }
    s = NtxFile::Build(cb->env, file, compiled.text(), compiled.keyLength(), compiled.keyDecimals(), std::move(entries[0]));
  }
  TAG4* tag = nullptr;
  if (s.ok()) s = OpenTag(d, file, &tag);
  if (!s.ok()) return SetError(cb, s), nullptr;
  return tag;
}

const char* t4name(TAG4* t) { return t == nullptr ? "" : t->name.c_str(); }
const char* t4expr(TAG4* t) { return t == nullptr ? "" : t->ntx->expression().c_str(); }
int t4keyLen(TAG4* t) { return t == nullptr ? 0 : t->ntx->keyLength(); }

int t4keys(TAG4* t, const std::function<void(uint32_t recNo, const std::string& key)>& fn) {
  if (t == nullptr) return NullHandle("t4keys");
  Status s = FlushRecord(t->data);
  if (s.ok()) s = t->ntx->ForEach([&](const std::string& key, uint32_t recno) { fn(recno, key); });
  t->data->cursorSynced = false;
  return s.ok() ? 0 : SetError(t->data->cb, s);
}

std::string t4keyOfCurrent(TAG4* t) {
  if (t == nullptr) return std::string();
  Status s = EnsureRecord(t->data);  // blanks, with the error pending, when it cannot be read
  if (!s.ok()) SetError(t->data->cb, s);
  return t->expr.Evaluate(t->data->record.data());
}

int t4keysOfFile(CODE4* cb, const char* path, const std::function<void(uint32_t recNo, const std::string& key)>& fn) {
  if (cb == nullptr) return NullHandle("t4keysOfFile");
  std::unique_ptr<NtxFile> ntx;
  const std::string p = path != nullptr ? path : "";
  Status s = NtxFile::Open(cb->env, p[0] == '/' ? p : JoinPath(cb->dir, p), &ntx);
  if (s.ok()) s = ntx->ForEach([&](const std::string& key, uint32_t recno) { fn(recno, key); });
  return s.ok() ? 0 : SetError(cb, s);
}

int d4check(DATA4* d, std::vector<std::string>* problems) {
  if (d == nullptr || problems == nullptr) return NullHandle("d4check");
  const size_t before = problems->size();
  Status s = FlushRecord(d);
  if (!s.ok()) problems->push_back(s.message());
  s = d->dbf->Check(problems);
  if (!s.ok()) problems->push_back(s.message());
  if (!d->cgpPath.empty() && d->groupTags == 0) problems->push_back(d->cgpPath + ": the tag group file names no tags");
  CheckMemos(d, problems);
  CheckTags(d, problems);
  d->cursorSynced = false;
  return static_cast<int>(problems->size() - before);
}

int d4verifyTags(DATA4* d) {
  if (d == nullptr) return NullHandle("d4verifyTags");
  Status s = FlushRecord(d);
  if (!s.ok()) return SetError(d->cb, s);
  for (auto& t : d->tags) {
    uint64_t entries = 0;
    s = t->ntx->Verify(d->dbf->recordCount(), &entries);
    if (s.ok() && entries != d->dbf->recordCount())
      s = Status::CorruptIndex(t->ntx->path(), "holds " + std::to_string(entries) + " entries for the " +
                                                    std::to_string(d->dbf->recordCount()) + " records of " + d->dbfPath);
    if (!s.ok()) return SetError(d->cb, s);
  }
  return 0;
}
