// The printer chosen in Printer Setup outlives the run; a new PDF file takes
// the paper of the user's locale. The user's settings go to a temporary
// folder here, never to the real ones.
#include "platform/PrinterChoice.h"

#include <QDir>
#include <QLocale>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"

namespace {

class PrinterChoiceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureTestApplication();
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(settings.isValid() && files.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    PrinterChoice::selectNone();
  }
  void TearDown() override {
    PrinterChoice::selectNone();
    QLocale::setDefault(QLocale::system());
  }
  // Printer Setup with no printer installed asks for a PDF file.
  void chooseInSetup(const QString& pdf) {
    ui.expectSaveFile(pdf);
    ASSERT_TRUE(PrinterChoice::setupDialog(nullptr));
  }
  // What the next start chooses.
  QString atNextStart() {
    PrinterChoice::selectNone();
    PrinterChoice::selectRemembered();
    return PrinterChoice::description();
  }

  QTemporaryDir settings, files;
  ScriptedUi ui;
};

TEST_F(PrinterChoiceTest, PdfFileChosenInPrinterSetupIsChosenAgainAtTheNextStart) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  const QString pdf = files.filePath("out.pdf");
  chooseInSetup(pdf);
  EXPECT_EQ(atNextStart(), "out.pdf-Portrait");
  EXPECT_EQ(PrinterChoice::printer()->outputFileName(), pdf);
  EXPECT_FALSE(QFileInfo::exists(pdf)) << "choosing writes no file";
}

TEST_F(PrinterChoiceTest, RememberedChoiceThatIsGoneFallsBackToTheDefault) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  const QString folder = files.filePath("gone");
  ASSERT_TRUE(QDir().mkpath(folder));
  chooseInSetup(folder + "/out.pdf");
  ASSERT_TRUE(QDir(folder).removeRecursively());
  PrinterChoice::selectSystemDefault();
  const QString fallback = PrinterChoice::description();
  EXPECT_EQ(atNextStart(), fallback);
}

TEST_F(PrinterChoiceTest, NothingRememberedChoosesTheDefault) {
  PrinterChoice::selectSystemDefault();
  const QString fallback = PrinterChoice::description();
  EXPECT_EQ(atNextStart(), fallback);
}

TEST_F(PrinterChoiceTest, NewPdfTakesThePaperOfTheLocale) {
  const std::pair<QLocale, QPageSize::PageSizeId> cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), QPageSize::Letter},
      {QLocale(QLocale::French, QLocale::Canada), QPageSize::Letter},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), QPageSize::A4},
      {QLocale(QLocale::German, QLocale::Germany), QPageSize::A4},
  };
  for (const auto& [locale, paper] : cases) {
    SCOPED_TRACE(locale.name().toStdString());
    QLocale::setDefault(locale);
    PrinterChoice::selectPdf(files.filePath("p.pdf"));
    EXPECT_EQ(PrinterChoice::printer()->pageLayout().pageSize().id(), paper);
  }
}

}  // namespace
