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

bool RecordingUi::confirm(Kind kind, Buttons buttons, const QString& text) {
  confirmations << text;
  lastKind = kind;
  lastButtons = buttons;
  if (answers.isEmpty()) {
    ADD_FAILURE() << "unexpected question: " << text.toStdString();
    return false;
  }
  return answers.takeFirst();
}

bool RecordingUi::input(const QString&, const QString& prompt, QString*) {
  ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
  return false;
}

QString RecordingUi::openFileName(QWidget*, const QString&, const QString&, const QString&) {
  ADD_FAILURE() << "unexpected file dialog";
  return QString();
}

QString RecordingUi::saveFileName(QWidget*, const QString&, const QString&, const QString&,
                                  const QString&) {
  ADD_FAILURE() << "unexpected file dialog";
  return QString();
}

QAction* RecordingUi::popup(QMenu*, const QPoint&) {
  ADD_FAILURE() << "unexpected pop-up menu";
  return nullptr;
}

int RecordingUi::exec(QDialog*) {
  ADD_FAILURE() << "unexpected dialog";
  return 0;
}

namespace {
void CommonSetUp(Ui* ui) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Clock::setFixed(QDateTime(QDate(2026, 3, 15), QTime(10, 0)));
  Ui::install(ui);
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
