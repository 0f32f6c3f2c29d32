// The shell's tests run the real main window in a fresh data folder that is
// made the current directory (the program works in the folder it is started
// from), with the scripted Ui, the clock stepping 100 ms at every reading
// (so the splash wait ends at once) and a throwing fatal-error hook.
#ifndef SHELL_TESTSUPPORT_H
#define SHELL_TESTSUPPORT_H

#include <QDateTime>
#include <QTableWidget>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include "platform/ScriptedUi.h"
#include "platform/TestApplication.h"
#include "tbengine/engine.h"
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

// The edit-loop commands' tests: the program started, each dialog driven by
// queued steps, records written straight to the tables and read back.
class CommandTest : public ShellTest {
 protected:
  void SetUp() override;

  // Each showing of a dialog of class D runs the next of these steps; a
  // showing with no step left fails the test.
  template <class D>
  void steps(std::deque<std::function<void(D*)>> list) {
    auto queue = std::make_shared<std::deque<std::function<void(D*)>>>(std::move(list));
    ui.onDialog<D>([queue](D* d) {
      if (queue->empty()) {
        ADD_FAILURE() << "one showing too many: " << d->metaObject()->className();
        return;
      }
      auto step = queue->front();
      queue->pop_front();
      step(d);
    });
  }

  // Opens a table, appends one record written by write() and closes all.
  static void append(bool (*open)(), DATA4* const* table, void (*write)());
  // One line per record in record order, "*" before a deleted one; then the
  // table and its indexes checked and all tables closed.
  static QStringList records(bool (*open)(), DATA4* const* table,
                             const std::function<QString()>& line);
  // The table and its indexes checked.
  static void check(DATA4* d);

  // Steps in a grid pick list.
  template <class P>
  static std::function<void(P*)> chooseRow(int row) {
    return [row](P* p) {
      p->StringGrid1->setCurrentCell(row - 1, 0);
      p->BtnSelect->click();
    };
  }
  template <class P>
  static void pressNew(P* p) { p->BtnNew->click(); }
  template <class P>
  static void pressCancel(P* p) { p->BtnCancel->click(); }
  // The trimmed text of a grid cell (data row from 1).
  template <class P>
  static QString cell(P* p, int row, int column) {
    const QTableWidgetItem* item = p->StringGrid1->item(row - 1, column);
    return item ? item->text().trimmed() : QString();
  }
};

#endif  // SHELL_TESTSUPPORT_H
