// Engine throughput over the public facade at 10^3 .. 10^6 records of 49
// bytes (NAME C(30), AMT N(10,2), QTY N(8,0)): append, index build, random
// seek, skip by one, position and pack. Ends with the cost per operation at
// 10^6 records divided by the cost at 10^3 for seek, skip and position,
// measured in the same run: a B-tree keeps these near log n.
//   engine_bench [--sizes=1000,10000] [benchmark flags]
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

const FIELD4INFO kFields[] = {{"NAME", 'C', 30, 0}, {"AMT", 'N', 10, 2}, {"QTY", 'N', 8, 0}, {nullptr, 0, 0, 0}};
const TAG4INFO kTags[] = {{"BNAME", "Upper(NAME)", nullptr, 0, 0}, {nullptr, nullptr, nullptr, 0, 0}};

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

// Record i's name: unique, in no particular order.
std::string NameOf(long i) {
  char text[40];
  std::snprintf(text, sizeof text, "CUSTOMER %08lX %ld", (i * 2654435761L) & 0xffffffffL, i);
  return text;
}

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
    FIELD4* name = d4field(d, "NAME");
    FIELD4* amt = d4field(d, "AMT");
    FIELD4* qty = d4field(d, "QTY");
    for (long i = 1; i <= records; ++i) {
      if (d4appendBlank(d) != 0) Die(cb, "d4appendBlank");
      f4assign(name, NameOf(i).c_str());
      f4assignDouble(amt, static_cast<double>(i % 100000) / 100.0);
      f4assignLong(qty, i % 1000);
    }
    if (d4close(d) != 0) Die(cb, "d4close");
    d = d4open(cb, "BENCH");
    if (d == nullptr) Die(cb, "d4open");
  }
};

std::map<long, std::unique_ptr<Table>> g_tables;
// Seconds per operation, by benchmark and size, for the closing tables.
std::map<std::string, std::map<long, Lap>> g_perOp;

void Record(benchmark::State& state, const char* what, long size, const Lap& total, long ops) {
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

void BM_IndexBuild(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
  for (auto _ : state) {
    Lap total;
    for (long r = 0; r < Repeats(size); ++r) {
      Stopwatch watch;
      if (i4create(t.d, "BENCH", kTags) == nullptr) Die(t.cb, "i4create");
      total += watch.Stop();
    }
    state.SetIterationTime(total.wall);
    Record(state, "index build", size, total, size * Repeats(size));
  }
  d4tagSelect(t.d, d4tag(t.d, "BNAME"));
}

// Upper-cased names of records spread over the table, sought in random order.
std::vector<std::string> SeekKeys(long size) {
  std::vector<std::string> keys;
  std::mt19937 rng(static_cast<unsigned>(size));
  for (int i = 0; i < 4096; ++i) {
    std::string k = NameOf(1 + static_cast<long>(rng() % static_cast<unsigned long>(size)));
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

void BM_Skip(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
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
  Record(state, "skip 1", size, total, ops);
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

// Marks every tenth record deleted, then packs (with the name tag open, so
// the time includes rebuilding it). Per record of the table before the pack.
void BM_Pack(benchmark::State& state, long size) {
  Table& t = *g_tables.at(size);
  for (auto _ : state) {
    d4tagSelect(t.d, nullptr);
    for (long r = 1; r <= size; r += 10) {
      d4go(t.d, r);
      d4delete(t.d);
    }
    d4go(t.d, 1);
    Stopwatch watch;
    if (d4pack(t.d) != 0) Die(t.cb, "d4pack");
    Lap lap = watch.Stop();
    state.SetIterationTime(lap.wall);
    Record(state, "pack", size, lap, size);
  }
  g_tables.erase(size);
}

std::vector<long> Sizes(int* argc, char** argv) {
  std::vector<long> sizes = {1000, 10000, 100000, 1000000};
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

}  // namespace

int main(int argc, char** argv) {
  const std::vector<long> sizes = Sizes(&argc, argv);
  for (long n : sizes) {
    const std::string s = "/" + std::to_string(n);
    auto once = [](benchmark::internal::Benchmark* b) {
      b->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
    };
    auto timed = [](benchmark::internal::Benchmark* b) {
      b->UseManualTime()->MinTime(0.3)->Unit(benchmark::kMicrosecond);
    };
    once(benchmark::RegisterBenchmark(("append" + s).c_str(), BM_Append, n));
    once(benchmark::RegisterBenchmark(("index_build" + s).c_str(), BM_IndexBuild, n));
    timed(benchmark::RegisterBenchmark(("seek" + s).c_str(), BM_Seek, n));
    timed(benchmark::RegisterBenchmark(("skip1" + s).c_str(), BM_Skip, n));
    timed(benchmark::RegisterBenchmark(("position" + s).c_str(), BM_Position, n));
    once(benchmark::RegisterBenchmark(("pack" + s).c_str(), BM_Pack, n));
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  const long small = sizes.front(), large = sizes.back();
  for (bool cpu : {false, true}) {
    std::printf("\n%s microseconds per operation (per record for append, index build, pack):\n%-12s",
                cpu ? "CPU" : "Wall", "");
    for (long n : sizes) std::printf("%12ld", n);
    std::printf("\n");
    for (const auto& [what, bySize] : g_perOp) {
      std::printf("%-12s", what.c_str());
      for (long n : sizes) {
        auto it = bySize.find(n);
        if (it == bySize.end())
          std::printf("%12s", "-");
        else
          std::printf("%12.3f", (cpu ? it->second.cpu : it->second.wall) * 1e6);
      }
      std::printf("\n");
    }
  }
  std::printf("\nCost per operation at %ld records / at %ld (log n grows %.1fx between them):\n", large, small,
              std::log2(static_cast<double>(large)) / std::log2(static_cast<double>(small)));
  std::printf("  %-10s %8s %8s\n", "", "wall", "cpu");
  for (const char* what : {"seek", "skip 1", "position"}) {
    const auto& bySize = g_perOp[what];
    if (bySize.count(small) && bySize.count(large))
      std::printf("  %-10s %8.2f %8.2f\n", what, bySize.at(large).wall / bySize.at(small).wall,
                  bySize.at(large).cpu / bySize.at(small).cpu);
  }
  return 0;
}
