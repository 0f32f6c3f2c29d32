// The Ui driver of the data tool's commands: nobody sits at the screen. Every
// message is kept (the first one becomes the command's error line), every
// confirmation is answered Cancel (a prompt for another disk is an error)
// except the ones the command line itself has answered.
#ifndef TOOLS_TOOLUI_H
#define TOOLS_TOOLUI_H

#include <QStringList>

#include "platform/Ui.h"

class ToolUi : public Ui {
 public:
  ToolUi();
  ~ToolUi() override;
  ToolUi(const ToolUi&) = delete;
  ToolUi& operator=(const ToolUi&) = delete;

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
  QAction* popup(QMenu* menu, const QPoint& pos) override;
  int exec(QDialog* dialog) override;

 private:
  QStringList answeredOk_;
  QStringList messages_;
};

#endif
