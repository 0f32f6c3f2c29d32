// The data tool over the corpus of damaged files (tools/testdata/damaged,
// written by scripts/damaged-corpus.py): check names each damage, and a pack
// either refuses the table leaving every file as it was, or works.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kCorpus = fs::path(TB_SOURCE_DIR) / "tools" / "testdata" / "damaged";

std::string Read(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::directory_iterator(dir)) files[e.path().filename().string()] = Read(e.path());
  return files;
}

struct ToolRun {
  int rc;
  std::string out;  // stdout and stderr
};

ToolRun Tool(const fs::path& dir, const std::string& args) {
  const std::string cmd = "cd '" + dir.string() + "' && '" TB_DATA_TOOL "' " + args + " 2>&1";
  FILE* p = popen(cmd.c_str(), "r");
  std::string out;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  const int status = pclose(p);
  return {WEXITSTATUS(status), out};
}

TEST(DamagedCorpus, CheckNamesEachDamageAndAFailingPackChangesNoFile) {
  ASSERT_TRUE(fs::is_directory(kCorpus / "base")) << kCorpus;
  const fs::path work = fs::temp_directory_path() / ("tbcorpus-" + std::to_string(::getpid()));
  EXPECT_EQ(Tool(kCorpus / "base", "check .").rc, 0) << Tool(kCorpus / "base", "check .").out;
  int cases = 0;
  for (const auto& entry : fs::directory_iterator(kCorpus)) {
    const std::string name = entry.path().filename().string();
    if (name == "base") continue;
    ++cases;
    fs::remove_all(work);
    fs::create_directories(work);
    for (const auto& f : fs::directory_iterator(kCorpus / "base")) fs::copy_file(f.path(), work / f.path().filename());
    std::string expectCheck, expectPack;
    {
      std::ifstream expect(entry.path() / "EXPECT");
      std::getline(expect, expectCheck);
      std::getline(expect, expectPack);
    }
    for (const auto& f : fs::directory_iterator(entry.path()))
      if (f.path().filename() != "EXPECT")
        fs::copy_file(f.path(), work / f.path().filename(), fs::copy_options::overwrite_existing);

    const ToolRun check = Tool(work, "check .");
    EXPECT_EQ(check.rc, 1) << name;
    EXPECT_NE(check.out.find(expectCheck), std::string::npos) << name << ": " << check.out;

    const auto before = Snapshot(work);
    const ToolRun pack = Tool(work, "pack INV5.dbf");
    if (expectPack == "pack-fails") {
      EXPECT_EQ(pack.rc, 1) << name << ": " << pack.out;
      EXPECT_NE(pack.out.find("INV5"), std::string::npos) << name << ": " << pack.out;
      EXPECT_TRUE(Snapshot(work) == before) << name << ": a failing pack changed a file";
    } else {
      EXPECT_EQ(pack.rc, 0) << name << ": " << pack.out;
    }
  }
  EXPECT_GE(cases, 15);
  fs::remove_all(work);
}

TEST(DamagedCorpus, RepairCountsTheRecordsACrashLeftUncounted) {
  const fs::path work = fs::temp_directory_path() / ("tbrepair-" + std::to_string(::getpid()));
  fs::remove_all(work);
  fs::create_directories(work);
  for (const auto& f : fs::directory_iterator(kCorpus / "base")) fs::copy_file(f.path(), work / f.path().filename());
  fs::copy_file(kCorpus / "count-too-small" / "INV5.dbf", work / "INV5.dbf", fs::copy_options::overwrite_existing);
  EXPECT_NE(Tool(work, "pack INV5.dbf").out.find("tallowby-db repair INV5.dbf"), std::string::npos);
  const ToolRun repair = Tool(work, "repair INV5.dbf");
  EXPECT_EQ(repair.rc, 0) << repair.out;
  EXPECT_NE(repair.out.find("record count 60 -> 70"), std::string::npos) << repair.out;
  const ToolRun check = Tool(work, "check .");
  EXPECT_EQ(check.rc, 0) << check.out;
  EXPECT_NE(Tool(work, "repair INV5.dbf").out.find("the count was right"), std::string::npos);
  fs::remove_all(work);
}

}  // namespace
