#include "platform/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class FileCopyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  void TearDown() override { FileCopy::setFault(nullptr); }

  QString path(const QString& name) const { return dir.filePath(name); }
  void write(const QString& name, const QByteArray& bytes) {
    QFile f(path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QByteArray read(const QString& name) {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }

  QTemporaryDir dir;
};

TEST_F(FileCopyTest, CopyReplacesTheTargetWhole) {
  write("CUST5.DBF", "new table");
  write("backup.dbf", "an older and longer table");
  EXPECT_EQ(FileCopy::copy(path("CUST5.DBF"), path("backup.dbf")), FileCopy::Result::Ok);
  EXPECT_EQ(read("backup.dbf"), "new table");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // nothing left beside it
}

TEST_F(FileCopyTest, LinksPlantedBesideTheTargetAreNeverWrittenThrough) {
  write("victim", "the victim's own");
  write("CUST5.DBF", "new table");
  ASSERT_TRUE(QFile::link(path("victim"), path("backup.dbf.tbcopy")));
  ASSERT_TRUE(QFile::link(path("victim"), path("list.txt.tbcopy")));
  EXPECT_EQ(FileCopy::copy(path("CUST5.DBF"), path("backup.dbf")), FileCopy::Result::Ok);
  EXPECT_EQ(FileCopy::write(path("list.txt"), "the list"), FileCopy::Result::Ok);
  EXPECT_EQ(read("victim"), "the victim's own");
  EXPECT_EQ(read("backup.dbf"), "new table");
  EXPECT_EQ(read("list.txt"), "the list");
  EXPECT_FALSE(QFileInfo(path("backup.dbf")).isSymLink());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 6) << "nothing more beside them";
}

TEST_F(FileCopyTest, MissingSourceFailsAndLeavesTheTarget) {
  write("backup.dbf", "kept");
  QString detail;
  EXPECT_EQ(FileCopy::copy(path("nothing.dbf"), path("backup.dbf"), &detail),
            FileCopy::Result::Failed);
  EXPECT_FALSE(detail.isEmpty());
  EXPECT_EQ(read("backup.dbf"), "kept");
}

TEST_F(FileCopyTest, ReadOnlyTargetIsWriteProtected) {
  if (::geteuid() == 0) GTEST_SKIP() << "root may write any file";
  write("a.dbf", "a");
  write("b.dbf", "b");
  QFile::setPermissions(path("b.dbf"), QFile::ReadOwner);
  EXPECT_EQ(FileCopy::copy(path("a.dbf"), path("b.dbf")), FileCopy::Result::WriteProtected);
  EXPECT_EQ(read("b.dbf"), "b");
}

TEST_F(FileCopyTest, FolderThatTakesNoFilesIsWriteProtected) {
  write("a.dbf", "a");
  // sysfs refuses new files to everyone, root included.
  EXPECT_EQ(FileCopy::copy(path("a.dbf"), "/sys/tallowby-copy.dbf"),
            FileCopy::Result::WriteProtected);
}

TEST_F(FileCopyTest, SystemErrorsAreToldApart) {
  auto of = [](int e) { return FileCopy::resultOf(std::error_code(e, std::generic_category())); };
  EXPECT_EQ(of(ENOSPC), FileCopy::Result::DiskFull);
  EXPECT_EQ(of(EROFS), FileCopy::Result::WriteProtected);
  EXPECT_EQ(of(EACCES), FileCopy::Result::WriteProtected);
  EXPECT_EQ(of(EIO), FileCopy::Result::Failed);
  EXPECT_EQ(of(0), FileCopy::Result::Ok);
}

TEST_F(FileCopyTest, InjectedDiskFullCopiesNothingUntilCleared) {
  write("a.dbf", "a");
  int asked = 0;
  FileCopy::setFault([&](const QString&, const QString& to) {
    ++asked;
    return to.endsWith("b.dbf") && asked == 1 ? FileCopy::Result::DiskFull : FileCopy::Result::Ok;
  });
  EXPECT_EQ(FileCopy::copy(path("a.dbf"), path("b.dbf")), FileCopy::Result::DiskFull);
  EXPECT_FALSE(QFile::exists(path("b.dbf")));
  EXPECT_EQ(FileCopy::copy(path("a.dbf"), path("b.dbf")), FileCopy::Result::Ok);
  EXPECT_EQ(read("b.dbf"), "a");
}

}  // namespace
