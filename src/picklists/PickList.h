// The list-box pick list used for the short tables (customer groups, label
// stock): at each showing the whole table is loaded into ListBox1 in the
// order of one tag, one line per record, a deleted record's name followed
// by "<DELETED>"; the line of the record the caller stored is selected. The
// result goes into the table's current-record value: a record number for
// "Select" (or a double click), 0 for "New", -1 for "Cancel" and for any
// other way of closing the window. The tag selected before the showing is
// selected again when the window closes.
#ifndef PICKLISTS_PICKLIST_H
#define PICKLISTS_PICKLIST_H

#include <QDialog>
#include <QString>

#include "tbengine/engine.h"

class QHBoxLayout;
class QListWidget;
class QPushButton;
class QVBoxLayout;

class PickListForm : public QDialog {
  Q_OBJECT

 public:
  QListWidget* ListBox1;
  QPushButton* BtnSelect;
  QPushButton* BtnNew;
  QPushButton* BtnCancel;

 public slots:
  void FormShow();
  void BtnSelectClick();
  void ListBox1DblClick();
  void BtnNewClick();
  void BtnCancelClick();

 protected:
  PickListForm(const QString& caption, QWidget* parent);

  // The table listed; open while the list is shown.
  virtual DATA4* table() const = 0;
  // The tag whose order the lines follow.
  virtual const char* tagName() const = 0;
  // The table's current-record value.
  virtual int& currentRecord() const = 0;
  // Reads the current record and returns its name as stored.
  virtual QString readName() = 0;
  // The lines were loaded (names as stored, one per line).
  virtual void linesLoaded(const QStringList& names) { (void)names; }
  // Puts the focus where the list wants it after loading.
  virtual void focusAfterShow();

  // The layout above the list, where a list adds its own boxes.
  QVBoxLayout* topArea() const { return topArea_; }

  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  QVBoxLayout* topArea_ = nullptr;
  TAG4* tagBefore_ = nullptr;
  bool shown_ = false;
};

#endif  // PICKLISTS_PICKLIST_H
