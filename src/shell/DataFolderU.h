// The company folder dialog, shown when Tallowby is started from the desktop
// menu and no company folder is remembered yet (or the remembered one is
// gone): create a new, empty company folder or open an existing one.
// FirstStart decides what happens with the answer.
#ifndef SHELL_DATAFOLDERU_H
#define SHELL_DATAFOLDERU_H

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class TDataFolder : public QDialog {
  Q_OBJECT
 public:
  explicit TDataFolder(QWidget* parent = nullptr);

  // The folder of a new company unless the person chooses another.
  static QString DefaultFolder();

  // What is asked, and why when a remembered folder is gone.
  void setNote(const QString& note);
  // True for "Create a new, empty company folder".
  bool createNew() const;
  // The folder typed or chosen: "~" and relative paths are taken from the
  // home folder.
  QString folder() const;

  QLabel* Label1;
  QRadioButton* RadioButton1;  // create a new company folder
  QRadioButton* RadioButton2;  // open an existing company folder
  QLineEdit* Edit1;
  QPushButton* BtnBrowse;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;

 public slots:
  void BtnBrowseClick();
  void RadioButton1Click();
  void Edit1Change();
};

#endif  // SHELL_DATAFOLDERU_H
