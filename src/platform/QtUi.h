// The real Ui driver: Qt's message boxes, input box, file dialogs, pop-up
// menus and modal dialogs, titled with the application title.
#ifndef PLATFORM_QTUI_H
#define PLATFORM_QTUI_H

#include "platform/Ui.h"

class QtUi : public Ui {
 public:
  void message(Kind kind, const QString& text) override;
  bool confirm(Kind kind, Buttons buttons, const QString& text) override;
  bool confirmDestructive(Kind kind, Buttons buttons, const QString& text) override;
  bool input(const QString& title, const QString& prompt, QString* value) override;
  QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter) override;
  QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                       const QString& filter, const QString& defaultSuffix) override;
  QString folderName(QWidget* parent, const QString& title, const QString& dir) override;
  QAction* popup(QMenu* menu, const QPoint& pos) override;
  int exec(QDialog* dialog) override;
  void status(const QString& line) override;
};

// The title of every message box: the program's name, in every language.
inline constexpr const char* kApplicationTitle = "Tallowby";  // untranslated

// A file dialog filter in Qt's form. Accepts Qt's form as it is, or pairs of
// "description|patterns" separated by "|" ("Text files (*.txt)|*.TXT"),
// whose patterns match either letter case.
QString QtFileFilter(const QString& filter);

#endif  // PLATFORM_QTUI_H
