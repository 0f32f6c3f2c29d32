// The Ui driver: everything the program asks of a person goes through here
// (message boxes, confirmations, the input box, file names, pop-up menus and
// the modal showing of dialogs), so tests can run whole commands with a
// scripted driver instead of a person.
#ifndef PLATFORM_UI_H
#define PLATFORM_UI_H

#include <QPoint>
#include <QString>

class QAction;
class QDialog;
class QMenu;
class QWidget;

class Ui {
 public:
  enum class Kind { Information, Warning, Error, Confirmation };
  enum class Buttons { OkCancel, YesNo };

  virtual ~Ui() = default;

  // The driver in use: the one a test installed, else the real one. Before
  // the program chose its real driver, a quiet one answers: it logs every
  // prompt with qWarning and answers Cancel / No / nothing.
  static Ui& get();
  // Installs driver (not owned) or, with nullptr, the real one again.
  static void install(Ui* driver);
  // The driver installed (nullptr: none, the real one answers).
  static Ui* installed();
  // Makes the Qt driver (message boxes, file dialogs, QDialog::exec) the
  // real one; main() calls it once. Defined with the widgets.
  static void useRealDriver();
  // The real driver (not owned); useRealDriver sets it.
  static void setRealDriver(Ui* driver);

  // A message box with an OK button.
  virtual void message(Kind kind, const QString& text) = 0;
  // A box with two buttons; true for OK or Yes.
  virtual bool confirm(Kind kind, Buttons buttons, const QString& text) = 0;
  // A confirmation before something that cannot be undone (erasing the
  // data, deleting an invoice, writing restored or converted data over the
  // tables): Cancel / No is the default button, so Enter alone never agrees.
  // Drivers that ask nobody answer it as any confirmation.
  virtual bool confirmDestructive(Kind kind, Buttons buttons, const QString& text) {
    return confirm(kind, buttons, text);
  }
  // An input box; false when cancelled. *value holds the default on entry.
  virtual bool input(const QString& title, const QString& prompt, QString* value) = 0;
  // File dialogs; an empty result means cancelled.
  virtual QString openFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter) = 0;
  virtual QString saveFileName(QWidget* parent, const QString& title, const QString& dir,
                               const QString& filter, const QString& defaultSuffix) = 0;
  // A folder dialog (a folder to write into); empty means cancelled.
  virtual QString folderName(QWidget* parent, const QString& title, const QString& dir) = 0;
  // Pops up menu at pos; the action chosen (it is also triggered, as
  // QMenu::exec does), or nullptr.
  virtual QAction* popup(QMenu* menu, const QPoint& pos) = 0;
  // Shows dialog modally and returns its result code.
  virtual int exec(QDialog* dialog) = 0;
  // A line in the main window's status bar (where a file went); drivers
  // without one let it go.
  virtual void status(const QString& line) { (void)line; }

  // Shorthands.
  void information(const QString& text) { message(Kind::Information, text); }
  void warning(const QString& text) { message(Kind::Warning, text); }
  // The framework's default error box (conversion errors, file errors).
  void error(const QString& text) { message(Kind::Error, text); }
};

#endif  // PLATFORM_UI_H
