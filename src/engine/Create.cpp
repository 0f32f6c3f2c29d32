// d4create: writes a new, empty table (and its empty memo file). Used by the
// data tool and the tests; the program itself never creates a table.
#include <cctype>

#include "Facade.h"
#include "Paths.h"

using tbengine::DbfFile;
using tbengine::DbtFile;
using tbengine::FieldDesc;
using tbengine::FieldList;
using tbengine::Status;

namespace {
constexpr uint8_t kWindowsAnsi = 0x03;
}

int d4create(CODE4* cb, const char* fileName, const FIELD4INFO* fields) {
  if (cb == nullptr || fileName == nullptr || fields == nullptr) return tbengine::NullHandle("d4create");
  std::string name = fileName;
  const std::string stem = tbengine::StemOf(name);
  if (stem == name) name += ".dbf";

  FieldList list;
  bool memo = false;
  for (const FIELD4INFO* f = fields; f->name != nullptr; ++f) {
    FieldDesc d;
    for (const char* c = f->name; *c; ++c) d.name += static_cast<char>(std::toupper(static_cast<unsigned char>(*c)));
    d.type = f->type;
    d.width = f->len;
    d.decimals = f->dec;
    memo = memo || f->type == 'M';
    list.push_back(d);
  }

  tbengine::Env* env = cb->env;
  const std::string dbf = tbengine::ResolveNoCase(env, cb->dir, name);
  const std::string dbt = tbengine::ResolveNoCase(env, cb->dir, stem + ".dbt");
  if (cb->safety && (env->Exists(dbf) || (memo && env->Exists(dbt)))) {
    return tbengine::SetError(cb, e4create, "Cannot create " + dbf + ": the file exists");
  }
  Status s = DbfFile::Create(env, dbf, list, kWindowsAnsi);
  if (s.ok() && memo) {
    s = DbtFile::Create(env, dbt);
    if (!s.ok()) env->Remove(dbf);
  }
  return tbengine::SetError(cb, s);
}
