// TDriveDir: picks a folder on one of the mounted volumes (the "drives":
// the root and the mount points QStorageInfo lists). The directory list shows
// the path from the volume's root down to the folder, then its subfolders;
// the file list the folder's files. The caller sets the window caption and
// the caption of BtnOK and shows it modally; ChosenDir then holds the folder,
// or is empty when the window was cancelled. The list keeps its folder from
// one showing to the next; the first showing starts in the current directory.
//
// Enter or a double click on a folder of the list opens it, as in every file
// dialog; only BtnOK runs the command. A folder may be typed into PathEdit
// (Enter goes there) or made with BtnNewFolder. The focus starts in the list.
#ifndef DATA_FORMS_DRIVEDIRU_H
#define DATA_FORMS_DRIVEDIRU_H

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

extern QString ChosenDir;

class TDriveDir : public QDialog {
  Q_OBJECT
 public:
  explicit TDriveDir(QWidget* parent = nullptr);
  ~TDriveDir() override;

  // The folder the directory list shows.
  QString directory() const { return directory_; }
  // Shows path (absolute) and selects the volume that holds it.
  void setDirectory(const QString& path);

  QComboBox* DriveComboBox1;
  QListWidget* DirectoryListBox1;
  QListWidget* FileListBox1;
  QLabel* DirLabel;
  QLineEdit* PathEdit;
  QPushButton* BtnNewFolder;
  QPushButton* BtnOK;
  QPushButton* BtnCancel;

 public slots:
  void FormShow();
  void FormActivate();
  void DriveComboBox1Change();
  void DirectoryListBox1Change(QListWidgetItem* item);
  void PathEditEnter();
  void BtnNewFolderClick();
  void BtnOKClick();
  void BtnCancelClick();

 protected:
  void showEvent(QShowEvent* event) override;
  // Enter in the directory list opens the folder instead of reaching the
  // dialog's buttons.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillDrives();
  void FillLists();
  int DriveIndexOf(const QString& path) const;

  QString directory_;
  QString rememberedDir_;    // the current directory when the window was shown
  QString rememberedDrive_;  // the volume shown when the window was activated
};

// The picker created at start-up (nullptr before).
extern TDriveDir* DriveDir;

// Shows the picker modally with these captions; ChosenDir, which it returns.
QString RunDriveDir(const QString& caption, const QString& okCaption,
                    const QString& startDir = QString());

#endif  // DATA_FORMS_DRIVEDIRU_H
