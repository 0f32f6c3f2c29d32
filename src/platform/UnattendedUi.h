// The Ui driver of a command that runs with nobody at the screen (the data
// tool's commands, `tallowby report` and `tallowby labels`): every message
// is kept, one line each; every confirmation is answered Cancel or No
// except the ones the command line itself has answered; no input, file
// name, menu choice or dialog is ever given. Installed for its lifetime.
#ifndef PLATFORM_UNATTENDEDUI_H
#define PLATFORM_UNATTENDEDUI_H

#include <QStringList>

#include "platform/Ui.h"

class UnattendedUi : public Ui {
 public:
  UnattendedUi();
  ~UnattendedUi() override;
  UnattendedUi(const UnattendedUi&) = delete;
  UnattendedUi& operator=(const UnattendedUi&) = delete;

  // The confirmation with this text is answered OK.
  void answerOk(const QString& text) { answeredOk_ << text; }
  // Every message and unanswered prompt, in order, on one line each.
  const QStringList& messages() const { return messages_; }

  void message(Kind kind, const QString& text) override;
  bool confirm(Kind kind, Buttons buttons, const QString& text) override;
  bool input(const QString& title, const QString& prompt, QString* value) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter, const QString& defaultSuffix) override;
  QString folderName(QWidget* parent, const QString& title, const QString& dir) override;
  QAction* popup(QMenu* menu, const QPoint& pos) override;
  int exec(QDialog* dialog) override;

 private:
  Ui* previous_;
  QStringList answeredOk_;
  QStringList messages_;
};

#endif  // PLATFORM_UNATTENDEDUI_H
