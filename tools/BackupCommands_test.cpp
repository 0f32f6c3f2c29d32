// The data tool's backup, restore and convert commands, run as a script
// would; restores killed at random points, after which the next command on
// the folder leaves it wholly as it was or wholly restored; and every
// command on a folder or one of its tables putting the folder in order
// first, or keeping off while another program restores there.
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

#include "data/FolderHold.h"
#include "peers/DemoFolderTest.h"

namespace fs = std::filesystem;

namespace {

const char* const kCopied[] = {"CUST5.dbf", "CUST5.dbt", "GROUPS.dbf", "INV5.dbf",
                               "INV5.dbt",  "ITM5.dbf",  "LABELS.dbf", "PMT.dbf",
                               "Pur5.dbf",  "Prod5.dbf", "Prod5.dbt"};

using peers::Read;

std::map<std::string, std::string> Copied(const fs::path& dir) {
  std::map<std::string, std::string> files;
  for (const char* f : kCopied) files[f] = Read(dir / f);
  return files;
}

class BackupCommandsTest : public peers::DemoFolderTest {};

TEST_F(BackupCommandsTest, BackupAndRestoreRoundTripWithExitCodes) {
  const fs::path saved = root / "nightly" / "monday";
  peers::Output out = Tool("backup " + Q(data) + " " + Q(saved));
  ASSERT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(Copied(saved), Copied(data)) << "the target folder is made when missing";

  // A folder without a backup's list, such as an earlier version left.
  const fs::path empty = root / "empty";
  ASSERT_EQ(Tool("init " + Q(empty)).rc, 0);
  const auto before = Copied(data);
  out = Tool("restore " + Q(data) + " " + Q(empty));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text, "tallowby-db: restore failed: " + empty.string() +
                          " has no list of its files (a backup made by an earlier version), so its files "
                          "cannot be checked; --unchecked restores it as it is\n");
  EXPECT_EQ(Copied(data), before);
  out = Tool("restore --unchecked " + Q(data) + " " + Q(empty));
  ASSERT_EQ(out.rc, 0) << out.text;
  EXPECT_EQ(out.text, "tallowby-db: restore: The backup does not hold CUSTEI.DBF, CUSTLANG.DBF, INVSTATE.DBF, BANKREF.DBF, REMIND.DBF, REFRATE.DBF, RECUR.DBF, QUOTE.dbf, "
                      "QUOTEIT.dbf, RECEIVED.DBF, RECVMAP.DBF (tables added since it was made); they were left as they are.\n");
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

  peers::Output out = Tool("restore --unchecked " + Q(data) + " " + Q(empty));
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
      execl(TB_DATA_TOOL, TB_DATA_TOOL, "restore", "--unchecked", data.c_str(), backup.c_str(), (char*)nullptr);
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

// A restore killed after its commit point, with CUST5.dbf in place and its
// memo file, index files and tag group still staged: the new customers'
// memo pointers beside the old memo file.
void CutShortAfterCommit(const fs::path& data, const fs::path& backup) {
  const fs::path staging = data / ".tbswap";
  fs::create_directories(staging);
  std::string journal = "tallowby swap 1\nput\tCUST5.dbf\tCUST5.dbf\n";
  for (const char* f : {"CUST5.dbt", "cName.ntx", "ccno.ntx", "czip.ntx", "ccomp.ntx", "CUST5.cgp"}) {
    fs::copy_file(backup / f, staging / f);
    journal += std::string("put\t") + f + "\t" + f + "\n";
  }
  fs::copy_file(backup / "CUST5.dbf", data / "CUST5.dbf", fs::copy_options::overwrite_existing);
  std::ofstream(staging / "journal") << journal;
}

TEST_F(BackupCommandsTest, CommandsOnOneTableFinishARestoreCutShortBeforeTheyOpenIt) {
  // The data folder holds the empty supplied tables; the backup the demo business.
  const fs::path backup = root / "backup";
  fs::copy(data, backup);
  ASSERT_EQ(Tool("reindex " + Q(backup)).rc, 0);
  fs::remove_all(data);
  ASSERT_EQ(Tool("init " + Q(data)).rc, 0);
  ASSERT_EQ(Tool("reindex " + Q(data)).rc, 0);
  const std::string customers = Tool("dump " + Q(backup / "CUST5.dbf")).text;
  const auto count = [&](const std::string& what) {
    size_t n = 0;
    for (size_t at = customers.find(what); at != std::string::npos; at = customers.find(what, at + 1)) ++n;
    return n;
  };
  ASSERT_GT(count("\"COMMENTS\": \""), count("\"COMMENTS\": \"\"")) << "some customers have memos";
  const fs::path pristine = root / "pristine";
  fs::copy(data, pristine);

  const std::string table = Q(data / "CUST5.dbf");
  for (const std::string& command :
       {"dump " + table, "pack " + table, "repair " + table, "keys " + Q(data / "cName.ntx"),
        "seek " + table + " " + Q(data / "cName.ntx") + " X", "index " + table + " " + Q(data / "x.ntx") + " ZIP",
        "check " + Q(data)}) {
    SCOPED_TRACE(command);
    fs::remove_all(data);
    fs::copy(pristine, data);
    CutShortAfterCommit(data, backup);
    const peers::Output out = Tool(command);
    EXPECT_LT(out.rc, 2) << out.text;
    EXPECT_FALSE(fs::exists(data / ".tbswap"));
    EXPECT_EQ(Tool("dump " + table).text, customers) << "every customer with its own memo";
    EXPECT_EQ(Tool("check " + Q(data)).rc, 0);
  }
}

TEST_F(BackupCommandsTest, NextCommandRemovesWhatKilledWorkLeft) {
  const std::string before = Tool("dump " + Q(data / "CUST5.dbf")).text;
  for (const char* f : {"cName.ntx.tmp", "fresh.ntx.tmp", "CUST5.cgp.tbnew"}) std::ofstream(data / f) << "half";
  std::ofstream(data / "CUST5.dbf.tbpack") << "a pack cut short before its commit";
  const peers::Output out = Tool("dump " + Q(data / "GROUPS.dbf"));
  EXPECT_EQ(out.rc, 0) << out.text;
  for (const auto& e : fs::directory_iterator(data)) {
    const std::string name = e.path().filename().string();
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    EXPECT_EQ(name.find(".tb"), std::string::npos) << name;
  }
  EXPECT_EQ(Tool("dump " + Q(data / "CUST5.dbf")).text, before);

  const fs::path saved = root / "saved";
  fs::create_directories(saved);
  std::ofstream(saved / "CUST5.dbt.tbcopy") << "half a copy";
  fs::permissions(saved / "CUST5.dbt.tbcopy", fs::perms::owner_write);
  ASSERT_EQ(Tool("backup " + Q(data) + " " + Q(saved)).rc, 0);
  EXPECT_FALSE(fs::exists(saved / "CUST5.dbt.tbcopy"));
}

// The test process holds the folder as another program would.
TEST_F(BackupCommandsTest, CommandsKeepOffWhileAnotherProgramRestoresAndRestoreWhileOneReads) {
  const fs::path saved = root / "saved";
  ASSERT_EQ(Tool("backup " + Q(data) + " " + Q(saved)).rc, 0);
  const auto before = Copied(data);
  {
    FolderHold restoring;
    ASSERT_TRUE(restoring.take(QString::fromStdString(data.string()), FolderHold::Mode::Exclusive));
    for (const std::string& command : {"dump " + Q(data / "CUST5.dbf"), "check " + Q(data),
                                       "pack " + Q(data / "CUST5.dbf")}) {
      SCOPED_TRACE(command);
      const peers::Output out = Tool(command);
      EXPECT_EQ(out.rc, 1);
      EXPECT_EQ(out.text, "tallowby-db: " + data.string() +
                              ": another program is restoring or converting its data files; nothing was done\n");
    }
  }
  {
    FolderHold reading;
    ASSERT_TRUE(reading.take(QString::fromStdString(data.string()), FolderHold::Mode::Shared));
    const peers::Output out = Tool("restore " + Q(data) + " " + Q(saved));
    EXPECT_EQ(out.rc, 1);
    EXPECT_EQ(out.text, "tallowby-db: restore failed: The data files in " + data.string() +
                            " are in use by another program. The restore did not happen; nothing was changed.\n");
  }
  EXPECT_EQ(Copied(data), before);
  const peers::Output out = Tool("restore " + Q(data) + " " + Q(saved));
  EXPECT_EQ(out.rc, 0) << out.text;
}

TEST_F(BackupCommandsTest, RestoreRefusesABackupCutShortOverAnOlderOne) {
  const fs::path saved = root / "saved";
  ASSERT_EQ(Tool("backup " + Q(data) + " " + Q(saved)).rc, 0);
  EXPECT_TRUE(fs::exists(saved / "backup-manifest.txt"));
  const fs::path empty = root / "empty";
  ASSERT_EQ(Tool("init " + Q(empty)).rc, 0);
  ASSERT_EQ(Tool("backup " + Q(empty) + " " + Q(root / "newer")).rc, 0);
  // What a backup of the empty tables killed at its fifth file leaves.
  fs::copy_file(root / "newer" / "backup-manifest.txt", saved / "backup-manifest.txt",
                fs::copy_options::overwrite_existing);
  for (const char* f : {"CUST5.dbf", "CUST5.dbt", "GROUPS.dbf", "INV5.dbf"})
    fs::copy_file(root / "newer" / f, saved / f, fs::copy_options::overwrite_existing);
  const auto before = Copied(data);
  const peers::Output out = Tool("restore " + Q(data) + " " + Q(saved));
  EXPECT_EQ(out.rc, 1);
  EXPECT_EQ(out.text.rfind("tallowby-db: restore failed: Unable to restore " + saved.string(), 0), 0u) << out.text;
  EXPECT_NE(out.text.find(" is not the file the backup wrote: the backup was cut short, or holds files of "
                          "two backups. The restore did not happen; nothing was changed.\n"),
            std::string::npos)
      << out.text;
  EXPECT_EQ(Copied(data), before);
}

}  // namespace
