#include "platform/UnattendedUi.h"

#include <QCoreApplication>
#include <QDialog>

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(UnattendedUi)
};

QString OneLine(const QString& text) {
  return text.simplified();  // CR LF between the parts of a message become blanks
}
}  // namespace

UnattendedUi::UnattendedUi() : previous_(Ui::installed()) { Ui::install(this); }

UnattendedUi::~UnattendedUi() { Ui::install(previous_); }

void UnattendedUi::message(Kind, const QString& text) { messages_ << OneLine(text); }

bool UnattendedUi::confirm(Kind, Buttons, const QString& text) {
  if (answeredOk_.contains(text)) return true;
  messages_ << OneLine(text);
  return false;
}

bool UnattendedUi::input(const QString& title, const QString&, QString*) {
  messages_ << OneLine(title);
  return false;
}

QString UnattendedUi::openFileName(QWidget*, const QString& title, const QString&,
                                  const QString&) {
  messages_ << OneLine(title);
  return QString();
}

QString UnattendedUi::saveFileName(QWidget*, const QString&, const QString&, const QString&,
                             const QString&) {
  return QString();
}

QString UnattendedUi::folderName(QWidget*, const QString&, const QString&) { return QString(); }

QAction* UnattendedUi::popup(QMenu*, const QPoint&) { return nullptr; }

int UnattendedUi::exec(QDialog* dialog) {
  messages_ << Tr::tr("unexpected window: %1").arg(dialog->windowTitle());
  return 0;
}
