// The data tool's backup, restore and convert commands, run as a script
// would; and restores killed at random points, after which the next command
// on the folder leaves it wholly as it was or wholly restored.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "peers/PeerHarness.h"

namespace fs = std::filesystem;

namespace {

const char* const kCopied[] = {"CUST5.dbf", "CUST5.dbt", "GROUPS.dbf", "INV5.dbf",
                               "INV5.dbt",  "ITM5.dbf",  "LABELS.dbf", "PMT.dbf",
                               "Pur5.dbf",  "Prod5.dbf", "Prod5.dbt"};

std::string Read(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return in ? s.str() : std::string("<missing>");
}

std::map<std::string, std::string> Copied(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const char* f : kCopied) files[f] = Read(dir / f);
  return files;
}

class BackupCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (fs::temp_directory_path() / "tbbackupXXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    data = root / "data";
    ASSERT_EQ(Tool("init --demo " + Q(data)).rc, 0);
  }
  void TearDown() override { fs::remove_all(root); }

  static std::string Q(const fs::path& p) { return peers::Quote(p.string()); }
  static peers::Output Tool(const std::string& args) {
    return peers::Shell(peers::Quote(TB_DATA_TOOL) + " " + args);
  }

  fs::path root, data;
};

TEST_F(BackupCommandsTest, BackupAndRestoreRoundTripWithExitCodes) {
  const fs::path saved = root / "nightly" / "monday";
  peers::Output out = Tool("backup " + Q(data) + " " + Q(saved));
  ASSERT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(Copied(saved), Copied(data)) << "the target folder is made when missing";

  const fs::path empty = root / "empty";
  ASSERT_EQ(Tool("init " + Q(empty)).rc, 0);
  out = Tool("restore " + Q(data) + " " + Q(empty));
  ASSERT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(Copied(data), Copied(empty));
  out = Tool("check " + Q(data));
  EXPECT_EQ(out.rc, 0) << "indexes rebuilt after the restore\n" << out.text;

  out = Tool("restore " + Q(data) + " " + Q(saved));
  ASSERT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(Copied(data), Copied(saved));
}

TEST_F(BackupCommandsTest, FailuresExitNonZeroWithOneLineAndChangeNothing) {
  const fs::path saved = root / "saved";
  ASSERT_EQ(Tool("backup " + Q(data) + " " + Q(saved)).rc, 0);
  fs::remove(saved / "PMT.dbf");
  const fs::path empty = root / "empty";
  ASSERT_EQ(Tool("init " + Q(empty)).rc, 0);
  fs::remove(empty / "PMT.dbf");
  const auto before = Copied(data);

  peers::Output out = Tool("restore " + Q(data) + " " + Q(empty));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text, "tallowby-db: restore failed: Unable to find " + (empty / "PMT.dbf").string() +
                          " Function Aborted\n");
  EXPECT_EQ(Copied(data), before);

  out = Tool("restore " + Q(data) + " " + Q(data / "."));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text,
            "tallowby-db: restore failed: Restore must be from a different drive and/or directory\n");
  out = Tool("backup " + Q(data) + " " + Q(data));
  EXPECT_EQ(out.rc, 1);
  out = Tool("backup " + Q(root / "nowhere") + " " + Q(saved));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text, "tallowby-db: " + (root / "nowhere").string() + ": no such folder\n");
  out = Tool("convert " + Q(data) + " " + Q(saved));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text, "tallowby-db: conversion failed: Data files not found in " + saved.string() + "\n");
  EXPECT_EQ(Copied(data), before);

  EXPECT_EQ(Tool("restore " + Q(data)).rc, 2);
  out = Tool("backup --help");
  EXPECT_EQ(out.rc, 0);
  EXPECT_NE(out.text.find("TARGETDIR"), std::string::npos) << out.text;
  EXPECT_EQ(Tool("convert --version").rc, 0);
}

TEST_F(BackupCommandsTest, ConvertReplacesTheBusinessDataAndPacks) {
  REQUIRE_PYTHON();
  const fs::path old = root / "old";
  fs::create_directories(old);
  const std::string script = std::string(std::getenv("TB_SOURCE_DIR")) + "/src/data/testdata/earlier_tables.py";
  ASSERT_EQ(peers::Shell(peers::Python() + " " + peers::Quote(script) + " " + Q(old)).rc, 0);
  peers::Output out = Tool("convert " + Q(data) + " " + Q(old));
  ASSERT_EQ(out.rc, 0) << out.text;
  out = Tool("check " + Q(data));
  EXPECT_EQ(out.rc, 0) << out.text;
  out = Tool("dump " + Q(data / "Prod5.dbf"));
  EXPECT_EQ(std::count(out.text.begin(), out.text.end(), '\n'), 2)
      << "the product deleted in the old table is packed away\n" << out.text;
  EXPECT_NE(out.text.find("Blue candle"), std::string::npos);
}

// A restore killed at random points: afterwards (the next command on the
// folder having finished or undone it) every restored file is the earlier
// one, or every one is the backup's; never a mix.
TEST_F(BackupCommandsTest, RestoreKilledAtRandomPointsLeavesNoMix) {
  const fs::path pristine = root / "pristine";
  fs::copy(data, pristine);
  const fs::path backup = root / "backup";
  ASSERT_EQ(Tool("init " + Q(backup)).rc, 0);
  {  // a large memo file makes the copying take a while
    std::ofstream grow(backup / "CUST5.dbt", std::ios::binary | std::ios::app);
    grow << std::string(8 << 20, '\0');
  }
  const auto earlier = Copied(pristine);
  const auto restored = Copied(backup);

  const auto runRestore = [&](std::chrono::microseconds killAfter) {
    const pid_t child = fork();
    if (child == 0) {
      const int devnull = open("/dev/null", O_WRONLY);
      dup2(devnull, 1);
      dup2(devnull, 2);
      execl(TB_DATA_TOOL, TB_DATA_TOOL, "restore", data.c_str(), backup.c_str(), (char*)nullptr);
      _exit(127);
    }
    if (killAfter.count() >= 0) {
      usleep(static_cast<useconds_t>(killAfter.count()));
      kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return status;
  };

  const auto t0 = std::chrono::steady_clock::now();
  ASSERT_EQ(runRestore(std::chrono::microseconds(-1)), 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(
      std::chrono::steady_clock::now() - t0);
  ASSERT_EQ(Copied(data), restored);

  std::mt19937 random(20261208);
  std::uniform_int_distribution<long> when(0, whole.count());
  int asBefore = 0, asRestored = 0, killedAfterCommit = 0;
  for (int run = 0; run < 40; ++run) {
    fs::remove_all(data);
    fs::copy(pristine, data);
    runRestore(std::chrono::microseconds(when(random)));
    killedAfterCommit += fs::exists(data / ".tbswap" / "journal");
    const peers::Output check = Tool("check " + Q(data));  // finishes or undoes the swap
    EXPECT_FALSE(fs::exists(data / ".tbswap")) << "run " << run;
    const auto now = Copied(data);
    if (now == earlier) {
      ++asBefore;
      EXPECT_EQ(check.rc, 0) << "run " << run << "\n" << check.text;
    } else if (now == restored) {
      ++asRestored;
    } else {
      ADD_FAILURE() << "run " << run << ": the data folder holds a mix";
    }
  }
  EXPECT_EQ(asBefore + asRestored, 40);
  EXPECT_GT(asBefore, 0) << "some kills came before the commit point";
  EXPECT_GT(asRestored, 0) << "some came after it";
  std::printf("killed restores: %d left as they were, %d finished (%d after the commit point)\n",
              asBefore, asRestored, killedAfterCommit);
}

}  // namespace
