// A PDF print job writes beside its target; only a complete file takes the
// target's place.
#include "platform/PdfBeside.h"

#include <QFile>
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
    EXPECT_EQ(printer.outputFileName(), target + ".tbprint");
    PrintAPage();
    EXPECT_EQ(Contents(target), "the older file") << "untouched while the job runs";
    QString why;
    EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::Saved);
  }
  EXPECT_TRUE(Contents(target).startsWith("%PDF"));
  EXPECT_FALSE(QFile::exists(target + ".tbprint"));
  EXPECT_EQ(printer.outputFileName(), target);
}

TEST_F(PdfBesideTest, CutShortFileLeavesTheOlderOneAndIsRemoved) {
  PdfBeside pdf(&printer);
  PrintAPage();
  QFile beside(target + ".tbprint");
  ASSERT_TRUE(beside.resize(beside.size() / 2));  // as a full disk leaves it
  QString why;
  EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::Failed);
  EXPECT_FALSE(why.isEmpty());
  EXPECT_EQ(Contents(target), "the older file");
  EXPECT_FALSE(QFile::exists(target + ".tbprint"));
}

TEST_F(PdfBesideTest, JobThatNeverBeganLeavesEverythingAsItWas) {
  {
    QFile stale(target + ".tbprint");  // left by a job cut short earlier
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  }
  {
    PdfBeside pdf(&printer);
    QString why;
    EXPECT_EQ(pdf.finish(&why), PdfBeside::Result::NothingPrinted);
  }
  EXPECT_EQ(Contents(target), "the older file");
  EXPECT_FALSE(QFile::exists(target + ".tbprint"));
  EXPECT_EQ(printer.outputFileName(), target);
}

}  // namespace
