// The windows' common ground. FormDialog runs the window's FormShow each
// time the program shows it (not when the window system merely shows it
// again). EditorForm adds what every editor has: Save, Delete (where the
// editor deletes), Cancel and the help button, each wired to its handler
// through the handler guard, and the help context; the editor lays out its
// own fields and puts ButtonRow() under them.
#ifndef PLATFORM_FORMDIALOG_H
#define PLATFORM_FORMDIALOG_H

#include <QDialog>

class QHBoxLayout;
class QPushButton;

class FormDialog : public QDialog {
  Q_OBJECT
 public slots:
  virtual void FormShow() = 0;

 protected:
  explicit FormDialog(QWidget* parent) : QDialog(parent) {}
  void showEvent(QShowEvent* event) override;
};

class EditorForm : public FormDialog {
  Q_OBJECT
 public:
  QPushButton* BtnSave = nullptr;
  QPushButton* BtnDelete = nullptr;  // editors that delete
  QPushButton* BtnCancel = nullptr;
  QPushButton* BitBtn1 = nullptr;    // help, where the editor has a help context

 public slots:
  virtual void BtnSaveClick() = 0;
  virtual void BtnDeleteClick() {}
  // Closes the window; nothing is written.
  virtual void BtnCancelClick();

 public:
  // Escape and the close button: as Cancel, after asking when the person
  // changed something since the showing.
  void reject() override;

 protected:
  enum class Deletes { No, Yes };
  // name: the window's object name; helpContext 0: no help button.
  EditorForm(QWidget* parent, const char* name, const QString& caption, int helpContext,
             Deletes deletes);
  // The buttons in a row, after a stretch when stretched.
  QHBoxLayout* ButtonRow(bool stretched = true);
  // The question before Escape or the close button discard changes.
  virtual QString DiscardQuestion() const;
  // Closes without asking (Cancel, or after the editor wrote its record).
  void closeUnasked() { QDialog::reject(); }
  void showEvent(QShowEvent* event) override;

 private:
  QString shownState_;
};

#endif  // PLATFORM_FORMDIALOG_H
