// Engine throughput over the public facade at 10^3 .. 10^6 records of a
// 50-byte customer table (CUNO N(6), LAST C(20), FIRST C(15), ZIP C(8)):
// append, the two index builds (Str(CuNo,6) and Upper(Last+First), whose
// keys tie on their first bytes as real names do), random seek, skip by one
// without reading a field (in name order, number order and record order),
// skip by one in name order reading a field, go to a random record and read
// one field, position, delete and pack.
// Ends with the figures per operation beside those a mature engine of the
// same formats gave at 10^6 records on this class of machine, with the ratio
// (ours / reference, below 1 is faster), and the cost at 10^6 / at 10^3.
//   engine_bench [--sizes=1000,1000000] [--baseline=PROGRAM [--rounds=3]]
//                [--figures=FILE] [benchmark flags]
// --baseline compares with PROGRAM, this bench built against another engine
// (an earlier commit's). PROGRAM and this program run in turn, each in a
// process of its own, --rounds times (each first in every other round); the
// tables show the median of each figure of both, and ours / its:
//   git archive COMMIT | tar -x -C /tmp/base   (then build its tb_engine)
//   g++ -std=c++20 -O2 bench/engine_bench.cpp -I/tmp/base/src/engine/include
//       /tmp/base/build/src/engine/libtb_engine.a -lbenchmark -o /tmp/base_bench
//   engine_bench --baseline=/tmp/base_bench
// --figures writes the figures to FILE, one "operation|size|wall|cpu" line
// each (seconds per operation), which is how --baseline collects them.
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
#include <fstream>
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
    {"append", 1.42},         {"build Str(CuNo)", 0.20}, {"build Upper(name)", 0.46}, {"skip 1 name", 0.12},
    {"skip 1 number", 0.10},  {"skip 1 recno", 0.10},    {"skip + field", 1.10},      {"go + field", 0.87},
    {"position", 0.15},       {"delete", 2.50},          {"pack", 1.57},
};
const char* const kOrder[] = {"append",      "build Str(CuNo)", "build Upper(name)", "seek",
                              "skip 1 name", "skip 1 number",   "skip 1 recno",      "skip + field",
                              "go + field",  "position",        "delete",            "pack"};

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

// Skip by one in a tag's order (or, tag nullptr, in record order), with no
// field read or, given a field, reading it after each skip.
void BM_Skip(benchmark::State& state, long size, const char* tag, const char* field, const char* what) {
  Table& t = *g_tables.at(size);
  d4tagSelect(t.d, tag != nullptr ? d4tag(t.d, tag) : nullptr);
  FIELD4* f = field != nullptr ? d4field(t.d, field) : nullptr;
  d4top(t.d);
  long ops = 0;
  Lap total;
  for (auto _ : state) {
    Stopwatch watch;
    for (int j = 0; j < 256; ++j, ++ops) {
      if (d4skip(t.d, 1) == r4eof) d4top(t.d);
      if (f != nullptr) benchmark::DoNotOptimize(f4str(f));
    }
    Lap lap = watch.Stop();
    total += lap;
    state.SetIterationTime(lap.wall);
  }
  d4tagSelect(t.d, d4tag(t.d, "BNAME"));
  Record(state, what, size, total, ops);
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

// Takes --name=value out of argv; "" when absent.
std::string TakeOption(int* argc, char** argv, const std::string& name) {
  const std::string prefix = "--" + name + "=";
  for (int i = 1; i < *argc; ++i) {
    std::string a = argv[i];
    if (a.rfind(prefix, 0) != 0) continue;
    for (int j = i; j + 1 < *argc; ++j) argv[j] = argv[j + 1];
    --*argc;
    return a.substr(prefix.size());
  }
  return "";
}

// "1000,1000000" as numbers; those two when empty.
std::vector<long> Sizes(const std::string& list) {
  if (list.empty()) return {1000, 1000000};
  std::vector<long> sizes;
  for (size_t p = 0; p < list.size();) {
    size_t comma = list.find(',', p);
    sizes.push_back(std::stol(list.substr(p, comma - p)));
    p = comma == std::string::npos ? list.size() : comma + 1;
  }
  return sizes;
}

// Figures by operation and size, as kept in g_perOp.
using Figures = std::map<std::string, std::map<long, Lap>>;

void WriteFigures(const std::string& path) {
  std::ofstream out(path);
  for (const auto& [what, bySize] : g_perOp)
    for (const auto& [size, lap] : bySize) out << what << '|' << size << '|' << lap.wall << '|' << lap.cpu << '\n';
}

bool ReadFigures(const std::string& path, Figures* figures) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    size_t a = line.find('|'), b = line.find('|', a + 1), c = line.find('|', b + 1);
    if (c == std::string::npos) return false;
    (*figures)[line.substr(0, a)][std::stol(line.substr(a + 1, b - a - 1))] = {
        std::stod(line.substr(b + 1, c - b - 1)), std::stod(line.substr(c + 1))};
  }
  return !figures->empty();
}

// Runs program with the given sizes; its figures, or none.
Figures RunChild(const std::string& program, const std::vector<long>& sizes) {
  const char* tmp = std::getenv("TMPDIR");
  const fs::path file = fs::path(tmp && *tmp ? tmp : "/tmp") / ("tb_bench_figures_" + std::to_string(::getpid()));
  std::string command = "'" + program + "' --sizes=";
  for (size_t i = 0; i < sizes.size(); ++i) command.append(i > 0 ? "," : "").append(std::to_string(sizes[i]));
  command.append(" --figures='").append(file.string()).append("' >/dev/null");
  Figures figures;
  if (std::system(command.c_str()) != 0 || !ReadFigures(file.string(), &figures))
    std::fprintf(stderr, "engine_bench: %s gave no figures\n", program.c_str());
  fs::remove(file);
  return figures;
}

// The median of each figure over the runs that have it.
Figures Median(const std::vector<Figures>& runs) {
  std::map<std::string, std::map<long, std::vector<Lap>>> all;
  for (const Figures& run : runs)
    for (const auto& [what, bySize] : run)
      for (const auto& [size, lap] : bySize) all[what][size].push_back(lap);
  Figures median;
  for (auto& [what, bySize] : all)
    for (auto& [size, laps] : bySize) {
      std::vector<double> wall, cpu;
      for (const Lap& l : laps) {
        wall.push_back(l.wall);
        cpu.push_back(l.cpu);
      }
      std::sort(wall.begin(), wall.end());
      std::sort(cpu.begin(), cpu.end());
      median[what][size] = {wall[wall.size() / 2], cpu[cpu.size() / 2]};
    }
  return median;
}

const Lap* Find(const Figures& f, const std::string& what, long size) {
  auto op = f.find(what);
  if (op == f.end()) return nullptr;
  auto it = op->second.find(size);
  return it == op->second.end() ? nullptr : &it->second;
}

void PrintCell(const Lap* lap, bool cpu) {
  if (lap == nullptr)
    std::printf("%9s", "-");
  else
    std::printf("%9.3f", (cpu ? lap->cpu : lap->wall) * 1e6);
}

void PrintRatio(const Lap* ours, const Lap* theirs, bool cpu) {
  if (ours == nullptr || theirs == nullptr || (cpu ? theirs->cpu : theirs->wall) <= 0)
    std::printf("%7s", "-");
  else
    std::printf("%7.2f", cpu ? ours->cpu / theirs->cpu : ours->wall / theirs->wall);
}

// Per size: ours (and, with a baseline, its figure and ours / its); then
// the reference figure and ours at the largest size / reference.
void PrintTable(const std::vector<long>& sizes, const Figures& base, bool cpu) {
  const long large = sizes.back();
  const bool withBase = !base.empty();
  std::printf("\n%s microseconds per operation (per record for append, builds, delete, pack)%s;\n"
              "reference: the mature engine at 10^6 records; ref ratio = ours at %ld / reference:\n%-18s",
              cpu ? "CPU" : "Wall", withBase ? "; ratio = ours / baseline" : "", large, "");
  for (long n : sizes) {
    if (withBase)
      std::printf("%9s%9ld%7s", "baseline", n, "ratio");
    else
      std::printf("%9ld", n);
  }
  std::printf("%10s%7s\n", "reference", "ratio");
  for (const char* what : kOrder) {
    std::printf("%-18s", what);
    for (long n : sizes) {
      const Lap* ours = Find(g_perOp, what, n);
      if (withBase) PrintCell(Find(base, what, n), cpu);
      PrintCell(ours, cpu);
      if (withBase) PrintRatio(ours, Find(base, what, n), cpu);
    }
    auto ref = kReference.find(what);
    const Lap* ours = Find(g_perOp, what, large);
    if (ref == kReference.end() || ours == nullptr) {
      std::printf("%10s%7s\n", "-", "-");
      continue;
    }
    std::printf("%10.2f%7.2f\n", ref->second, (cpu ? ours->cpu : ours->wall) * 1e6 / ref->second);
  }
}

void PrintGrowth(const std::vector<long>& sizes, const Figures& base) {
  const long small = sizes.front(), large = sizes.back();
  std::printf("\nCost per operation at %ld records / at %ld (log n grows %.1fx between them):\n", large, small,
              std::log2(static_cast<double>(large)) / std::log2(static_cast<double>(small)));
  std::printf("  %-14s %8s %8s%s\n", "", "wall", "cpu", base.empty() ? "" : "   baseline wall   cpu");
  for (const char* what : {"seek", "skip 1 name", "skip 1 number", "skip 1 recno", "skip + field", "go + field",
                           "position"}) {
    std::printf("  %-14s", what);
    for (const Figures* f : {static_cast<const Figures*>(&g_perOp), &base}) {
      if (f->empty()) continue;
      const Lap* s = Find(*f, what, small);
      const Lap* l = Find(*f, what, large);
      if (s == nullptr || l == nullptr)
        std::printf(" %8s %8s", "-", "-");
      else
        std::printf(" %8.2f %8.2f", l->wall / s->wall, l->cpu / s->cpu);
    }
    std::printf("\n");
  }
}

void RunBenchmarks(const std::vector<long>& sizes, int* argc, char** argv) {
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
    timed(benchmark::RegisterBenchmark(("skip1_name" + s).c_str(), BM_Skip, n, "BNAME", nullptr, "skip 1 name"));
    timed(benchmark::RegisterBenchmark(("skip1_number" + s).c_str(), BM_Skip, n, "BNUM", nullptr,
                                       "skip 1 number"));
    timed(benchmark::RegisterBenchmark(("skip1_recno" + s).c_str(), BM_Skip, n, nullptr, nullptr, "skip 1 recno"));
    timed(benchmark::RegisterBenchmark(("skip_field" + s).c_str(), BM_Skip, n, "BNAME", "LAST", "skip + field"));
    timed(benchmark::RegisterBenchmark(("go_field" + s).c_str(), BM_Go, n));
    timed(benchmark::RegisterBenchmark(("position" + s).c_str(), BM_Position, n));
    once(benchmark::RegisterBenchmark(("delete_pack" + s).c_str(), BM_DeleteAndPack, n));
  }
  benchmark::Initialize(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<long> sizes = Sizes(TakeOption(&argc, argv, "sizes"));
  const std::string baseline = TakeOption(&argc, argv, "baseline");
  const std::string rounds = TakeOption(&argc, argv, "rounds");
  const std::string figures = TakeOption(&argc, argv, "figures");
  Figures base;
  if (!baseline.empty()) {
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    std::vector<Figures> theirs, ours;
    for (int r = 0, n = rounds.empty() ? 3 : std::stoi(rounds); r < n; ++r) {
      // Each goes first in every other round, so neither always meets
      // what the other left behind.
      std::printf("Round %d of %d (%s first)\n", r + 1, n, r % 2 == 0 ? "baseline" : "this program");
      std::fflush(stdout);
      if (r % 2 == 0) theirs.push_back(RunChild(baseline, sizes));
      ours.push_back(RunChild(self, sizes));
      if (r % 2 == 1) theirs.push_back(RunChild(baseline, sizes));
    }
    base = Median(theirs);
    g_perOp = Median(ours);
  } else {
    RunBenchmarks(sizes, &argc, argv);
    if (!figures.empty()) WriteFigures(figures);
  }
  PrintTable(sizes, base, false);
  PrintTable(sizes, base, true);
  PrintGrowth(sizes, base);
  return 0;
}
