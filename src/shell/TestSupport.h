// The shell's tests run the real main window in a fresh data folder that is
// made the current directory (the program works in the folder it is started
// from), with the scripted Ui, the clock stepping 100 ms at every reading
// (so the splash wait ends at once) and a throwing fatal-error hook.
#ifndef SHELL_TESTSUPPORT_H
#define SHELL_TESTSUPPORT_H

#include <QDateTime>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"
#include "shell/MainU.h"

struct ProgramEnded {
  int code;
};

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  TMain* main() const;
  template <class W>
  W* find(const char* name) const {
    W* w = main()->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  // Shows the main window, which runs the start-up sequence.
  void start();
  // Builds the index files as a first start would, and ends the engine.
  void buildIndexes();
  // Every file of the folder with its bytes and modification time.
  struct FileState {
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const FileState&) const = default;
  };
  QMap<QString, FileState> files() const;
  // Sets every file's modification time an hour back, so a rewrite shows.
  void ageFiles() const;
  // The names of the files modified since ageFiles().
  QStringList rewritten() const;

  QTemporaryDir dir;
  QString previousDir;
  ScriptedUi ui;
  // What the progress box showed: "show:<caption>", "hide", percentages.
  QStringList progress;
};

#endif  // SHELL_TESTSUPPORT_H
