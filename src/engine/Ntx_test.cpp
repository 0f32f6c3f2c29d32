#include "Ntx.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>

#include "NtxPage.h"

namespace tbengine {
namespace {

namespace fs = std::filesystem;
using Entry = std::pair<std::string, uint32_t>;  // ordered like the index

class TempDir {
 public:
  TempDir() {
    static int serial = 0;
    path_ = fs::temp_directory_path() /
            ("tb_ntx_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    fs::create_directories(path_);
  }
  ~TempDir() { fs::remove_all(path_); }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}
uint16_t U16(const std::string& b, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8);
}
uint32_t U32(const std::string& b, size_t at) { return U16(b, at) | static_cast<uint32_t>(U16(b, at + 2)) << 16; }
void PutU32At(std::string* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) (*b)[at + i] = static_cast<char>(v >> (8 * i));
}

std::string NumKey(int v, int width = 6) {
  std::string s = std::to_string(v);
  return std::string(width - s.size(), ' ') + s;
}

// For loop clauses, where ASSERT cannot stand.
bool Good(const Status& s) {
  EXPECT_TRUE(s.ok()) << s.message();
  return s.ok();
}

std::vector<NtxEntry> ToEntries(const std::set<Entry>& model) {
  std::vector<NtxEntry> out;
  for (const auto& [k, r] : model) out.push_back({k, r});
  return out;
}

std::vector<Entry> ListAll(NtxFile* f) {
  std::vector<Entry> out;
  Status s = f->ForEach([&](const std::string& k, uint32_t r) { out.emplace_back(k, r); });
  EXPECT_TRUE(s.ok()) << s.message();
  return out;
}

void ExpectSound(NtxFile* f, size_t entries) {
  std::vector<std::string> problems;
  uint64_t count = 0;
  Status s = f->Check(&problems, &count);
  ASSERT_TRUE(s.ok()) << s.message();
  for (const auto& p : problems) ADD_FAILURE() << p;
  EXPECT_EQ(count, entries);
}

std::unique_ptr<NtxFile> BuildAndOpen(const std::string& path, const std::set<Entry>& model, int keyLength,
                                      int maxKeys = 0) {
  Status s = NtxFile::Build(Env::Default(), path, "KEY", keyLength, 0, ToEntries(model), maxKeys);
  EXPECT_TRUE(s.ok()) << s.message();
  std::unique_ptr<NtxFile> f;
  s = NtxFile::Open(Env::Default(), path, &f);
  EXPECT_TRUE(s.ok()) << s.message();
  return f;
}

// Counts page reads, to show that an operation touches O(log n) pages.
class CountingEnv : public Env {
 public:
  explicit CountingEnv(Env* base) : base_(base) {}
  IoStatus Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) override {
    std::unique_ptr<File> f;
    IoStatus s = base_->Open(path, mode, &f);
    if (s.ok()) *out = std::make_unique<CountingFile>(this, std::move(f));
    return s;
  }
  bool Exists(const std::string& path) override { return base_->Exists(path); }
  IoStatus Remove(const std::string& path) override { return base_->Remove(path); }
  IoStatus Rename(const std::string& a, const std::string& b) override { return base_->Rename(a, b); }
  IoStatus List(const std::string& d, std::vector<std::string>* n) override { return base_->List(d, n); }
  long reads = 0;

 private:
  class CountingFile : public File {
   public:
    CountingFile(CountingEnv* env, std::unique_ptr<File> f) : env_(env), f_(std::move(f)) {}
    IoStatus ReadAt(uint64_t o, void* b, size_t n, size_t* got) override {
      ++env_->reads;
      return f_->ReadAt(o, b, n, got);
    }
    IoStatus WriteAt(uint64_t o, const void* b, size_t n) override { return f_->WriteAt(o, b, n); }
    IoStatus Size(uint64_t* s) override { return f_->Size(s); }
    IoStatus Truncate(uint64_t s) override { return f_->Truncate(s); }
    IoStatus Sync() override { return f_->Sync(); }
    IoStatus Lock(bool x) override { return f_->Lock(x); }
    const std::string& path() const override { return f_->path(); }

   private:
    CountingEnv* env_;
    std::unique_ptr<File> f_;
  };
  Env* base_;
};

// ---- Layout -----------------------------------------------------------------

TEST(NtxTest, PageCapacityFollowsTheUsualFormula) {
  EXPECT_EQ(NtxMaxKeys(6), 62);
  EXPECT_EQ(NtxMaxKeys(8), 54);
  EXPECT_EQ(NtxMaxKeys(10), 50);
  EXPECT_EQ(NtxMaxKeys(20), 32);
  EXPECT_EQ(NtxMaxKeys(256), 2);
}

TEST(NtxTest, EmptyIndexHasTheHeaderOtherReadersExpect) {
  TempDir dir;
  std::string path = dir.File("inv.ntx");
  ASSERT_TRUE(NtxFile::Build(Env::Default(), path, "Str(IvNo,6,0)", 6, 0, {}).ok());
  std::string b = ReadBytes(path);
  ASSERT_EQ(b.size(), 2048u);
  EXPECT_EQ(U16(b, 0), 6);      // signature
  EXPECT_EQ(U16(b, 2), 1);      // version
  EXPECT_EQ(U32(b, 4), 1024u);  // root
  EXPECT_EQ(U32(b, 8), 0u);     // no free list
  EXPECT_EQ(U16(b, 12), 14);    // item size
  EXPECT_EQ(U16(b, 14), 6);     // key size
  EXPECT_EQ(U16(b, 18), 62);    // max keys
  EXPECT_EQ(U16(b, 20), 31);    // half page
  EXPECT_EQ(std::string(b.c_str() + 22), "Str(IvNo,6,0)");
  EXPECT_EQ(b.substr(278, 1024 - 278), std::string(1024 - 278, '\0'));
  EXPECT_EQ(U16(b, 1024), 0);  // root with no keys
  for (int s = 0; s <= 62; ++s) EXPECT_EQ(U16(b, 1024 + 2 + 2 * s), 128 + s * 14) << s;

  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(Env::Default(), path, &f).ok());
  EXPECT_EQ(f->expression(), "Str(IvNo,6,0)");
  ASSERT_TRUE(f->First().ok());
  EXPECT_FALSE(f->valid());
  int result = -1;
  ASSERT_TRUE(f->Seek("", &result).ok());
  EXPECT_EQ(result, r4eof);
  ExpectSound(f.get(), 0);
}

TEST(NtxTest, BuildSplitsIntoEvenLeavesOnlyPastOnePage) {
  TempDir dir;
  std::set<Entry> model;
  for (int i = 1; i <= 62; ++i) model.insert({NumKey(i), static_cast<uint32_t>(i)});
  auto f = BuildAndOpen(dir.File("a.ntx"), model, 6);
  EXPECT_EQ(ReadBytes(dir.File("a.ntx")).size(), 2048u);  // M keys: one leaf
  model.insert({NumKey(63), 63});
  f = BuildAndOpen(dir.File("a.ntx"), model, 6);
  std::string b = ReadBytes(dir.File("a.ntx"));
  ASSERT_EQ(b.size(), 4096u);  // two leaves of 31 and a root of one
  EXPECT_EQ(U16(b, 1024), 31);
  EXPECT_EQ(U16(b, 2048), 31);
  uint32_t root = U32(b, 4);
  EXPECT_EQ(root, 3072u);
  EXPECT_EQ(U16(b, root), 1);
  size_t rightItem = root + U16(b, root + 2 + 2 * 1);
  EXPECT_NE(U32(b, rightItem), 0u);     // rightmost child
  EXPECT_EQ(U32(b, rightItem + 4), 0u);  // and no record number beside it
  EXPECT_EQ(ListAll(f.get()), std::vector<Entry>(model.begin(), model.end()));
}

TEST(NtxTest, BuildOrdersEqualKeysByRecordNumber) {
  TempDir dir;
  std::vector<NtxEntry> entries;
  for (uint32_t r = 300; r >= 1; --r) entries.push_back({r % 3 ? "B" : "A", r});
  ASSERT_TRUE(NtxFile::Build(Env::Default(), dir.File("e.ntx"), "X", 1, 0, entries, 4).ok());
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(Env::Default(), dir.File("e.ntx"), &f).ok());
  auto all = ListAll(f.get());
  ASSERT_EQ(all.size(), 300u);
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  ExpectSound(f.get(), 300);
}

// Keys up to 64 bytes are sorted whole inside the sort records; longer ones
// (70, 100) compare their tail from the packed keys.
TEST(NtxTest, BuildSortsLongKeysThatDifferOnlyAtTheEnd) {
  for (int length : {24, 70, 100}) {
    SCOPED_TRACE("key length " + std::to_string(length));
    TempDir dir;
    std::mt19937 rng(21);
    std::vector<NtxEntry> entries;
    std::set<Entry> model;
    for (uint32_t r = 1; r <= 3000; ++r) {
      std::string key = std::string(length - 4, 'S') + NumKey(static_cast<int>(rng() % 500), 4);
      key[rng() % 2 ? 3 : length - 7] = static_cast<char>(rng() % 2 ? '\xe9' : 'A');  // bytes above 0x7f sort high
      entries.push_back({key, r});
      model.insert({key, r});
    }
    std::shuffle(entries.begin(), entries.end(), rng);
    ASSERT_TRUE(NtxFile::Build(Env::Default(), dir.File("long.ntx"), "X", length, 0, entries).ok());
    std::unique_ptr<NtxFile> f;
    ASSERT_TRUE(NtxFile::Open(Env::Default(), dir.File("long.ntx"), &f).ok());
    EXPECT_EQ(ListAll(f.get()), std::vector<Entry>(model.begin(), model.end()));
    ExpectSound(f.get(), model.size());
    entries.push_back(entries[5]);
    EXPECT_EQ(NtxFile::Build(Env::Default(), dir.File("long.ntx"), "X", length, 0, entries).code(), e4parm);
  }
}

TEST(NtxTest, BuildRefusesKeysOfTheWrongSize) {
  TempDir dir;
  Status s = NtxFile::Build(Env::Default(), dir.File("w.ntx"), "X", 6, 0, {{"12345", 1}});
  EXPECT_EQ(s.code(), e4parm);
  EXPECT_FALSE(fs::exists(dir.File("w.ntx")));
}

TEST(NtxTest, FailedBuildLeavesTheOldFileIntact) {
  TempDir dir;
  std::string path = dir.File("keep.ntx");
  std::set<Entry> model;
  for (int i = 0; i < 500; ++i) model.insert({NumKey(i), static_cast<uint32_t>(i + 1)});
  BuildAndOpen(path, model, 6);
  std::string before = ReadBytes(path);
  // Enough keys for more than one buffered write of pages, then the header.
  for (int i = 500; i < 100000; ++i) model.insert({NumKey(i), static_cast<uint32_t>(i + 1)});
  FaultEnv counting(Env::Default());
  ASSERT_TRUE(NtxFile::Build(&counting, dir.File("count.ntx"), "KEY", 6, 0, ToEntries(model)).ok());
  ASSERT_GE(counting.writeCalls(), 3);
  for (int n = 1; n <= counting.writeCalls(); ++n) {
    FaultEnv faulty(Env::Default());
    faulty.FailWritesAfter(n, ENOSPC);
    Status s = NtxFile::Build(&faulty, path, "KEY", 6, 0, ToEntries(model));
    EXPECT_EQ(s.code(), e4write) << "write " << n;
    EXPECT_EQ(ReadBytes(path), before) << "write " << n;
    EXPECT_FALSE(fs::exists(path + ".tmp"));
  }
}

// ---- Changes against a model --------------------------------------------------

// Random inserts and removes with many equal keys; after every batch the
// tree must pass the checker and list exactly the model, in both directions.
void RunModel(int maxKeys, int ops, unsigned seed) {
  SCOPED_TRACE("M=" + std::to_string(maxKeys));
  TempDir dir;
  std::mt19937 rng(seed);
  std::set<Entry> model;
  uint32_t nextRec = 1;
  auto randomKey = [&] { return NumKey(static_cast<int>(rng() % 60), 4); };
  for (int i = 0; i < 150; ++i) model.insert({randomKey(), nextRec++});
  auto f = BuildAndOpen(dir.File("m.ntx"), model, 4, maxKeys);
  ASSERT_TRUE(f);
  ExpectSound(f.get(), model.size());
  for (int op = 1; op <= ops; ++op) {
    bool grow = model.size() < 20 || rng() % 100 < (model.size() > 600 ? 35 : 60);
    if (grow) {
      // Mostly new records; sometimes a record comes back under another key.
      Entry e{randomKey(), rng() % 4 ? nextRec++ : static_cast<uint32_t>(rng() % nextRec + 1)};
      if (model.count(e)) continue;
      Status s = f->Insert(e.first, e.second);
      ASSERT_TRUE(s.ok()) << s.message();
      model.insert(e);
    } else {
      auto it = std::next(model.begin(), rng() % model.size());
      Status s = f->Remove(it->first, it->second);
      ASSERT_TRUE(s.ok()) << s.message();
      model.erase(it);
    }
    if (op % 200 == 0 || op == ops) {
      ExpectSound(f.get(), model.size());
      std::vector<Entry> expected(model.begin(), model.end());
      ASSERT_EQ(ListAll(f.get()), expected);
      std::vector<Entry> forward, backward;
      long moved = 0;
      for (Good(f->First()); f->valid(); Good(f->Skip(1, &moved)))
        forward.emplace_back(f->key(), f->recno());
      EXPECT_EQ(forward, expected);
      ASSERT_TRUE(f->Last().ok());
      while (f->valid()) {
        backward.emplace_back(f->key(), f->recno());
        ASSERT_TRUE(f->Skip(-1, &moved).ok());
        if (moved == 0) break;  // stayed on the first entry
      }
      std::reverse(backward.begin(), backward.end());
      EXPECT_EQ(backward, expected);
    }
  }
  // Reopening reads back the same tree from the file.
  f.reset();
  ASSERT_TRUE(NtxFile::Open(Env::Default(), dir.File("m.ntx"), &f).ok());
  EXPECT_EQ(ListAll(f.get()), std::vector<Entry>(model.begin(), model.end()));
  // Emptying the tree leaves an empty root.
  for (const Entry& e : model) ASSERT_TRUE(f->Remove(e.first, e.second).ok());
  ExpectSound(f.get(), 0);
  ASSERT_TRUE(f->Insert("   1", 7).ok());
  EXPECT_EQ(ListAll(f.get()), (std::vector<Entry>{{"   1", 7}}));
}

TEST(NtxTest, RandomChangesKeepTheTreeEqualToAModel) {
  RunModel(2, 3000, 1);
  RunModel(3, 3000, 2);
  RunModel(4, 3000, 3);
  RunModel(7, 2000, 4);
  RunModel(0, 3000, 5);
}

TEST(NtxTest, InsertPlacesEqualKeysByRecordNumber) {
  TempDir dir;
  auto f = BuildAndOpen(dir.File("q.ntx"), {}, 2, 2);
  for (uint32_t r = 40; r >= 1; --r) ASSERT_TRUE(f->Insert(r % 2 ? "AA" : "AB", r).ok());
  auto all = ListAll(f.get());
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  ExpectSound(f.get(), 40);
}

TEST(NtxTest, BadChangesAreRefused) {
  TempDir dir;
  auto f = BuildAndOpen(dir.File("r.ntx"), {{"AB", 1}, {"AC", 2}}, 2);
  EXPECT_EQ(f->Insert("AB", 1).code(), e4index);
  EXPECT_EQ(f->Remove("AB", 2).code(), e4index);
  EXPECT_EQ(f->Remove("ZZ", 1).code(), e4index);
  EXPECT_EQ(f->Insert("ABC", 3).code(), e4parm);
  EXPECT_EQ(ListAll(f.get()), (std::vector<Entry>{{"AB", 1}, {"AC", 2}}));
}

// ---- Cursor -------------------------------------------------------------------

TEST(NtxTest, SeekMatchesPrefixesAndReportsAfterAndEnd) {
  TempDir dir;
  std::set<Entry> model = {{"ABC  ", 4}, {"ABD  ", 2}, {"ABD  ", 9}, {"B    ", 1}, {"SMITH", 3}};
  auto f = BuildAndOpen(dir.File("s.ntx"), model, 5, 2);
  int rc = -1;
  ASSERT_TRUE(f->Seek("AB", &rc).ok());
  EXPECT_EQ(rc, r4success);
  EXPECT_EQ(f->recno(), 4u);
  ASSERT_TRUE(f->Seek("ABD", &rc).ok());
  EXPECT_EQ(rc, r4success);
  EXPECT_EQ(f->recno(), 2u);  // the first of equal keys
  ASSERT_TRUE(f->Seek("ABE", &rc).ok());
  EXPECT_EQ(rc, r4after);
  EXPECT_EQ(f->recno(), 1u);
  ASSERT_TRUE(f->Seek("B ", &rc).ok());  // trailing blanks count
  EXPECT_EQ(rc, r4success);
  ASSERT_TRUE(f->Seek("SM", &rc).ok());
  EXPECT_EQ(rc, r4success);
  EXPECT_EQ(f->recno(), 3u);
  ASSERT_TRUE(f->Seek("SMITHSON", &rc).ok());  // cut to the key size
  EXPECT_EQ(rc, r4success);
  ASSERT_TRUE(f->Seek("T", &rc).ok());
  EXPECT_EQ(rc, r4eof);
  EXPECT_FALSE(f->valid());
  ASSERT_TRUE(f->Seek("", &rc).ok());
  EXPECT_EQ(rc, r4success);
  EXPECT_EQ(f->recno(), 4u);
}

TEST(NtxTest, SeekAgreesWithAModelOnDeepTrees) {
  TempDir dir;
  std::mt19937 rng(11);
  std::set<Entry> model;
  for (uint32_t r = 1; r <= 3000; ++r) model.insert({NumKey(static_cast<int>(rng() % 5000), 5), r});
  auto f = BuildAndOpen(dir.File("d.ntx"), model, 5, 3);
  for (int i = 0; i < 2000; ++i) {
    std::string text = NumKey(static_cast<int>(rng() % 5100), 5).substr(0, 1 + rng() % 5);
    auto it = std::find_if(model.begin(), model.end(),
                           [&](const Entry& e) { return e.first.compare(0, text.size(), text) >= 0; });
    int rc = -1;
    ASSERT_TRUE(f->Seek(text, &rc).ok());
    if (it == model.end()) {
      EXPECT_EQ(rc, r4eof) << text;
      continue;
    }
    EXPECT_EQ(rc, it->first.compare(0, text.size(), text) == 0 ? r4success : r4after) << text;
    EXPECT_EQ(f->recno(), it->second) << text;
  }
}

TEST(NtxTest, SkipStopsAtTheEnds) {
  TempDir dir;
  std::set<Entry> model;
  for (int i = 1; i <= 10; ++i) model.insert({NumKey(i, 2), static_cast<uint32_t>(i)});
  auto f = BuildAndOpen(dir.File("k.ntx"), model, 2, 2);
  long moved = 0;
  ASSERT_TRUE(f->First().ok());
  ASSERT_TRUE(f->Skip(-1, &moved).ok());
  EXPECT_EQ(moved, 0);
  ASSERT_TRUE(f->valid());
  EXPECT_EQ(f->recno(), 1u);
  ASSERT_TRUE(f->Skip(3, &moved).ok());
  EXPECT_EQ(moved, 3);
  EXPECT_EQ(f->recno(), 4u);
  ASSERT_TRUE(f->Skip(-5, &moved).ok());
  EXPECT_EQ(moved, 3);
  EXPECT_EQ(f->recno(), 1u);
  ASSERT_TRUE(f->Skip(20, &moved).ok());
  EXPECT_EQ(moved, 9);
  EXPECT_FALSE(f->valid());
  ASSERT_TRUE(f->Skip(-1, &moved).ok());  // back from past the end
  EXPECT_EQ(moved, 1);
  EXPECT_EQ(f->recno(), 10u);
  ASSERT_TRUE(f->Skip(-100, &moved).ok());
  EXPECT_EQ(moved, 9);
  EXPECT_EQ(f->recno(), 1u);
}

TEST(NtxTest, LongSkipsLandWhereSteppingWould) {
  TempDir dir;
  std::mt19937 rng(5);
  std::set<Entry> model;
  for (uint32_t r = 1; r <= 4000; ++r) model.insert({NumKey(static_cast<int>(rng() % 900), 3), r});
  auto f = BuildAndOpen(dir.File("l.ntx"), model, 3, 4);
  std::vector<Entry> all(model.begin(), model.end());
  const long n = static_cast<long>(all.size());
  for (int i = 0; i < 300; ++i) {
    if (i % 50 == 49) {  // changes must not leave stale counts behind
      Entry e{NumKey(static_cast<int>(rng() % 900), 3), static_cast<uint32_t>(5000 + i)};
      ASSERT_TRUE(f->Insert(e.first, e.second).ok());
      all.insert(std::lower_bound(all.begin(), all.end(), e), e);
      auto victim = all.begin() + rng() % all.size();
      ASSERT_TRUE(f->Remove(victim->first, victim->second).ok());
      all.erase(victim);
    }
    long from = static_cast<long>(rng() % n);
    long by = static_cast<long>(rng() % (2 * n)) - n;
    bool found = false;
    ASSERT_TRUE(f->Find(all[from].first, all[from].second, &found).ok());
    ASSERT_TRUE(found);
    long moved = 0;
    ASSERT_TRUE(f->Skip(by, &moved).ok());
    long to = from + by;
    if (to >= n) {
      EXPECT_FALSE(f->valid());
      EXPECT_EQ(moved, n - 1 - from);
    } else {
      long expect = std::max(to, 0L);
      ASSERT_TRUE(f->valid());
      EXPECT_EQ((Entry{f->key(), f->recno()}), all[expect]) << from << " + " << by;
      EXPECT_EQ(moved, std::abs(expect - from));
    }
  }
}

TEST(NtxTest, FindPositionsOnTheExactEntry) {
  TempDir dir;
  std::set<Entry> model;
  for (uint32_t r = 1; r <= 500; ++r) model.insert({r % 2 ? "ODD" : "EVN", r});
  auto f = BuildAndOpen(dir.File("f.ntx"), model, 3, 4);
  bool found = false;
  ASSERT_TRUE(f->Find("ODD", 251, &found).ok());
  EXPECT_TRUE(found);
  EXPECT_EQ(f->recno(), 251u);
  long moved = 0;
  ASSERT_TRUE(f->Skip(1, &moved).ok());
  EXPECT_EQ(f->recno(), 253u);
  ASSERT_TRUE(f->Find("ODD", 252, &found).ok());
  EXPECT_FALSE(found);
  EXPECT_FALSE(f->valid());
}

TEST(NtxTest, PositionRisesStrictlyAndStaysCloseToTheRank) {
  TempDir dir;
  for (int size : {1, 50, 700, 20000}) {
    SCOPED_TRACE(size);
    std::set<Entry> model;
    for (int i = 0; i < size; ++i) model.insert({NumKey(i, 8), static_cast<uint32_t>(i + 1)});
    auto f = BuildAndOpen(dir.File("p.ntx"), model, 8, size == 700 ? 4 : 0);
    // Some changes so the tree is not only a fresh build.
    for (int i = 5; i < size; i += 10) ASSERT_TRUE(f->Remove(NumKey(i, 8), i + 1).ok());
    uint64_t count = 0;
    std::vector<std::string> problems;
    ASSERT_TRUE(f->Check(&problems, &count).ok());
    ASSERT_TRUE(problems.empty());
    double last = -1, worst = 0;
    long k = 0, moved = 0;
    for (Good(f->First()); f->valid(); Good(f->Skip(1, &moved)), ++k) {
      double pos = 0;
      ASSERT_TRUE(f->Position(&pos).ok());
      EXPECT_GT(pos, last);
      EXPECT_LT(pos, 1.0);
      worst = std::max(worst, std::abs(pos - static_cast<double>(k) / count));
      last = pos;
    }
    EXPECT_LT(worst, size == 700 ? 0.1 : 0.02);
    double end = 0;
    ASSERT_TRUE(f->Position(&end).ok());
    EXPECT_EQ(end, 1.0);
  }
}

TEST(NtxTest, SeekFindSkipAndChangesReadFewPages) {
  TempDir dir;
  std::set<Entry> model;
  for (int i = 0; i < 60000; ++i) model.insert({NumKey(i * 2, 7), static_cast<uint32_t>(i + 1)});
  BuildAndOpen(dir.File("big.ntx"), model, 7, 4);  // 7 levels
  CountingEnv counting(Env::Default());
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(&counting, dir.File("big.ntx"), &f).ok());
  const long depth = 7;
  std::mt19937 rng(3);
  for (int i = 0; i < 50; ++i) {
    int v = static_cast<int>(rng() % 120000);
    long before = counting.reads;
    int rc = 0;
    ASSERT_TRUE(f->Seek(NumKey(v, 7), &rc).ok());
    EXPECT_LE(counting.reads - before, depth);
    before = counting.reads;
    long moved = 0;
    ASSERT_TRUE(f->Skip(1, &moved).ok());
    ASSERT_TRUE(f->Skip(-1, &moved).ok());
    EXPECT_LE(counting.reads - before, 2 * depth);
    before = counting.reads;
    ASSERT_TRUE(f->Insert(NumKey(v | 1, 7), 100000 + i).ok());
    EXPECT_LE(counting.reads - before, 2 * depth);
    before = counting.reads;
    ASSERT_TRUE(f->Remove(NumKey(v | 1, 7), 100000 + i).ok());
    EXPECT_LE(counting.reads - before, 3 * depth);
    before = counting.reads;
    bool found = false;
    ASSERT_TRUE(f->Find(NumKey(v & ~1, 7), v / 2 + 1, &found).ok());
    EXPECT_TRUE(found);
    EXPECT_LE(counting.reads - before, depth);
  }
}

TEST(NtxTest, LongSkipCountsOnlyThePagesItPasses) {
  TempDir dir;
  std::set<Entry> model;
  for (int i = 0; i < 60000; ++i) model.insert({NumKey(i, 7), static_cast<uint32_t>(i + 1)});
  BuildAndOpen(dir.File("skip.ntx"), model, 7, 4);  // about 17 000 pages
  CountingEnv counting(Env::Default());
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(&counting, dir.File("skip.ntx"), &f).ok());
  long moved = 0;
  ASSERT_TRUE(f->First().ok());
  long before = counting.reads;
  ASSERT_TRUE(f->Skip(1000, &moved).ok());
  EXPECT_EQ(f->recno(), 1001u);
  EXPECT_LT(counting.reads - before, 600);  // 1000 entries span about 250 leaves
  ASSERT_TRUE(f->First().ok());
  before = counting.reads;
  ASSERT_TRUE(f->Skip(1000, &moved).ok());  // counted already
  EXPECT_LE(counting.reads - before, 7);
  EXPECT_EQ(f->recno(), 1001u);
}

// A walk by one reads its pages in runs (a build writes the leaves in key
// order), not one read call per page, going either way; the index has more
// pages than are kept in memory.
TEST(NtxTest, WalksReadTheirPagesInRuns) {
  TempDir dir;
  std::set<Entry> model;
  for (int i = 0; i < 60000; ++i) model.insert({NumKey(i, 7), static_cast<uint32_t>(i + 1)});
  BuildAndOpen(dir.File("walk.ntx"), model, 7, 4);  // about 17 000 pages
  const long pages = static_cast<long>(fs::file_size(dir.File("walk.ntx")) / 1024);
  for (int direction : {1, -1}) {
    CountingEnv counting(Env::Default());
    std::unique_ptr<NtxFile> f;
    ASSERT_TRUE(NtxFile::Open(&counting, dir.File("walk.ntx"), &f).ok());
    ASSERT_TRUE((direction > 0 ? f->First() : f->Last()).ok());
    long moved = 0, steps = 0;
    while (f->valid() && Good(f->Skip(direction, &moved)) && moved == 1) ++steps;
    EXPECT_EQ(steps, 59999);
    EXPECT_LT(counting.reads, pages / 8) << "direction " << direction;
  }
}

// Two keys out of order inside one page end a walk with an index error,
// going either way, as keys out of order across pages do.
TEST(NtxTest, KeysOutOfOrderInsideAPageEndTheWalk) {
  TempDir dir;
  std::set<Entry> model;
  for (int i = 1; i <= 100; ++i) model.insert({NumKey(i, 4), static_cast<uint32_t>(i)});
  const std::string path = dir.File("order.ntx");
  BuildAndOpen(path, model, 4, 4);
  std::string b = ReadBytes(path);
  const size_t leaf = 1024;  // a build writes the first leaf first
  const size_t key0 = leaf + U16(b, leaf + 2) + 8, key1 = leaf + U16(b, leaf + 4) + 8;
  std::swap_ranges(b.begin() + key0, b.begin() + key0 + 4, b.begin() + key1);
  WriteBytes(path, b);
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(Env::Default(), path, &f).ok());
  long moved = 0;
  ASSERT_TRUE(f->First().ok());
  Status s = f->Skip(1, &moved);
  EXPECT_EQ(s.code(), e4index);
  EXPECT_NE(s.message().find("keys out of order"), std::string::npos) << s.message();
  ASSERT_TRUE(f->Last().ok());
  do s = f->Skip(-1, &moved);
  while (s.ok() && moved == 1);
  EXPECT_EQ(s.code(), e4index);
  EXPECT_NE(s.message().find("keys out of order"), std::string::npos) << s.message();
}

// ---- Files from other writers ---------------------------------------------------

// Other writers keep equal keys in insertion order and permute the offset
// table; both must still read, and removal must still find its entry.
TEST(NtxTest, ForeignOrderOfEqualKeysAndPermutedSlotsAreRead) {
  TempDir dir;
  std::string path = dir.File("o.ntx");
  BuildAndOpen(path, {{"AA", 1}, {"AA", 2}, {"AA", 3}}, 2);
  std::string b = ReadBytes(path);
  // Leaf at 1024: swap the offset-table entries of items 0 and 2 and the
  // record numbers, giving the order (AA,3) (AA,2) (AA,1).
  std::string t0 = b.substr(1026, 2);
  b.replace(1026, 2, b.substr(1030, 2));
  b.replace(1030, 2, t0);
  WriteBytes(path, b);
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(Env::Default(), path, &f).ok());
  EXPECT_EQ(ListAll(f.get()), (std::vector<Entry>{{"AA", 3}, {"AA", 2}, {"AA", 1}}));
  std::vector<std::string> problems;
  uint64_t count = 0;
  ASSERT_TRUE(f->Check(&problems, &count).ok());
  EXPECT_FALSE(problems.empty());  // equal keys out of record-number order
  ASSERT_TRUE(f->Remove("AA", 3).ok());
  ASSERT_TRUE(f->Remove("AA", 1).ok());
  EXPECT_EQ(ListAll(f.get()), (std::vector<Entry>{{"AA", 2}}));
}

// ---- Corrupt files ----------------------------------------------------------------

// Every operation on the file must end with a status, never a crash or a hang.
void Exercise(const std::string& path, bool expectCorrupt) {
  std::unique_ptr<NtxFile> f;
  Status s = NtxFile::Open(Env::Default(), path, &f);
  bool sawCorrupt = s.code() == e4index;
  if (!s.ok()) {
    EXPECT_EQ(s.code(), e4index) << s.message();
    EXPECT_NE(s.message().find(path), std::string::npos) << s.message();
    return;
  }
  auto note = [&](const Status& st) {
    if (!st.ok()) {
      EXPECT_TRUE(st.code() == e4index || st.code() == e4parm) << st.message();
      sawCorrupt = true;
    }
  };
  note(f->ForEach([](const std::string&, uint32_t) {}));
  std::vector<std::string> problems;
  uint64_t count = 0;
  note(f->Check(&problems, &count));
  if (!problems.empty()) sawCorrupt = true;
  long moved = 0;
  int rc = 0;
  double pos = 0;
  note(f->First());
  for (int i = 0; i < 300 && f->valid(); ++i) note(f->Skip(1, &moved));
  note(f->Last());
  for (int i = 0; i < 300 && f->valid(); ++i) note(f->Skip(-1, &moved));
  note(f->Skip(-1000, &moved));
  note(f->Seek("5", &rc));
  if (f->valid()) note(f->Position(&pos));
  note(f->Skip(500, &moved));
  note(f->Insert(std::string(f->keyLength(), '5'), 99999));
  note(f->Remove(std::string(f->keyLength(), '5'), 99999));
  note(f->Remove(std::string(f->keyLength(), '3'), 3));
  if (expectCorrupt) {
    EXPECT_TRUE(sawCorrupt);
  }
}

std::string SmallTree(const TempDir& dir, int entries, int maxKeys) {
  std::set<Entry> model;
  for (int i = 1; i <= entries; ++i) model.insert({NumKey(i, 4), static_cast<uint32_t>(i)});
  std::string path = dir.File("c.ntx");
  BuildAndOpen(path, model, 4, maxKeys);
  return path;
}

TEST(NtxTest, DamagedHeaderIsReported) {
  TempDir dir;
  std::string path = SmallTree(dir, 100, 4);
  const std::string good = ReadBytes(path);
  struct Damage {
    size_t at;
    uint32_t value;
    int bytes;
  } damages[] = {
      {0, 5, 2},         // signature
      {0, 7, 2},         // FOR condition
      {4, 0, 4},         // root none
      {4, 1000, 4},      // root not on a page
      {4, 1 << 20, 4},   // root past the end
      {12, 13, 2},       // item size
      {14, 0, 2},        // key size 0
      {14, 300, 2},      // key size too large
      {18, 0, 2},        // no keys per page
      {18, 200, 2},      // more keys than fit
  };
  for (const Damage& d : damages) {
    std::string b = good;
    for (int i = 0; i < d.bytes; ++i) b[d.at + i] = static_cast<char>(d.value >> (8 * i));
    WriteBytes(path, b);
    std::unique_ptr<NtxFile> f;
    Status s = NtxFile::Open(Env::Default(), path, &f);
    EXPECT_EQ(s.code(), e4index) << d.at << "=" << d.value;
    EXPECT_NE(s.message().find("Corrupt index file " + path), std::string::npos) << s.message();
  }
}

TEST(NtxTest, TruncatedFileIsReported) {
  TempDir dir;
  std::string path = SmallTree(dir, 400, 4);
  const std::string good = ReadBytes(path);
  for (size_t size : {size_t{0}, size_t{500}, size_t{1024}, size_t{1500}, good.size() / 2, good.size() - 1}) {
    WriteBytes(path, good.substr(0, size));
    SCOPED_TRACE(size);
    Exercise(path, true);
  }
}

TEST(NtxTest, LoopsInTheTreeAreReportedNotFollowed) {
  TempDir dir;
  std::string path = SmallTree(dir, 200, 2);
  const std::string good = ReadBytes(path);
  const uint32_t root = U32(good, 4);
  const int itemSize = 12, slots = 2 * (2 + 2);
  // Root's first child pointing back at the root.
  std::string b = good;
  PutU32At(&b, root + slots, root);
  WriteBytes(path, b);
  Exercise(path, true);
  // Both children of the root leading to the same page: a page reached twice.
  b = good;
  PutU32At(&b, root + slots + itemSize, U32(good, root + slots));
  WriteBytes(path, b);
  Exercise(path, true);
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(Env::Default(), path, &f).ok());
  EXPECT_EQ(f->ForEach([](const std::string&, uint32_t) {}).code(), e4index);
  // A child pointing at itself further down.
  b = good;
  uint32_t child = U32(good, root + slots);
  PutU32At(&b, child + slots + itemSize, child);
  WriteBytes(path, b);
  Exercise(path, true);
}

// A chain of branch pages whose children all lead to the next page: few
// pages, but 3^30 ways down. Scans must notice the shared pages instead of
// walking every way.
TEST(NtxTest, SharedChildrenDoNotMakeAScanEndless) {
  TempDir dir;
  const std::string path = dir.File("dag.ntx");
  NtxHeader header;
  header.geometry = {2, 2};
  header.root = 1024;
  header.expression = "X";
  std::string file(1024, '\0');
  EncodeNtxHeader(header, file.data());
  const uint32_t pages = 31;
  for (uint32_t i = 1; i <= pages; ++i) {
    NtxPage page;
    page.offset = 1024 * i;
    page.n = 2;
    page.keys = "AAAA";
    page.recno = {2 * i, 2 * i + 1};
    uint32_t next = i < pages ? 1024 * (i + 1) : 0;
    page.child = {next, next, next};
    std::string bytes(1024, '\0');
    EncodeNtxPage(page, header.geometry, bytes.data());
    file += bytes;
  }
  WriteBytes(path, file);
  std::unique_ptr<NtxFile> f;
  ASSERT_TRUE(NtxFile::Open(Env::Default(), path, &f).ok());
  EXPECT_EQ(f->Remove("AA", 999).code(), e4index);
  bool found = true;
  EXPECT_EQ(f->Find("AA", 999, &found).code(), e4index);
  EXPECT_EQ(f->ForEach([](const std::string&, uint32_t) {}).code(), e4index);
  Exercise(path, true);
}

TEST(NtxTest, FlippedBytesNeverCrash) {
  TempDir dir;
  std::string path = SmallTree(dir, 300, 4);
  const std::string good = ReadBytes(path);
  std::mt19937 rng(99);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  for (int round = 0; round < 400 && std::chrono::steady_clock::now() < deadline; ++round) {
    std::string b = good;
    int flips = 1 + static_cast<int>(rng() % 4);
    for (int i = 0; i < flips; ++i) {
      // Mostly page headers and offset tables and child pointers, where damage matters.
      size_t page = 1024 * (1 + rng() % (b.size() / 1024 - 1));
      size_t at = rng() % 2 ? page + rng() % 24 : rng() % b.size();
      b[at] = static_cast<char>(b[at] ^ (1 << (rng() % 8)));
    }
    WriteBytes(path, b);
    SCOPED_TRACE(round);
    Exercise(path, false);
  }
}

// ---- Another reader ----------------------------------------------------------------

// Perl's XBase::Index walks the pages its own way; it must list what we wrote.
TEST(NtxTest, PerlReaderListsOurEntries) {
  if (std::system("perl -MXBase::Index -e 1 2>/dev/null") != 0) GTEST_SKIP() << "Perl XBase not installed";
  TempDir dir;
  std::mt19937 rng(8);
  for (int maxKeys : {0, 2, 3}) {
    std::set<Entry> model;
    for (uint32_t r = 1; r <= 700; ++r) model.insert({std::string("K").append(NumKey(static_cast<int>(rng() % 400), 5)), r});
    auto f = BuildAndOpen(dir.File("perl.ntx"), model, 6, maxKeys);
    for (int i = 0; i < 300; ++i) {  // and after changes
      auto it = std::next(model.begin(), rng() % model.size());
      ASSERT_TRUE(f->Remove(it->first, it->second).ok());
      model.erase(it);
      Entry e{std::string("K").append(NumKey(static_cast<int>(rng() % 400), 5)), 1000 + static_cast<uint32_t>(i)};
      ASSERT_TRUE(f->Insert(e.first, e.second).ok());
      model.insert(e);
    }
    std::string out = dir.File("perl.txt");
    std::string cmd = "perl -MXBase::Index -e '$i = XBase::Index->new($ARGV[0], type => \"C\") or die; "
                      "$i->prepare_select; while (($k, $r) = $i->fetch) { print \"$r|$k\\n\" }' " +
                      dir.File("perl.ntx") + " > " + out;
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream in(out);
    std::vector<Entry> got;
    for (std::string line; std::getline(in, line);) {
      size_t bar = line.find('|');
      got.emplace_back(line.substr(bar + 1), static_cast<uint32_t>(std::stoul(line.substr(0, bar))));
    }
    EXPECT_EQ(got, std::vector<Entry>(model.begin(), model.end())) << "M=" << maxKeys;
  }
}

}  // namespace
}  // namespace tbengine
