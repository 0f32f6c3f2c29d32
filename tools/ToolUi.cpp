#include "ToolUi.h"

namespace {
QString OneLine(const QString& text) {
  return text.simplified();  // CR LF between the parts of a message become blanks
}
}  // namespace

ToolUi::ToolUi() { Ui::install(this); }

ToolUi::~ToolUi() { Ui::install(nullptr); }

void ToolUi::message(Kind, const QString& text) { messages_ << OneLine(text); }

bool ToolUi::confirm(Kind, Buttons, const QString& text) {
  if (answeredOk_.contains(text)) return true;
  messages_ << OneLine(text);
  return false;
}

bool ToolUi::input(const QString& title, const QString&, QString*) {
  messages_ << OneLine(title);
  return false;
}

QString ToolUi::openFileName(QWidget*, const QString&, const QString&, const QString&) {
  return QString();
}

QString ToolUi::saveFileName(QWidget*, const QString&, const QString&, const QString&,
                             const QString&) {
  return QString();
}

QAction* ToolUi::popup(QMenu*, const QPoint&) { return nullptr; }

int ToolUi::exec(QDialog*) { return 0; }
