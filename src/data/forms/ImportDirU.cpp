#include "data/forms/ImportDirU.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "data/dbFiles.h"
#include "data/forms/DriveDirU.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Help.h"

ImportFolders ReadImportFolders() {
  ImportFolders folders;
  ReadImportDirs(&folders.InfoDir, &folders.OrderDir);
  return folders;
}

TImportdir::TImportdir(QWidget* parent) : FormDialog(parent) {
  setObjectName(QStringLiteral("Importdir"));
  setWindowTitle(tr("Import Directories"));
  Help::setSection(this, QStringLiteral("import-folders"));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName(QStringLiteral("Edit2"));
  BInfo = MakeFormButton("BInfo", tr("Browse"), this);
  BOrder = MakeFormButton("BOrder", tr("Browse"), this);
  BSave = MakeFormButton("BSave", tr("Save"), this);
  BCancel = MakeFormButton("BCancel", tr("Cancel"), this);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel(tr("Customer Info Directory"), this), 0, 0, 1, 2);
  grid->addWidget(Edit1, 1, 0);
  grid->addWidget(BInfo, 1, 1);
  grid->addWidget(new QLabel(tr("Order File Directory"), this), 2, 0, 1, 2);
  grid->addWidget(Edit2, 3, 0);
  grid->addWidget(BOrder, 3, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(ButtonRow({BSave, BCancel}));
  resize(460, 170);

  connect(BInfo, &QPushButton::clicked, this, Guarded(this, &TImportdir::BInfoClick));
  connect(BOrder, &QPushButton::clicked, this, Guarded(this, &TImportdir::BOrderClick));
  connect(BSave, &QPushButton::clicked, this, Guarded(this, &TImportdir::BSaveClick));
  connect(BCancel, &QPushButton::clicked, this, Guarded(this, &TImportdir::BCancelClick));
}

void TImportdir::FormShow() {
  const ImportFolders folders = ReadImportFolders();
  Edit1->setText(folders.InfoDir);
  Edit2->setText(folders.OrderDir);
}

void TImportdir::BInfoClick() {
  Edit1->setText(RunDriveDir(tr("Choose Customer Info Directory"), tr("OK")));
}

void TImportdir::BOrderClick() {
  Edit2->setText(RunDriveDir(tr("Choose Order File Directory"), tr("OK")));
}

void TImportdir::BSaveClick() {
  WriteImportDirs(Edit1->text(), Edit2->text());
  close();
}

void TImportdir::BCancelClick() { close(); }
