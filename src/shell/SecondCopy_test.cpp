// Two copies of the program on one data folder: the second one ends at once
// and touches nothing, while the first runs; once the first is gone, even
// killed without letting go, the folder is free again. The first copy is a
// real second process: this test program run again, starting its main
// window in the folder named by TB_FIRST_COPY_DIR.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cstdio>
#include <iostream>
#include <string>

#include "data/CodeBase.h"
#include "data/FolderLock.h"
#include "shell/TestSupport.h"
#include "shell/Windows.h"

namespace {

using SecondCopyTest = ShellTest;

constexpr const char* kFirstCopyDir = "TB_FIRST_COPY_DIR";

// Only as the first copy: runs until its standard input closes.
TEST_F(SecondCopyTest, FirstCopy) {
  const QString folder = qEnvironmentVariable(kFirstCopyDir);
  if (folder.isEmpty()) GTEST_SKIP() << "run by the other tests as the first copy";
  QDir::setCurrent(folder);
  start();
  ASSERT_FALSE(main()->ended());
  std::cout << (cb ? "running" : "not started") << std::endl;
  std::string line;
  while (std::getline(std::cin, line)) {
  }
  main()->close();
}

class FirstCopy {
 public:
  explicit FirstCopy(const QString& folder) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kFirstCopyDir, folder);
    process_.setProcessEnvironment(env);
    process_.start(QCoreApplication::applicationFilePath(),
                   {"--gtest_filter=SecondCopyTest.FirstCopy"});
    QByteArray out;
    while (!out.contains("running") && !out.contains("not started") && process_.waitForReadyRead(60000))
      out += process_.readAllStandardOutput();
    running_ = out.contains("running");
  }
  ~FirstCopy() { kill(); }
  bool running() const { return running_; }
  // Ends it as a crash would: nothing is released by the program.
  void kill() {
    process_.kill();
    process_.waitForFinished();
  }
  // Lets it close its main window and end normally.
  bool quit() {
    process_.closeWriteChannel();
    return process_.waitForFinished(60000) && process_.exitCode() == 0;
  }

 private:
  QProcess process_;
  bool running_ = false;
};

TEST_F(SecondCopyTest, EndsWithoutTouchingTheFolderWhileTheFirstRuns) {
  buildIndexes();
  FirstCopy first(dir.path());
  ASSERT_TRUE(first.running());
  const auto before = files();
  ui.expectMessage(Ui::Kind::Information, "Tallowby is already running on this data folder.");
  start();
  EXPECT_TRUE(main()->ended());
  EXPECT_EQ(main()->exitCode(), 1);
  EXPECT_EQ(cb, nullptr) << "the engine was never started";
  EXPECT_EQ(files(), before);
  ui.verifyDone();

  // Killed, the first copy holds the folder no more.
  first.kill();
  DestroyWindows();
  CreateWindows();
  start();
  EXPECT_FALSE(main()->ended());
  EXPECT_NE(cb, nullptr);
}

TEST_F(SecondCopyTest, FolderIsFreeAgainWhenTheFirstEndsNormally) {
  buildIndexes();
  FirstCopy first(dir.path());
  ASSERT_TRUE(first.running());
  ASSERT_TRUE(first.quit());
  EXPECT_FALSE(QFile::exists(dir.filePath(kFolderLockName)));
  start();
  EXPECT_FALSE(main()->ended());
  // And this copy holds it now.
  FolderLock other(dir.path());
  EXPECT_FALSE(other.hold());
  main()->close();
  EXPECT_TRUE(other.hold()) << "closing the main window lets the folder go";
}

// A holder killed between making the lock file and writing itself into it
// leaves it empty: taken over once no process holds it, kept while one does.
TEST_F(SecondCopyTest, AnEmptyLockFileIsTakenOverOnlyWhenNoProcessHoldsIt) {
  const QString path = dir.filePath(kFolderLockName);
  {
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
  }
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::flock(fd, LOCK_EX | LOCK_NB), 0);
  {
    FolderLock lock(dir.path());
    EXPECT_FALSE(lock.hold()) << "its maker still holds it";
  }
  ::close(fd);
  FolderLock lock(dir.path());
  EXPECT_TRUE(lock.hold()) << "left by a holder that is gone";
}

}  // namespace
