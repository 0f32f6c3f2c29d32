// TImportdir, "Import Directories": the two folders the order import reads
// (customer info files and order files), kept in the Impdirs record. Shown
// by the main window without waiting for it; Save writes the record, Cancel
// closes without writing.
#ifndef DATA_FORMS_IMPORTDIRU_H
#define DATA_FORMS_IMPORTDIRU_H

#include <QString>

#include "platform/FormDialog.h"

class QLineEdit;
class QPushButton;

// The two folders as stored (trimmed).
struct ImportFolders {
  QString InfoDir;   // customer info files
  QString OrderDir;  // order files
};
// Reads the Impdirs record (only Impdirs is opened and closed). A missing
// Impdirs table ends the program with "Unable to open file ImpDirs.DBF".
ImportFolders ReadImportFolders();

class TImportdir : public FormDialog {
  Q_OBJECT
 public:
  explicit TImportdir(QWidget* parent = nullptr);

  QLineEdit* Edit1;  // info folder
  QLineEdit* Edit2;  // order folder
  QPushButton* BInfo;
  QPushButton* BOrder;
  QPushButton* BSave;
  QPushButton* BCancel;

 public slots:
  void FormShow() override;
  void BInfoClick();
  void BOrderClick();
  void BSaveClick();
  void BCancelClick();

};

#endif  // DATA_FORMS_IMPORTDIRU_H
