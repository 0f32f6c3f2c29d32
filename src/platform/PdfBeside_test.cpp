// A PDF print job writes beside its target; only a complete file takes the
// target's place.
#include "platform/PdfBeside.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/PainterCanvas.h"
#include "platform/TestApplication.h"

namespace {

class PdfBesideTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    target = dir.filePath("out.pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
  }
  // The folder holds the target and nothing more.
  QStringList Files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); }
  static QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void PrintAPage() {
    PainterCanvas canvas(&printer);
    canvas.drawText(10, 10, "Invoice");
    canvas.end();
  }

  struct ApplicationFirst {
    ApplicationFirst() { EnsureTestApplication(); }
  } application;  // before the printer
  QTemporaryDir dir;
  QString target;
  QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PdfBesideTest, CompleteFileReplacesTheTarget) {
  {
    PdfBeside pdf(&printer);
    EXPECT_TRUE(printer.outputFileName().startsWith(target + "."));
    EXPECT_TRUE(printer.outputFileName().endsWith(".tbprint"));
    PrintAPage();
    EXPECT_EQ(Contents(target), "the older file") << "untouched while the job runs";
    QString why;
    EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::Saved);
  }
  EXPECT_TRUE(Contents(target).startsWith("%PDF"));
  EXPECT_EQ(Files(), QStringList{"out.pdf"});
  EXPECT_EQ(printer.outputFileName(), target);
}

TEST_F(PdfBesideTest, CutShortFileLeavesTheOlderOneAndIsRemoved) {
  PdfBeside pdf(&printer);
  PrintAPage();
  QFile beside(printer.outputFileName());
  ASSERT_TRUE(beside.resize(beside.size() / 2));  // as a full disk leaves it
  QString why;
  EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::Failed);
  EXPECT_FALSE(why.isEmpty());
  EXPECT_EQ(Contents(target), "the older file");
  EXPECT_EQ(Files(), QStringList{"out.pdf"});
}

TEST_F(PdfBesideTest, JobThatNeverBeganLeavesEverythingAsItWas) {
  {
    PdfBeside pdf(&printer);
    QString why;
    EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::NothingPrinted);
  }
  EXPECT_EQ(Contents(target), "the older file");
  EXPECT_EQ(Files(), QStringList{"out.pdf"});
  EXPECT_EQ(printer.outputFileName(), target);
}

TEST_F(PdfBesideTest, LinkPlantedBesideTheTargetIsNeverWrittenThrough) {
  const QString victim = dir.filePath("victim");
  {
    QFile f(victim);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("the victim's own");
  }
  ASSERT_TRUE(QFile::link(victim, target + ".tbprint"));
  {
    PdfBeside pdf(&printer);
    PrintAPage();
    QString why;
    EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::Saved);
  }
  EXPECT_EQ(Contents(victim), "the victim's own");
  EXPECT_TRUE(Contents(target).startsWith("%PDF"));
  EXPECT_FALSE(QFileInfo(target).isSymLink());
}

TEST_F(PdfBesideTest, FolderThatTakesNoNewFileFailsTheJob) {
  printer.setOutputFileName(dir.filePath("gone/out.pdf"));
  PdfBeside pdf(&printer);
  EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat) << "never a real printer";
  PrintAPage();
  QString why;
  EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::Failed);
  EXPECT_FALSE(why.isEmpty());
}

}  // namespace
