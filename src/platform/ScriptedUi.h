// A Ui driver for tests: the test queues the prompts it expects, in order,
// with their answers, and registers per dialog class a function that fills
// the dialog and presses its buttons. An unexpected prompt or a different
// text fails the test (both texts are shown) and is answered safely (Cancel,
// No, nothing); prompts still queued when the driver ends fail the test.
//
// exec(dialog) shows the dialog non-modally (so its show event runs), runs
// its function and returns the dialog's result; a dialog that the function
// left open counts as rejected and is closed. A function may press a button
// that execs another dialog: nested dialogs run the same way. No event loop
// and no timers are involved.
//
// The driver installs itself for its lifetime.
#ifndef PLATFORM_SCRIPTEDUI_H
#define PLATFORM_SCRIPTEDUI_H

#include <QDialog>
#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <typeindex>
#include <vector>

#include "platform/Ui.h"

class ScriptedUi : public Ui {
 public:
  ScriptedUi();
  ~ScriptedUi() override;  // fails the test for prompts still queued
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  // A message box of that kind with that text.
  void expectMessage(Kind kind, const QString& text);
  // A confirmation with that text (any kind and buttons), answered OK/Yes
  // (true) or Cancel/No (false).
  void expectConfirm(const QString& text, bool answer);
  // The same, with the buttons checked too.
  void expectConfirm(Buttons buttons, const QString& text, bool answer);
  // An input box with that title, answered with answer.
  void expectInput(const QString& title, const QString& answer);
  // An input box with that title, cancelled.
  void expectInputCancel(const QString& title);
  // A save / open file dialog answered with name ("" = cancelled).
  void expectSaveFile(const QString& name);
  void expectOpenFile(const QString& name);
  // A folder dialog answered with folder ("" = cancelled).
  void expectFolder(const QString& folder);
  // A pop-up menu in which the action with that objectName is chosen (and
  // triggered); "" = the menu is dismissed.
  void expectPopup(const QString& actionObjectName);

  // Registers (or replaces) the function that handles every exec of a
  // dialog of class D.
  template <class D>
  void onDialog(std::function<void(D*)> fill) {
    const std::type_index type(typeid(D));
    for (auto& h : handlers_) {
      if (h.type == type) {
        h.fill = wrap(std::move(fill));
        return;
      }
    }
    handlers_.push_back({type, [](QDialog* d) { return dynamic_cast<D*>(d) != nullptr; },
                         wrap(std::move(fill))});
  }

  // Each exec of a dialog of class D runs the next of steps; an exec with
  // no step left fails the test.
  template <class D>
  void onDialogSteps(std::deque<std::function<void(D*)>> steps) {
    auto queue = std::make_shared<std::deque<std::function<void(D*)>>>(std::move(steps));
    onDialog<D>([queue](D* d) {
      if (queue->empty()) {
        failShowingTooMany(d);
        return;
      }
      const auto step = queue->front();
      queue->pop_front();
      step(d);
    });
  }

  // Fails the test for every expectation not yet met, and forgets them.
  void verifyDone();
  // True when every queued prompt was met.
  bool done() const { return queue_.isEmpty(); }

  // Every prompt seen, one line each ("warning: Invalid Date Entered",
  // "confirm: Delete this record?", "dialog: TItemDef", ...).
  const QStringList& transcript() const { return transcript_; }

  // The texts of the confirmations asked with Cancel / No as the default.
  const QStringList& destructiveConfirmations() const { return destructive_; }

  // The arguments of the last file dialog.
  struct FilePrompt {
    QString title, dir, filter, defaultSuffix;
  };
  const FilePrompt& lastFilePrompt() const { return lastFile_; }
  // The object names of the last pop-up menu's actions, top to bottom.
  const QStringList& lastPopupActions() const { return lastPopupActions_; }
  // The last input box's prompt and default value.
  QString lastInputPrompt() const { return lastInputPrompt_; }
  QString lastInputDefault() const { return lastInputDefault_; }

  void message(Kind kind, const QString& text) override;
  bool confirm(Kind kind, Buttons buttons, const QString& text) override;
  // Answered as confirm; its text is also noted in destructiveConfirmations.
  bool confirmDestructive(Kind kind, Buttons buttons, const QString& text) override;
  bool input(const QString& title, const QString& prompt, QString* value) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter, const QString& defaultSuffix) override;
  QString folderName(QWidget* parent, const QString& title, const QString& dir) override;
  QAction* popup(QMenu* menu, const QPoint& pos) override;
  int exec(QDialog* dialog) override;
  // Noted in the transcript ("status: ..."), never expected.
  void status(const QString& line) override;

  static QString kindName(Kind kind);

 private:
  enum class Prompt { Message, Confirm, Input, SaveFile, OpenFile, Folder, Popup };
  struct Expectation {
    Prompt prompt;
    Kind kind = Kind::Information;
    bool checkButtons = false;
    Buttons buttons = Buttons::OkCancel;
    QString text;  // message / confirmation text, input title, file name, action name
    bool answer = false;  // OK / Yes; for an input box: not cancelled
    QString answerText;   // what is typed into an input box
  };
  void expect(Prompt prompt, const QString& text, bool answer = true,
              Kind kind = Kind::Information, QString answerText = QString());
  struct Handler {
    std::type_index type;
    std::function<bool(QDialog*)> matches;
    std::function<void(QDialog*)> fill;
  };

  template <class D>
  static std::function<void(QDialog*)> wrap(std::function<void(D*)> fill) {
    return [fill = std::move(fill)](QDialog* d) { fill(dynamic_cast<D*>(d)); };
  }

  static void failShowingTooMany(const QDialog* dialog);
  // The next expectation when it is of that prompt kind; otherwise fails
  // the test (describing what came) and returns false.
  bool take(Prompt prompt, const QString& what, Expectation* out);
  static QString describe(const Expectation& e);
  const Handler* handlerFor(QDialog* dialog) const;

  QList<Expectation> queue_;
  std::vector<Handler> handlers_;
  QStringList transcript_;
  QStringList lastPopupActions_;
  QStringList destructive_;
  FilePrompt lastFile_;
  QString lastInputPrompt_, lastInputDefault_;
};

#endif  // PLATFORM_SCRIPTEDUI_H
