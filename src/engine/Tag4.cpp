// Tags: opening .ntx files on a table, selecting one, and writing a tag
// group (i4create).
#include <algorithm>

#include "Bytes.h"
#include "Cgp.h"
#include "Facade.h"
#include "Paths.h"

namespace tbengine {

Status OpenTag(DATA4* d, const std::string& path, TAG4** out) {
  auto tag = std::make_unique<TAG4>();
  tag->data = d;
  tag->name = StemOf(BaseName(path));
  TB_RETURN_IF_ERROR(NtxFile::Open(d->cb->env, path, &tag->ntx));
  Status s = KeyExpr::Compile(tag->ntx->expression(), d->dbf->fields(), &tag->expr);
  if (!s.ok()) return Status::CorruptIndex(path, s.message());
  if (tag->expr.keyLength() != tag->ntx->keyLength())
    return Status::CorruptIndex(path, "key length " + std::to_string(tag->ntx->keyLength()) + " differs from " +
                                          std::to_string(tag->expr.keyLength()) + ", the length of its expression " +
                                          tag->ntx->expression() + " on " + d->dbfPath);
  d->tags.push_back(std::move(tag));
  *out = d->tags.back().get();
  return Status::Ok();
}

void CloseTag(DATA4* d, TAG4* tag) {
  if (d->selected == tag) {
    d->selected = nullptr;
    d->cursorSynced = false;
  }
  auto it = std::find_if(d->tags.begin(), d->tags.end(), [tag](const auto& p) { return p.get() == tag; });
  if (it != d->tags.end()) d->tags.erase(it);
}

}  // namespace tbengine

using namespace tbengine;

TAG4* d4tag(DATA4* d, const char* name) {
  if (d == nullptr) return NullHandle("d4tag"), nullptr;
  if (name != nullptr)
    for (auto& t : d->tags)
      if (EqualNoCase(t->name, name)) return t.get();
  SetError(d->cb, e4tagName, std::string("Tag ") + (name ? name : "(null)") + " is not open on " + d->dbfPath);
  return nullptr;
}

void d4tagSelect(DATA4* d, TAG4* tag) {
  if (d == nullptr) return;
  if (tag != nullptr && tag->data != d) {
    SetError(d->cb, e4parm, "d4tagSelect: tag " + tag->name + " belongs to another table");
    return;
  }
  d->selected = tag;
  d->cursorSynced = false;
}

TAG4* d4tagSelected(DATA4* d) { return d == nullptr ? nullptr : d->selected; }

INDEX4* i4create(DATA4* d, const char* name, const TAG4INFO* tags) {
  if (d == nullptr) return NullHandle("i4create"), nullptr;
  CODE4* cb = d->cb;
  Env* env = cb->env;
  if (name == nullptr || !ValidTagName(name) || tags == nullptr)
    return SetError(cb, e4parm, "i4create: invalid tag group name"), nullptr;
  Status s = FlushRecord(d);
  if (!s.ok()) return SetError(cb, s), nullptr;

  struct Planned {
    std::string name, path;
    KeyExpr expr;
  };
  std::vector<Planned> planned;
  for (const TAG4INFO* t = tags; t->name != nullptr; ++t) {
    if (!ValidTagName(t->name)) return SetError(cb, e4tagName, std::string("Invalid tag name '") + t->name + "'"), nullptr;
    if ((t->filter != nullptr && *t->filter != '\0') || t->unique != 0 || t->descending != 0)
      return SetError(cb, e4parm, std::string("Tag ") + t->name + ": filters, unique and descending tags are not supported"),
             nullptr;
    for (const Planned& p : planned)
      if (EqualNoCase(p.name, t->name)) return SetError(cb, e4tagName, std::string("Tag ") + t->name + " appears twice"), nullptr;
    Planned p;
    p.name = t->name;
    p.path = ResolveNoCase(env, d->dir, p.name + ".ntx");
    s = KeyExpr::Compile(t->expression != nullptr ? t->expression : "", d->dbf->fields(), &p.expr);
    if (!s.ok()) return SetError(cb, s), nullptr;
    planned.push_back(std::move(p));
  }
  const std::string cgpPath = ResolveNoCase(env, d->dir, std::string(name) + ".cgp");
  if (cb->safety) {
    if (env->Exists(cgpPath)) return SetError(cb, e4create, "File " + cgpPath + " already exists"), nullptr;
    for (const Planned& p : planned)
      if (env->Exists(p.path)) return SetError(cb, e4create, "File " + p.path + " already exists"), nullptr;
  }

  std::vector<const KeyExpr*> exprs;
  for (const Planned& p : planned) exprs.push_back(&p.expr);
  std::vector<NtxKeys> entries;
  s = CollectBuildKeys(d, exprs, &entries);
  std::vector<std::string> names;
  for (size_t i = 0; s.ok() && i < planned.size(); ++i) {
    const Planned& p = planned[i];
    // A tag of the same file that is open now is replaced by the new one.
    for (auto& open : d->tags)
      if (EqualNoCase(BaseName(open->ntx->path()), BaseName(p.path))) {
        CloseTag(d, open.get());
        break;
      }
    const FileInfo before = PermissionsOf(env, p.path);  // a rebuilt file keeps its mode
    s = NtxFile::Build(env, p.path, p.expr.text(), p.expr.keyLength(), p.expr.keyDecimals(), std::move(entries[i]));
    if (s.ok()) s = GivePermissions(env, p.path, before);
    names.push_back(p.name);
  }
  if (s.ok()) s = WriteTagGroup(env, cgpPath, names);
  for (size_t i = 0; s.ok() && i < planned.size(); ++i) {
    TAG4* tag = nullptr;
    s = OpenTag(d, planned[i].path, &tag);
    if (s.ok()) tag->name = planned[i].name;
  }
  if (!s.ok()) return SetError(cb, s), nullptr;
  auto index = std::make_unique<INDEX4>();
  index->data = d;
  index->name = name;
  d->indexes.push_back(std::move(index));
  return d->indexes.back().get();
}
