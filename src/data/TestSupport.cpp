#include "data/TestSupport.h"

#include <QDir>
#include <QLocale>

#include "data/CodeBase.h"
#include "data/Progress.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "data/Settings.h"
#include "platform/Clock.h"
#include "tbengine/engine.h"

namespace {
void CommonSetUp(Ui* ui) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
  Ui::install(ui);  // the fixture's driver, also after another one ended
  code4setFatalHook([](int code, const std::string& message) {
    throw ProgramEnded{code, message};
  });
}

void CommonTearDown() {
  Ui::install(nullptr);
  Clock::useSystem();
}
}  // namespace

void PlainDataTest::SetUp() { CommonSetUp(&ui); }

void PlainDataTest::TearDown() { CommonTearDown(); }

void DataFolderTest::SetUp() {
  CommonSetUp(&ui);
  ASSERT_TRUE(dir.isValid());
  resetDataForTests();
  resetSettingsForTests();
  resetProgressForTests();
  QString error;
  ASSERT_TRUE(WriteSuppliedTables(dir.path(), &error)) << error.toStdString();
  StartEngine(dir.path());
}

void DataFolderTest::TearDown() {
  EndEngine();
  resetDataForTests();
  CommonTearDown();
}

bool DataFolderTest::exists(const QString& file) const { return QFile::exists(path(file)); }

void IndexedFolderTest::SetUp() {
  DataFolderTest::SetUp();
  RebuildIndexes(true);
}
