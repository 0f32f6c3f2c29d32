// Engine throughput over the public facade at 10^3 .. 10^6 records of a
// 50-byte customer table (CUNO N(6), LAST C(20), FIRST C(15), ZIP C(8)):
// append, the two index builds (Str(CuNo,6) and Upper(Last+First), whose
// keys tie on their first bytes as real names do), random seek, skip by one
// without reading a field (in name order and in record order), go to a
// random record and read one field, position, delete and pack.
// Ends with the figures per operation beside those a mature engine of the
// same formats gave at 10^6 records on this class of machine, with the ratio
// (ours / reference, below 1 is faster), and the cost at 10^6 / at 10^3.
//   engine_bench [--sizes=1000,1000000] [benchmark flags]
// Tables are written under $TMPDIR (default /tmp) and removed afterwards.
#include <benchmark/benchmark.h>

#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tbengine/engine.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const FIELD4INFO kFields[] = {
    {"CUNO", 'N', 6, 0}, {"LAST", 'C', 20, 0}, {"FIRST", 'C', 15, 0}, {"ZIP", 'C', 8, 0}, {nullptr, 0, 0, 0}};
const TAG4INFO kNumberTag[] = {{"BNUM", "Str(CuNo,6)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
const TAG4INFO kNameTag[] = {{"BNAME", "Upper(Last+First)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};
const TAG4INFO kBothTags[] = {{"BNUM", "Str(CuNo,6)", nullptr, 0, 0},
                              {"BNAME", "Upper(Last+First)", nullptr, 0, 0},
                              {nullptr, nullptr, nullptr, 0, 0}};

// The reference engine's figures at 10^6 records, µs per operation (per
// record for append, builds, delete and pack). Seek was level; no figure.
const std::map<std::string, double> kReference = {
    {"append", 1.42},       {"build Str(CuNo)", 0.20}, {"build Upper(name)", 0.46}, {"skip 1 name", 0.12},
    {"skip 1 recno", 0.10}, {"go + field", 0.87},      {"position", 0.15},          {"delete", 2.50},
    {"pack", 1.57},
};

// Wall time, and the process's CPU time (user and system), which the load
// of other programs on a shared machine disturbs much less.
struct Lap {
  double wall = 0, cpu = 0;
  Lap& operator+=(const Lap& o) {
    wall += o.wall;
    cpu += o.cpu;
    return *this;
  }
};
double CpuNow() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}
class Stopwatch {
 public:
  Stopwatch() : wall_(Clock::now()), cpu_(CpuNow()) {}
  Lap Stop() const { return {std::chrono::duration<double>(Clock::now() - wall_).count(), CpuNow() - cpu_}; }

 private:
  Clock::time_point wall_;
  double cpu_;
};

// Names from a few syllables: about 1 700 last names and 200 first names,
// so many keys share their first 16 bytes and whole names repeat.
std::string Syllables(unsigned v, int count) {
  static const char* const kParts[] = {"an", "ber", "cal", "dor", "el", "fin", "gar", "hol", "is", "jen",
                                       "kel", "lor", "mar", "nor", "ost", "per"};
  std::string s;
  for (int i = 0; i < count; ++i, v /= 16) s += kParts[v % 16];
  s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
  return s;
}
std::string LastOf(long i) { return Syllables(static_cast<unsigned>((i * 2654435761L) % 1700) + 300, 3) + "son"; }
std::string FirstOf(long i) { return Syllables(static_cast<unsigned>((i * 40503L) % 200), 2); }

[[noreturn]] void Die(CODE4* cb, const char* what) {
  std::fprintf(stderr, "engine_bench: %s: %s\n", what, cb ? code4errorText(cb).c_str() : "");
  std::exit(1);
}

// One table per size, made by the append benchmark and used by those after it.
struct Table {
  long records = 0;
  fs::path dir;
  CODE4* cb = nullptr;
  DATA4* d = nullptr;

  ~Table() {
    if (cb) code4initUndoP(cb);
    if (!dir.empty()) fs::remove_all(dir);
  }
  void Start() {
    const char* tmp = std::getenv("TMPDIR");
    static int serial = 0;
    dir = fs::path(tmp && *tmp ? tmp : "/tmp") /
          ("tb_bench_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
    fs::create_directories(dir);
    cb = code4initP();
    code4setDirectory(cb, dir.string());
    code4safety(cb, 0);
    code4autoOpen(cb, 0);
  }
  void Append() {
    if (d4create(cb, "BENCH", kFields) != 0) Die(cb, "d4create");
    d = d4open(cb, "BENCH");
    if (d == nullptr) Die(cb, "d4open");
    FIELD4* cuno = d4field(d, "CUNO");
    FIELD4* last = d4field(d, "LAST");
    FIELD4* first = d4field(d, "FIRST");
    FIELD4* zip = d4field(d, "ZIP");
    for (long i = 1; i <= records; ++i) {
      if (d4appendBlank(d) != 0) Die(cb, "d4appendBlank");
      f4assignLong(cuno, i % 1000000);
      f4assign(last, LastOf(i).c_str());
      f4assign(first, FirstOf(i).c_str());
      f4assign(zip, "02134");
    }
    if (d4close(d) != 0) Die(cb, "d4close");
    d = d4open(cb, "BENCH");
    if (d == nullptr) Die(cb, "d4open");
  }
};

std::map<long, std::unique_ptr<Table>> g_tables;
// Seconds per operation, by benchmark and size, for the closing tables.
std::map<std::string, std::map<long, Lap>> g_perOp;

void Record(benchmark::State& state, const std::string& what, long size, const Lap& total, long ops) {
  const double n = static_cast<double>(ops);
  state.counters["us_per_op"] = total.wall / n * 1e6;
  state.counters["cpu_us_per_op"] = total.cpu / n * 1e6;
  g_perOp[what][size] = {total.wall / n, total.cpu / n};
}

// Small sizes repeat their one-off work so each figure covers at least
// 100 000 records.
long Repeats(long size) { return std::max(1L, 100000 / size); }

void BM_Append(benchmark::State& state, long size) {
  for (auto _ : state) {
    Lap total;
    for (long r = 0; r < Repeats(size); ++r) {
      auto t = std::make_unique<Table>();
      t->records = size;
      t->Start();
      Stopwatch watch;
      t->Append();
      total += watch.Stop();
      g_tables[size] = std::move(t);
    }
    state.SetIterationTime(total.wall);
    Record(state, "append", size, total, size * Repeats(size));
  }
}

void BM_IndexBuild(benchmark::State& state, long size, const TAG4INFO* tags, const char* what) {
  Table& t = *g_tables.at(size);
  for (auto _ : state) {
    Lap total;
    for (long r = 0; r < Repeats(size); ++r) {
      Stopwatch watch;
      if (i4create(t.d, "BENCH", tags) == nullptr) Die(t.cb, "i4create");
      total += watch.Stop();
    }
    state.SetIterationTime(total.wall);
    Record(state, what, size, total, size * Repeats(size));
  }
  // Both tags open for what follows, the name tag selected.
  if (i4create(t.d, "BENCH", kBothTags) == nullptr) Die(t.cb, "i4create");
  d4tagSelect(t.d, d4tag(t.d, "BNAME"));
}

// Upper-cased names of records spread over the table, sought in random order.
std::vector<std::string> SeekKeys(long size) {
  std::vector<std::string> keys;
  std::mt19937 rng(static_cast<unsigned>(size));
  for (int i = 0; i < 4096; ++i) {
    const long r = 1 + static_cast<long>(rng() % static_cast<unsigned long>(size));
    std::string k = LastOf(r);
    k.resize(20, ' ');
    k += FirstOf(r);
    for (char& c : k) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    keys.push_back(k);
  }
  return keys;
}

void BM_Seek(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
  const std::vector<std::string> keys = SeekKeys(size);
  size_t i = 0;
  long ops = 0;
  Lap total;
  for (auto _ : state) {
    Stopwatch watch;
    for (int j = 0; j < 64; ++j, ++ops)
      if (d4seek(t.d, keys[i++ & 4095].c_str()) != r4success) Die(t.cb, "d4seek missed a key");
    Lap lap = watch.Stop();
    total += lap;
    state.SetIterationTime(lap.wall);
  }
  Record(state, "seek", size, total, ops);
}

// Skip by one, no field read, in the name tag's order or (no tag) in
// record order.
void BM_Skip(benchmark::State& state, long size, bool byName) {
  Table& t = *g_tables.at(size);
  d4tagSelect(t.d, byName ? d4tag(t.d, "BNAME") : nullptr);
  d4top(t.d);
  long ops = 0;
  Lap total;
  for (auto _ : state) {
    Stopwatch watch;
    for (int j = 0; j < 256; ++j, ++ops)
      if (d4skip(t.d, 1) == r4eof) d4top(t.d);
    Lap lap = watch.Stop();
    total += lap;
    state.SetIterationTime(lap.wall);
  }
  d4tagSelect(t.d, d4tag(t.d, "BNAME"));
  Record(state, byName ? "skip 1 name" : "skip 1 recno", size, total, ops);
}

// d4go to a random record and one field read (a go is only useful with one).
void BM_Go(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
  FIELD4* last = d4field(t.d, "LAST");
  std::mt19937 rng(7);
  std::vector<long> targets(4096);
  for (long& r : targets) r = 1 + static_cast<long>(rng() % static_cast<unsigned long>(size));
  size_t i = 0;
  long ops = 0;
  Lap total;
  for (auto _ : state) {
    Stopwatch watch;
    for (int j = 0; j < 64; ++j, ++ops) {
      if (d4go(t.d, targets[i++ & 4095]) != r4success) Die(t.cb, "d4go");
      benchmark::DoNotOptimize(f4str(last));
    }
    Lap lap = watch.Stop();
    total += lap;
    state.SetIterationTime(lap.wall);
  }
  Record(state, "go + field", size, total, ops);
}

// Position of records reached by a seek. Only the position calls are timed,
// sixteen on each record, so the clock readings cost little beside them.
void BM_Position(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
  const std::vector<std::string> keys = SeekKeys(size);
  constexpr int kCalls = 16;
  size_t i = 0;
  long ops = 0;
  double sum = 0;
  Lap total;
  for (auto _ : state) {
    Lap lap;
    for (int j = 0; j < 8; ++j) {
      d4seek(t.d, keys[i++ & 4095].c_str());
      Stopwatch watch;
      for (int c = 0; c < kCalls; ++c, ++ops) {
        double pos = 0;
        if (d4position2(t.d, &pos) != 0) Die(t.cb, "d4position2");
        sum += pos;
      }
      lap += watch.Stop();
    }
    total += lap;
    state.SetIterationTime(lap.wall);
  }
  benchmark::DoNotOptimize(sum);
  Record(state, "position", size, total, ops);
}

// Marks every tenth record deleted in record order, both tags open (the
// mark is written when the pointer moves on), then packs (the time includes
// rebuilding both tags). Delete per record marked, pack per record before.
void BM_DeleteAndPack(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
  for (auto _ : state) {
    d4tagSelect(t.d, nullptr);
    Stopwatch deleting;
    long marked = 0;
    for (long r = 1; r <= size; r += 10, ++marked) {
      d4go(t.d, r);
      d4delete(t.d);
    }
    d4go(t.d, 1);
    Record(state, "delete", size, deleting.Stop(), marked);
    Stopwatch watch;
    if (d4pack(t.d) != 0) Die(t.cb, "d4pack");
    Lap lap = watch.Stop();
    state.SetIterationTime(lap.wall);
    Record(state, "pack", size, lap, size);
  }
  g_tables.erase(size);
}

std::vector<long> Sizes(int* argc, char** argv) {
  std::vector<long> sizes = {1000, 1000000};
  for (int i = 1; i < *argc; ++i) {
    std::string a = argv[i];
    if (a.rfind("--sizes=", 0) != 0) continue;
    sizes.clear();
    for (size_t p = 8; p < a.size();) {
      size_t comma = a.find(',', p);
      sizes.push_back(std::stol(a.substr(p, comma - p)));
      p = comma == std::string::npos ? a.size() : comma + 1;
    }
    for (int j = i; j + 1 < *argc; ++j) argv[j] = argv[j + 1];
    --*argc;
    break;
  }
  return sizes;
}

void PrintTable(const std::vector<long>& sizes, bool cpu) {
  const long large = sizes.back();
  std::printf("\n%s microseconds per operation (per record for append, builds, delete, pack);\n"
              "reference: the mature engine at 10^6 records; ratio = ours at %ld / reference:\n%-18s",
              cpu ? "CPU" : "Wall", large, "");
  for (long n : sizes) std::printf("%11ld", n);
  std::printf("%11s%8s\n", "reference", "ratio");
  static const char* const kOrder[] = {"append",     "build Str(CuNo)", "build Upper(name)", "seek", "skip 1 name",
                                       "skip 1 recno", "go + field",    "position",          "delete", "pack"};
  for (const char* what : kOrder) {
    const auto& bySize = g_perOp[what];
    std::printf("%-18s", what);
    for (long n : sizes) {
      auto it = bySize.find(n);
      if (it == bySize.end())
        std::printf("%11s", "-");
      else
        std::printf("%11.3f", (cpu ? it->second.cpu : it->second.wall) * 1e6);
    }
    auto ref = kReference.find(what);
    auto ours = bySize.find(large);
    if (ref == kReference.end() || ours == bySize.end()) {
      std::printf("%11s%8s\n", "-", "-");
      continue;
    }
    const double us = (cpu ? ours->second.cpu : ours->second.wall) * 1e6;
    std::printf("%11.2f%8.2f\n", ref->second, us / ref->second);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<long> sizes = Sizes(&argc, argv);
  for (long n : sizes) {
    std::string s = "/";
    s += std::to_string(n);  // not "/" + ...: a false -Wrestrict at -O3 with GCC 12
    auto once = [](benchmark::internal::Benchmark* b) {
      b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    };
    auto timed = [](benchmark::internal::Benchmark* b) {
      b->UseManualTime()->MinTime(0.3)->Unit(benchmark::kMicrosecond);
    };
    once(benchmark::RegisterBenchmark(("append" + s).c_str(), BM_Append, n));
    once(benchmark::RegisterBenchmark(("build_number" + s).c_str(), BM_IndexBuild, n, kNumberTag,
                                      "build Str(CuNo)"));
    once(benchmark::RegisterBenchmark(("build_name" + s).c_str(), BM_IndexBuild, n, kNameTag,
                                      "build Upper(name)"));
    timed(benchmark::RegisterBenchmark(("seek" + s).c_str(), BM_Seek, n));
    timed(benchmark::RegisterBenchmark(("skip1_name" + s).c_str(), BM_Skip, n, true));
    timed(benchmark::RegisterBenchmark(("skip1_recno" + s).c_str(), BM_Skip, n, false));
    timed(benchmark::RegisterBenchmark(("go_field" + s).c_str(), BM_Go, n));
    timed(benchmark::RegisterBenchmark(("position" + s).c_str(), BM_Position, n));
    once(benchmark::RegisterBenchmark(("delete_pack" + s).c_str(), BM_DeleteAndPack, n));
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  PrintTable(sizes, false);
  PrintTable(sizes, true);
  const long small = sizes.front(), large = sizes.back();
  std::printf("\nCost per operation at %ld records / at %ld (log n grows %.1fx between them):\n", large, small,
              std::log2(static_cast<double>(large)) / std::log2(static_cast<double>(small)));
  std::printf("  %-12s %8s %8s\n", "", "wall", "cpu");
  for (const char* what : {"seek", "skip 1 name", "skip 1 recno", "go + field", "position"}) {
    const auto& bySize = g_perOp[what];
    if (bySize.count(small) && bySize.count(large))
      std::printf("  %-12s %8.2f %8.2f\n", what, bySize.at(large).wall / bySize.at(small).wall,
                  bySize.at(large).cpu / bySize.at(small).cpu);
  }
  return 0;
}
