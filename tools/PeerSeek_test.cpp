// Tables written by python dbf, indexed by us: our reading, our key order and
// every seek are checked against readers that share no code with ours —
// python dbf and dbfread for the values, Perl's XBase::Index for the order
// and the seeks, and a reference computed in Python from dbf's field values.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "peers/PeerHarness.h"
#include "tbengine/engine.h"
#include "tbengine/inspect.h"

namespace fs = std::filesystem;

namespace {

using peers::Output;
using peers::Quote;
using peers::Shell;

// 0 to 5000 records: empty, single-page and two- and three-level trees.
constexpr int kSizes[] = {0, 1, 61, 62, 63, 500, 5000};

struct Tag {
  const char* file;
  const char* expr;
};
constexpr Tag kTags[] = {{"CUNO", "Str(CuNo, 6)"},
                         {"IVNO", "Str(IvNo,6,0)"},
                         {"NAME", "Upper(Last + First)"},
                         {"IDATE", "DTOS(IDate)"},
                         {"ZIP", "Zip"},
                         {"PURDATE", "Upper(PrID)+ DTOS(PURDATE)"},
                         {"PRIV", "PrID + Str(IvNo,6,0)"}};

// Probes a tag gets through the data tool itself, per kind; the rest go
// through the same engine calls in this process.
constexpr size_t kToolProbesPerKind = 3;

struct Probe {
  std::string kind;
  std::string hex;
  std::string bytes;
  std::string text;  // UTF-8, or "-" when it cannot be passed as an argument
  int rc;
  long recno;
};

struct Answer {
  int rc;
  long recno;
};

std::string Table(int size) { return std::string("K").append(std::to_string(size)); }
std::string TagFile(int size, const Tag& tag) { return Table(size) + "_" + tag.file; }

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(line);
  while (std::getline(in, part, sep)) parts.push_back(part);
  if (!line.empty() && line.back() == sep) parts.emplace_back();
  return parts;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<Answer> Answers(const std::string& text) {
  std::vector<Answer> answers;
  std::istringstream in(text);
  Answer a;
  while (in >> a.rc >> a.recno) answers.push_back(a);
  return answers;
}

std::string Shown(const Probe& p) { return p.kind + " probe \"" + p.text + "\" (hex " + p.hex + ")"; }

// The tables are written once for every test of the suite.
class PeerSeekTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = fs::temp_directory_path() / ("tbpeerseek-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    if (peers::Python().empty()) return;
    for (int size : kSizes) {
      Output w = peers::PeerCheck("write-keyed " + Quote(dir_.string()) + " " + Table(size) + " " +
                                  std::to_string(size) + " " + std::to_string(1000 + size));
      if (w.rc != 0) written_ += Table(size) + ": " + w.text;
    }
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  void SetUp() override { ASSERT_TRUE(written_.empty()) << "python dbf could not write the tables:\n" << written_; }

  static std::string File(const std::string& name) { return (dir_ / name).string(); }

  // Our indexes of the table and the Python reference's keys and probes.
  static void Prepare(int size) {
    if (fs::exists(File(Table(size) + ".ready"))) return;
    std::string references;
    for (const Tag& tag : kTags) {
      const std::string name = TagFile(size, tag);
      Output i = Shell("'" TB_DATA_TOOL "' index " + Quote(File(Table(size) + ".dbf")) + " " +
                       Quote(File(name + ".ntx")) + " " + Quote(tag.expr));
      ASSERT_EQ(i.rc, 0) << name << ": " << i.text;
      references += " " + Quote(tag.expr) + " " + Quote(File(name));
    }
    Output r = peers::PeerCheck("seek-reference " + Quote(File(Table(size) + ".dbf")) + references);
    ASSERT_EQ(r.rc, 0) << Table(size) << ": " << r.text;
    std::ofstream(File(Table(size) + ".ready")) << "indexed\n";
  }

  static std::vector<Probe> Probes(const std::string& name) {
    std::vector<Probe> probes;
    std::istringstream in(ReadFile(File(name + ".probes")));
    std::string line;
    while (std::getline(in, line)) {
      std::vector<std::string> f = Split(line, '\t');
      if (f.size() != 5) {
        ADD_FAILURE() << "bad reference line: " << line;
        continue;
      }
      probes.push_back({f[0], f[1], FromHex(f[1]), f[2], std::stoi(f[3]), std::stol(f[4])});
    }
    return probes;
  }

  // The engine calls the data tool's seek makes, in this process.
  static std::vector<Answer> EngineSeeks(int size, const std::string& name, const std::vector<Probe>& probes) {
    std::vector<Answer> answers;
    CODE4* cb = code4initP();
    code4autoOpen(cb, 0);
    DATA4* d = d4open(cb, File(Table(size)).c_str());
    TAG4* tag = d != nullptr ? t4openFile(d, File(name + ".ntx").c_str()) : nullptr;
    if (tag == nullptr) {
      ADD_FAILURE() << name << ": " << code4errorText(cb);
    } else {
      d4tagSelect(d, tag);
      for (const Probe& p : probes) {
        const int rc = d4seek(d, p.bytes.c_str());
        answers.push_back({rc, d4recNo(d)});
      }
    }
    code4initUndoP(cb);
    return answers;
  }

  static std::vector<Answer> PerlSeeks(const std::string& name, const std::vector<Probe>& probes) {
    const std::string input = File(name + ".hex");
    std::ofstream out(input, std::ios::binary);
    for (const Probe& p : probes) out << p.hex << '\n';
    out.close();
    Output r = Shell("perl " + Quote(peers::PeersDir() + "/xbase_read.pl") + " seek " + Quote(File(name + ".ntx")) +
                     " < " + Quote(input));
    EXPECT_EQ(r.rc, 0) << name << ": " << r.text;
    return Answers(r.text);
  }

  // A few probes of each kind through the data tool's own seek command.
  static std::vector<size_t> ToolSample(const std::vector<Probe>& probes) {
    std::map<std::string, std::vector<size_t>> byKind;
    for (size_t i = 0; i < probes.size(); ++i)
      if (probes[i].text != "-") byKind[probes[i].kind].push_back(i);
    std::vector<size_t> sample;
    for (const auto& [kind, at] : byKind)
      for (size_t j = 0; j < kToolProbesPerKind && j < at.size(); ++j)
        sample.push_back(at[j * at.size() / kToolProbesPerKind]);
    return sample;
  }

  static std::vector<Answer> ToolSeeks(int size, const std::string& name, const std::vector<Probe>& probes,
                                       const std::vector<size_t>& sample) {
    std::string script;
    for (size_t i : sample)
      script += "'" TB_DATA_TOOL "' seek " + Quote(File(Table(size) + ".dbf")) + " " + Quote(File(name + ".ntx")) +
                " " + Quote(probes[i].text) + " || echo failed\n";
    const std::string path = File(name + ".sh");
    std::ofstream(path, std::ios::binary) << script;
    Output r = Shell("sh " + Quote(path));
    EXPECT_EQ(r.text.find("failed"), std::string::npos) << name << ":\n" << r.text;
    return Answers(r.text);
  }

  static fs::path dir_;
  static std::string written_;
};

fs::path PeerSeekTest::dir_;
std::string PeerSeekTest::written_;

// Reports a disagreement with the probe shown; a few per tag are enough.
class Disagreements {
 public:
  explicit Disagreements(std::string name) : name_(std::move(name)) {}
  ~Disagreements() { EXPECT_EQ(count_, 0) << name_ << ": " << count_ << " disagreement(s), first ones:\n" << shown_; }
  void Check(const char* who, const Probe& p, const Answer& ours, const Answer& theirs) {
    if (ours.rc == theirs.rc && ours.recno == theirs.recno) return;
    if (++count_ <= 12)
      shown_ += "  " + Shown(p) + ": ours " + std::to_string(ours.rc) + " " + std::to_string(ours.recno) + ", " +
                who + " " + std::to_string(theirs.rc) + " " + std::to_string(theirs.recno) + "\n";
  }

 private:
  std::string name_;
  std::string shown_;
  int count_ = 0;
};

TEST_F(PeerSeekTest, DumpOfPythonDbfTablesDiffersFromTheirReaders) {
  REQUIRE_PYTHON();
  for (int size : kSizes) {
    const std::string dump = File(Table(size) + ".jsonl");
    Output d = Shell("'" TB_DATA_TOOL "' dump " + Quote(File(Table(size) + ".dbf")) + " > " + Quote(dump));
    ASSERT_EQ(d.rc, 0) << d.text;
    for (const char* reader : {"pydbf", "dbfread", "perl"}) {
      if (std::string(reader) == "perl" && !peers::HavePerlXBase()) continue;
      Output r = peers::PeerCheck(std::string("compare ") + reader + " " + Quote(File(Table(size) + ".dbf")) + " " +
                                  Quote(dump));
      EXPECT_EQ(r.rc, 0) << reader << " reads " << Table(size) << " differently:\n" << r.text;
    }
  }
}

TEST_F(PeerSeekTest, KeyOrderOfOurIndexesDiffersFromPerlOrFromFieldValues) {
  REQUIRE_PYTHON();
  REQUIRE_PERL();
  for (int size : kSizes) {
    ASSERT_NO_FATAL_FAILURE(Prepare(size));
    for (const Tag& tag : kTags) {
      SCOPED_TRACE(TagFile(size, tag) + " " + tag.expr);
      const std::string name = TagFile(size, tag), ours = File(name + ".ours");
      Output k = Shell("'" TB_DATA_TOOL "' keys " + Quote(File(name + ".ntx")) + " > " + Quote(ours));
      ASSERT_EQ(k.rc, 0) << k.text;
      Output perl = peers::PeerCheck("compare-keys " + Quote(File(name + ".ntx")) + " " + Quote(ours));
      EXPECT_EQ(perl.rc, 0) << "XBase::Index reads " << name << " differently:\n" << perl.text;
      // Equal keys in record order, as a fresh build lists them.
      EXPECT_EQ(ReadFile(ours), ReadFile(File(name + ".keys"))) << "keys computed from the field values differ";
    }
  }
}

TEST_F(PeerSeekTest, SeekDisagreesWithPerlOrTheFieldValueReference) {
  REQUIRE_PYTHON();
  REQUIRE_PERL();
  std::map<std::string, long> engineCalls, toolCalls;
  for (int size : kSizes) {
    ASSERT_NO_FATAL_FAILURE(Prepare(size));
    for (const Tag& tag : kTags) {
      const std::string name = TagFile(size, tag);
      const std::vector<Probe> probes = Probes(name);
      const std::vector<Answer> engine = EngineSeeks(size, name, probes);
      const std::vector<Answer> perl = PerlSeeks(name, probes);
      ASSERT_EQ(engine.size(), probes.size()) << name;
      ASSERT_EQ(perl.size(), probes.size()) << name;
      Disagreements problems(name + " " + tag.expr);
      // XBase::Index's positioning is a partial seek for every probe kind
      // here (see xbase_read.pl), so both readers judge every probe.
      for (size_t i = 0; i < probes.size(); ++i) {
        const Probe& p = probes[i];
        problems.Check("reference", p, engine[i], {p.rc, p.recno});
        problems.Check("XBase::Index", p, engine[i], perl[i]);
        ++engineCalls[p.kind];
      }
      const std::vector<size_t> sample = ToolSample(probes);
      const std::vector<Answer> tool = ToolSeeks(size, name, probes, sample);
      ASSERT_EQ(tool.size(), sample.size()) << name;
      for (size_t j = 0; j < sample.size(); ++j) {
        const Probe& p = probes[sample[j]];
        problems.Check("the data tool", p, engine[sample[j]], tool[j]);
        ++toolCalls[p.kind];
      }
    }
  }
  for (const auto& [kind, n] : engineCalls)
    std::cout << "  " << kind << ": " << n << " seeks against both readers, " << toolCalls[kind]
              << " of them also through the data tool\n";
}

}  // namespace
