#include "shell/TestSupport.h"

#include <QDir>
#include <QEvent>
#include <QGroupBox>
#include <QLocale>
#include <QProgressBar>

#include "data/CodeBase.h"
#include "data/Settings.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"
#include "platform/Clock.h"
#include "picklists/PickEdit.h"
#include "platform/PrinterChoice.h"
#include "shell/About.h"
#include "shell/Windows.h"
#include "tbengine/inspect.h"

namespace {

const QDateTime kStart(QDate(2026, 3, 15), QTime(10, 0));

class ProgressRecorder : public QObject {
 public:
  ProgressRecorder(QGroupBox* box, QStringList* calls) : QObject(box), calls_(calls) {
    box->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show)
      calls_->append("show:" + static_cast<QGroupBox*>(watched)->title());
    if (event->type() == QEvent::Hide) calls_->append("hide");
    return false;
  }

 private:
  QStringList* calls_;
};

}  // namespace

void ShellTest::SetUp() {
  EnsureTestApplication();
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  Clock::setFixed(kStart, 100);
  code4setFatalHook([](int code, const std::string& message) { throw ProgramEnded{code, message}; });
  PrinterChoice::selectNone();
  resetDataForTests();
  resetSettingsForTests();
  resetPickEditForTests();
  ASSERT_TRUE(dir.isValid());
  QString error;
  ASSERT_TRUE(WriteSuppliedTables(dir.path(), &error)) << error.toStdString();
  previousDir = QDir::currentPath();
  QDir::setCurrent(dir.path());
  CreateWindows();
  new ProgressRecorder(main()->ProgressBox, &progress);
  QObject::connect(main()->ProgressBar1, &QProgressBar::valueChanged, main(),
                   [this](int v) { progress.append(QString::number(v)); });
}

void ShellTest::TearDown() {
  if (cb) {
    CloseAll();
    EndEngine();
  }
  DestroyWindows();
  Starting = false;
  resetPickEditForTests();
  resetDataForTests();
  QDir::setCurrent(previousDir);
  Clock::useSystem();
}

TMain* ShellTest::main() const { return Windows().Main; }

void ShellTest::start() {
  main()->show();
  progress.clear();
}

void ShellTest::buildIndexes() {
  StartEngine();
  RebuildIndexes(true);
  EndEngine();
}

void ShellTest::ageFiles() const {
  const QDateTime past = QDateTime::currentDateTime().addSecs(-3600);
  for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::Files)) {
    QFile f(info.filePath());
    EXPECT_TRUE(f.open(QIODevice::ReadWrite) && f.setFileTime(past, QFileDevice::FileModificationTime));
  }
}

QStringList ShellTest::rewritten() const {
  const QDateTime recent = QDateTime::currentDateTime().addSecs(-1800);
  QStringList names;
  for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::Files, QDir::Name)) {
    if (info.lastModified() > recent) names << info.fileName();
  }
  return names;
}

void CommandTest::SetUp() {
  ShellTest::SetUp();
  start();
}
