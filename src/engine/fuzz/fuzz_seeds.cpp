// Writes the starting corpus of each fuzz target: sound files of each kind,
// made by the engine itself where it can make them.
//   fuzz_seeds OUTDIR   ->  OUTDIR/dbf, OUTDIR/dbt, OUTDIR/ntx
#include <filesystem>
#include <fstream>
#include <iterator>

#include "FuzzSupport.h"
#include "Ntx.h"
#include "tbengine/env.h"

namespace fs = std::filesystem;

namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

int Fail(const char* what) {
  std::fprintf(stderr, "fuzz_seeds: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail("usage: fuzz_seeds OUTDIR");
  const fs::path out = argv[1];
  for (const char* kind : {"dbf", "dbt", "ntx"}) fs::create_directories(out / kind);
  const std::string dir = fuzz::ScratchDir();

  // Tables: the fixed one with and without memo pointers.
  std::vector<int> blocks;
  for (int i = 0; i < fuzz::kRecords; ++i) blocks.push_back(1 + i % 9);
  fuzz::WriteFile((out / "dbf/plain.dbf").string(), fuzz::TableBytes({}));
  fuzz::WriteFile((out / "dbf/memos.dbf").string(), fuzz::TableBytes(blocks));

  // A memo file with one short memo in each of blocks 1-9, and one the
  // engine writes (memos spanning blocks, rewritten ones).
  std::string dbt = fuzz::EmptyMemoBytes();
  dbt[0] = 10;
  for (int b = 1; b <= 9; ++b) {
    std::string block = "Memo text of block " + std::to_string(b) + "\x1a\x1a";
    block.resize(512, '\0');
    dbt += block;
  }
  fuzz::WriteFile((out / "dbt/short.dbt").string(), dbt);

  fuzz::WriteFile(dir + "/T.dbf", fuzz::TableBytes({}));
  fuzz::WriteFile(dir + "/T.dbt", fuzz::EmptyMemoBytes());
  std::remove((dir + "/T.cgp").c_str());
  CODE4* cb = fuzz::StartEngine(false, false);
  DATA4* d = d4open(cb, "T");
  if (d == nullptr) return Fail(code4errorText(cb).c_str());
  FIELD4* notes = d4field(d, "NOTES");
  for (int r = 1; r <= 9; ++r) {
    d4go(d, r);
    f4memoAssign(notes, std::string(static_cast<size_t>(r) * 150, static_cast<char>('a' + r)).c_str());
  }
  d4go(d, 1);
  f4memoAssign(notes, "rewritten");
  TAG4INFO tags[] = {{"T", "Upper(NAME)+Str(NUM,6)", nullptr, 0, 0}, {"NUMS", "NUM", nullptr, 0, 0},
                     {"NAMES", "NAME", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
  if (i4create(d, "T", tags) == nullptr) return Fail(code4errorText(cb).c_str());
  code4initUndoP(cb);
  fs::copy_file(dir + "/T.dbt", out / "dbt/engine.dbt", fs::copy_options::overwrite_existing);
  fuzz::WriteFile((out / "dbf/engine.dbf").string(), Slurp(dir + "/T.dbf"));

  // Indexes: as built, and rebuilt with two or three keys a page for deep trees.
  for (const char* name : {"T", "NUMS", "NAMES"}) {
    const std::string path = dir + "/" + name + ".ntx";
    fs::copy_file(path, out / "ntx" / (std::string(name) + ".ntx"), fs::copy_options::overwrite_existing);
    std::unique_ptr<tbengine::NtxFile> ntx;
    if (!tbengine::NtxFile::Open(tbengine::Env::Default(), path, &ntx).ok()) return Fail("cannot reopen an index");
    std::vector<tbengine::NtxEntry> entries;
    (void)ntx->ForEach([&](const std::string& k, uint32_t r) { entries.push_back({k, r}); });
    for (int m : {2, 3}) {
      const std::string deep = (out / "ntx" / (std::string(name) + "-m" + std::to_string(m) + ".ntx")).string();
      if (!tbengine::NtxFile::Build(tbengine::Env::Default(), deep, ntx->expression(), ntx->keyLength(),
                                    ntx->keyDecimals(), entries, m)
               .ok())
        return Fail("cannot build a deep index");
    }
  }
  fs::remove_all(dir);
  return 0;
}
