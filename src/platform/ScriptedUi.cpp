#include "platform/ScriptedUi.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

std::string str(const QString& s) { return s.toStdString(); }

QAction* findAction(QMenu* menu, const QString& name) {
  for (QAction* a : menu->actions()) {
    if (a->objectName() == name) return a;
    if (a->menu()) {
      if (QAction* sub = findAction(a->menu(), name)) return sub;
    }
  }
  return nullptr;
}

}  // namespace

ScriptedUi::ScriptedUi() { Ui::install(this); }

ScriptedUi::~ScriptedUi() {
  verifyDone();
  Ui::install(nullptr);
}

QString ScriptedUi::kindName(Kind kind) {
  switch (kind) {
    case Kind::Information: return "information";
    case Kind::Warning: return "warning";
    case Kind::Error: return "error";
    case Kind::Confirmation: return "confirmation";
  }
  return "?";
}

QString ScriptedUi::describe(const Expectation& e) {
  switch (e.prompt) {
    case Prompt::Message: return kindName(e.kind) + ": " + e.text;
    case Prompt::Confirm: return "confirm: " + e.text;
    case Prompt::Input: return "input: " + e.text;
    case Prompt::SaveFile: return "save file: " + e.text;
    case Prompt::OpenFile: return "open file: " + e.text;
    case Prompt::Folder: return "folder: " + e.text;
    case Prompt::Popup: return "popup: " + e.text;
  }
  return "?";
}

void ScriptedUi::expect(Prompt prompt, const QString& text, bool answer, Kind kind,
                        QString answerText) {
  Expectation e;
  e.prompt = prompt;
  e.kind = kind;
  e.text = text;
  e.answer = answer;
  e.answerText = std::move(answerText);
  queue_.append(e);
}

void ScriptedUi::expectMessage(Kind kind, const QString& text) {
  expect(Prompt::Message, text, true, kind);
}

void ScriptedUi::expectConfirm(const QString& text, bool answer) {
  expect(Prompt::Confirm, text, answer);
}

void ScriptedUi::expectConfirm(Buttons buttons, const QString& text, bool answer) {
  expect(Prompt::Confirm, text, answer);
  queue_.last().checkButtons = true;
  queue_.last().buttons = buttons;
}

void ScriptedUi::expectInput(const QString& title, const QString& answer) {
  expect(Prompt::Input, title, true, Kind::Information, answer);
}

void ScriptedUi::expectInputCancel(const QString& title) { expect(Prompt::Input, title, false); }

void ScriptedUi::expectSaveFile(const QString& name) { expect(Prompt::SaveFile, name); }

void ScriptedUi::expectOpenFile(const QString& name) { expect(Prompt::OpenFile, name); }

void ScriptedUi::expectFolder(const QString& folder) { expect(Prompt::Folder, folder); }

void ScriptedUi::expectPopup(const QString& actionObjectName) {
  expect(Prompt::Popup, actionObjectName);
}

void ScriptedUi::verifyDone() {
  for (const Expectation& e : queue_)
    ADD_FAILURE() << "expected prompt never came: " << str(describe(e));
  queue_.clear();
}

bool ScriptedUi::take(Prompt prompt, const QString& what, Expectation* out) {
  transcript_ << what;
  if (queue_.isEmpty()) {
    ADD_FAILURE() << "unexpected prompt: " << str(what) << "\n  (no prompt was expected)";
    return false;
  }
  if (queue_.first().prompt != prompt) {
    ADD_FAILURE() << "unexpected prompt: " << str(what)
                  << "\n  expected: " << str(describe(queue_.first()));
    return false;
  }
  *out = queue_.takeFirst();
  return true;
}

void ScriptedUi::message(Kind kind, const QString& text) {
  Expectation e;
  if (!take(Prompt::Message, kindName(kind) + ": " + text, &e)) return;
  if (e.kind != kind || e.text != text) {
    ADD_FAILURE() << "message differs\n  actual:   " << str(kindName(kind) + ": " + text)
                  << "\n  expected: " << str(describe(e));
  }
}

bool ScriptedUi::confirm(Kind, Buttons buttons, const QString& text) {
  Expectation e;
  if (!take(Prompt::Confirm, "confirm: " + text, &e)) return false;
  if (e.text != text) {
    ADD_FAILURE() << "confirmation differs\n  actual:   " << str(text)
                  << "\n  expected: " << str(e.text);
    return false;
  }
  if (e.checkButtons && e.buttons != buttons) {
    ADD_FAILURE() << "confirmation " << str(text) << " has "
                  << (buttons == Buttons::YesNo ? "Yes/No" : "OK/Cancel") << " buttons";
    return false;
  }
  return e.answer;
}

bool ScriptedUi::confirmDestructive(Kind kind, Buttons buttons, const QString& text) {
  destructive_ << text;
  return confirm(kind, buttons, text);
}

bool ScriptedUi::input(const QString& title, const QString& prompt, QString* value) {
  lastInputPrompt_ = prompt;
  lastInputDefault_ = value ? *value : QString();
  Expectation e;
  if (!take(Prompt::Input, "input: " + title, &e)) return false;
  if (e.text != title) {
    ADD_FAILURE() << "input box differs\n  actual:   " << str(title)
                  << "\n  expected: " << str(e.text);
    return false;
  }
  if (!e.answer) return false;
  if (value) *value = e.answerText;
  return true;
}

QString ScriptedUi::openFileName(QWidget*, const QString& title, const QString& dir,
                                 const QString& filter) {
  lastFile_ = {title, dir, filter, QString()};
  Expectation e;
  if (!take(Prompt::OpenFile, "open file: " + title, &e)) return QString();
  return e.text;
}

QString ScriptedUi::saveFileName(QWidget*, const QString& title, const QString& dir,
                                 const QString& filter, const QString& defaultSuffix) {
  lastFile_ = {title, dir, filter, defaultSuffix};
  Expectation e;
  if (!take(Prompt::SaveFile, "save file: " + title, &e)) return QString();
  return e.text;
}

QString ScriptedUi::folderName(QWidget*, const QString& title, const QString&) {
  Expectation e;
  if (!take(Prompt::Folder, "folder: " + title, &e)) return QString();
  return e.text;
}

QAction* ScriptedUi::popup(QMenu* menu, const QPoint&) {
  lastPopupActions_.clear();
  for (const QAction* a : menu->actions()) lastPopupActions_ << a->objectName();
  Expectation e;
  if (!take(Prompt::Popup, "popup: " + menu->objectName(), &e)) return nullptr;
  if (e.text.isEmpty()) return nullptr;
  QAction* action = findAction(menu, e.text);
  if (!action) {
    ADD_FAILURE() << "pop-up menu " << str(menu->objectName()) << " has no action "
                  << str(e.text);
    return nullptr;
  }
  action->trigger();
  return action;
}

const ScriptedUi::Handler* ScriptedUi::handlerFor(QDialog* dialog) const {
  const std::type_index type(typeid(*dialog));
  for (const Handler& h : handlers_)
    if (h.type == type) return &h;
  for (const Handler& h : handlers_)
    if (h.matches(dialog)) return &h;
  return nullptr;
}

void ScriptedUi::failShowingTooMany(const QDialog* dialog) {
  ADD_FAILURE() << "one showing too many: " << dialog->metaObject()->className();
}

int ScriptedUi::exec(QDialog* dialog) {
  const QString name = QString::fromLatin1(dialog->metaObject()->className());
  transcript_ << "dialog: " + name;
  const Handler* handler = handlerFor(dialog);
  if (!handler) {
    ADD_FAILURE() << "unexpected dialog: " << str(name) << " (" << str(dialog->windowTitle())
                  << ")";
    return QDialog::Rejected;
  }
  // Copied: the fill function may register handlers and so move the vector.
  const std::function<void(QDialog*)> fill = handler->fill;
  dialog->setResult(QDialog::Rejected);
  dialog->show();
  fill(dialog);
  // Closed as the program would, not as Escape would: no question asked.
  if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  return dialog->result();
}

void ScriptedUi::status(const QString& line) { transcript_ << "status: " + line; }
