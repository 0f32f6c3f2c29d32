// The shell's tests run the real main window in a fresh data folder that is
// made the current directory (the program works in the folder it is started
// from), with the scripted Ui, the clock stepping 100 ms at every reading
// (so the splash wait ends at once) and a throwing fatal-error hook.
#ifndef SHELL_TESTSUPPORT_H
#define SHELL_TESTSUPPORT_H

#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "data/TestSupport.h"
#include "picklists/TestSupport.h"
#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"
#include "tbengine/engine.h"
#include "shell/MainU.h"

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
  QMap<QString, FileState> files() const { return FolderFiles(dir.path()); }
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

// The edit-loop commands' tests: the program started, each dialog driven by
// queued steps, records written straight to the tables and read back.
class CommandTest : public ShellTest, protected PickSteps {
 protected:
  void SetUp() override;

  // Each showing of a dialog of class D runs the next of these steps.
  template <class D>
  void steps(std::deque<std::function<void(D*)>> list) {
    ui.onDialogSteps<D>(std::move(list));
  }

  // Opens a table, appends one record written by write() and closes all.
  static void append(bool (*open)(), DATA4* const* table, void (*write)()) {
    AppendTestRecord(open, table, write);
  }
  // One line per record in record order, "*" before a deleted one; then the
  // table and its indexes checked and all tables closed.
  static QStringList records(bool (*open)(), DATA4* const* table,
                             const std::function<QString()>& line) {
    return StoredLines(open, table, line);
  }
};

#endif  // SHELL_TESTSUPPORT_H
