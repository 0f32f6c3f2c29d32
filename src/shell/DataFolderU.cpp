#include "shell/DataFolderU.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/FormParts.h"
#include "platform/Ui.h"
#include "platform/Help.h"

TDataFolder::TDataFolder(QWidget* parent) : QDialog(parent) {
  setObjectName("DataFolder");
  setWindowTitle(tr("Tallowby - Company Folder"));
  Help::setSection(this, QStringLiteral("company-folder"));

  Label1 = new QLabel(this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  RadioButton1 = new QRadioButton(tr("&Create a new, empty company folder"), this);
  RadioButton1->setObjectName("RadioButton1");
  RadioButton2 = new QRadioButton(tr("&Open a company folder that holds Tallowby's tables"), this);
  RadioButton2->setObjectName("RadioButton2");
  RadioButton1->setChecked(true);
  Edit1 = new QLineEdit(DefaultFolder(), this);
  Edit1->setObjectName("Edit1");
  BtnBrowse = new QPushButton(tr("&Browse..."), this);
  BtnBrowse->setObjectName("BtnBrowse");
  BtnBrowse->setAutoDefault(false);
  BtnOK = new QPushButton(tr("OK"), this);
  BtnOK->setObjectName("BtnOK");
  BtnOK->setDefault(true);
  BtnCancel = new QPushButton(tr("Cancel"), this);
  BtnCancel->setObjectName("BtnCancel");
  BtnCancel->setAutoDefault(false);
  setNote(QString());

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(Edit1, 1);
  folderRow->addWidget(BtnBrowse);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Label1);
  layout->addSpacing(6);
  layout->addWidget(RadioButton1);
  layout->addWidget(RadioButton2);
  layout->addSpacing(6);
  layout->addWidget(new QLabel(tr("Folder:"), this));
  layout->addLayout(folderRow);
  layout->addSpacing(6);
  layout->addLayout(ButtonRow({BtnOK, BtnCancel}));
  setMinimumWidth(fontMetrics().averageCharWidth() * 64);

  connect(BtnBrowse, &QPushButton::clicked, this, &TDataFolder::BtnBrowseClick);
  connect(RadioButton1, &QRadioButton::clicked, this, &TDataFolder::RadioButton1Click);
  connect(Edit1, &QLineEdit::textChanged, this, &TDataFolder::Edit1Change);
  connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TDataFolder::DefaultFolder() { return QDir::home().filePath("Tallowby"); }

void TDataFolder::setNote(const QString& note) {
  const QString ask =
      tr("Tallowby keeps the data of a company in one folder. Create a new, empty company "
         "folder, or open a folder that already holds Tallowby's tables.");
  Label1->setText(note.isEmpty() ? ask : note + "\n\n" + ask);
}

bool TDataFolder::createNew() const { return RadioButton1->isChecked(); }

QString TDataFolder::folder() const {
  QString text = Edit1->text().trimmed();
  if (text == "~" || text.startsWith("~/")) text = QDir::homePath() + text.mid(1);
  return QDir::cleanPath(QDir::home().absoluteFilePath(text));
}

void TDataFolder::BtnBrowseClick() {
  QFileDialog dialog(this, RadioButton1->isChecked() ? tr("New Company Folder") : tr("Company Folder"));
  dialog.setFileMode(QFileDialog::Directory);
  dialog.setOption(QFileDialog::ShowDirsOnly);
  dialog.setDirectory(QFileInfo(folder()).exists() ? folder() : QDir::homePath());
  if (Ui::get().exec(&dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    Edit1->setText(QDir::toNativeSeparators(dialog.selectedFiles().first()));
}

void TDataFolder::RadioButton1Click() {
  if (Edit1->text().trimmed().isEmpty()) Edit1->setText(DefaultFolder());
}

void TDataFolder::Edit1Change() { BtnOK->setEnabled(!Edit1->text().trimmed().isEmpty()); }
