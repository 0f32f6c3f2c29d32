#include "data/forms/DriveDirU.h"

#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QStorageInfo>
#include <QVBoxLayout>

#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/Help.h"

QString ChosenDir;
TDriveDir* DriveDir = nullptr;

namespace {
// Directory list entries carry their folder's path.
constexpr int kPathRole = Qt::UserRole;
}  // namespace

TDriveDir::TDriveDir(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("DriveDir"));
  Help::setSection(this, QStringLiteral("folder-picker"));
  DriveComboBox1 = new QComboBox(this);
  DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
  DirLabel = new QLabel(tr("&Folder:"), this);
  DirLabel->setObjectName(QStringLiteral("DirLabel"));
  DirectoryListBox1 = new QListWidget(this);
  DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
  FileListBox1 = new QListWidget(this);
  FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
  FileListBox1->setSelectionMode(QAbstractItemView::NoSelection);
  DirectoryListBox1->installEventFilter(this);
  PathEdit = new QLineEdit(this);
  PathEdit->setObjectName(QStringLiteral("PathEdit"));
  DirLabel->setBuddy(PathEdit);
  // No default button: Enter never runs the command.
  BtnNewFolder = MakeFormButton(QStringLiteral("BtnNewFolder"), tr("New Folder"), this);
  BtnOK = MakeFormButton(QStringLiteral("BtnOK"), tr("OK"), this);
  BtnCancel = MakeFormButton(QStringLiteral("BtnCancel"), tr("Cancel"), this);

  auto* lists = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(DirLabel);
  left->addWidget(PathEdit);
  left->addWidget(DirectoryListBox1);
  left->addWidget(DriveComboBox1);
  lists->addLayout(left, 3);
  lists->addWidget(FileListBox1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lists);
  auto* buttons = ButtonRow({BtnOK, BtnCancel});
  buttons->insertWidget(0, BtnNewFolder);
  layout->addLayout(buttons);
  resize(520, 380);

  FillDrives();
  connect(DriveComboBox1, &QComboBox::activated, this,
          Guarded(this, &TDriveDir::DriveComboBox1Change));
  connect(DirectoryListBox1, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { RunGuarded([=, this] { DirectoryListBox1Change(item); }); });
  connect(PathEdit, &QLineEdit::returnPressed, this, Guarded(this, &TDriveDir::PathEditEnter));
  connect(BtnNewFolder, &QPushButton::clicked, this, Guarded(this, &TDriveDir::BtnNewFolderClick));
  connect(BtnOK, &QPushButton::clicked, this, Guarded(this, &TDriveDir::BtnOKClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &TDriveDir::BtnCancelClick));
  DriveDir = this;
}

TDriveDir::~TDriveDir() {
  if (DriveDir == this) DriveDir = nullptr;
}

void TDriveDir::FillDrives() {
  DriveComboBox1->clear();
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    if (!v.isValid()) continue;
    const QString root = v.rootPath();
    const QString name = v.displayName();
    DriveComboBox1->addItem(name == root ? root : root + "  [" + name + "]", root);
  }
  if (DriveIndexOf(QStringLiteral("/")) < 0) DriveComboBox1->insertItem(0, "/", "/");
}

int TDriveDir::DriveIndexOf(const QString& path) const {
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < DriveComboBox1->count(); ++i) {
    const QString root = DriveComboBox1->itemData(i).toString();
    const bool holds = path == root || root == "/" || path.startsWith(root + "/");
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  return best;
}

void TDriveDir::setDirectory(const QString& path) {
  directory_ = QDir::cleanPath(QDir(path).absolutePath());
  const int drive = DriveIndexOf(directory_);
  if (drive >= 0) DriveComboBox1->setCurrentIndex(drive);
  FillLists();
}

void TDriveDir::FillLists() {
  PathEdit->setText(directory_);
  DirectoryListBox1->clear();
  FileListBox1->clear();
  const QString root = DriveComboBox1->currentData().toString();
  // The path from the volume's root down to the folder, one level deeper each.
  QStringList chain;
  for (QDir d(directory_);; ) {
    chain.prepend(d.absolutePath());
    if (d.absolutePath() == root || d.isRoot() || !d.cdUp()) break;
  }
  int depth = 0;
  for (const QString& p : chain) {
    const QString name = depth == 0 ? p : QDir(p).dirName();
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + name, DirectoryListBox1);
    item->setData(kPathRole, p);
    ++depth;
  }
  DirectoryListBox1->setCurrentRow(int(chain.size()) - 1);
  const QDir dir(directory_);
  for (const QString& sub : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
    auto* item = new QListWidgetItem(QString(depth * 2, ' ') + sub, DirectoryListBox1);
    item->setData(kPathRole, dir.filePath(sub));
  }
  FileListBox1->addItems(dir.entryList(QDir::Files, QDir::Name));
}

void TDriveDir::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  RunGuarded([this] {
    FormShow();
    FormActivate();
  });
}

void TDriveDir::FormShow() {
  rememberedDir_ = QDir::currentPath();
  FillDrives();
  setDirectory(directory_.isEmpty() ? rememberedDir_ : directory_);
  DirectoryListBox1->setFocus();
}

bool TDriveDir::eventFilter(QObject* watched, QEvent* event) {
  if (watched == DirectoryListBox1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunGuarded([this] { DirectoryListBox1Change(DirectoryListBox1->currentItem()); });
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TDriveDir::FormActivate() { rememberedDrive_ = DriveComboBox1->currentData().toString(); }

void TDriveDir::DriveComboBox1Change() {
  const QString root = DriveComboBox1->currentData().toString();
  const QDir dir(root);
  if (!dir.exists() || !dir.isReadable()) {
    Ui::get().information(tr("Unable to read from drive %1").arg(root));
    setDirectory(rememberedDrive_.isEmpty() ? rememberedDir_ : rememberedDrive_);
    return;
  }
  rememberedDrive_ = root;
  directory_ = root;
  FillLists();
}

void TDriveDir::DirectoryListBox1Change(QListWidgetItem* item) {
  if (!item) return;
  setDirectory(item->data(kPathRole).toString());
  DirectoryListBox1->setFocus();
}

void TDriveDir::PathEditEnter() {
  const QString typed = QDir::cleanPath(QDir(directory_).absoluteFilePath(PathEdit->text().trimmed()));
  if (!QFileInfo(typed).isDir()) {
    Ui::get().information(tr("No such folder: %1").arg(typed));
    PathEdit->setText(directory_);
    return;
  }
  setDirectory(typed);
  DirectoryListBox1->setFocus();
}

void TDriveDir::BtnNewFolderClick() {
  QString name;
  if (!Ui::get().input(tr("New Folder"), tr("A new folder in %1:").arg(directory_), &name))
    return;
  name = name.trimmed();
  if (name.isEmpty()) return;
  const QString made = QDir(directory_).filePath(name);
  if (name.contains('/') || !QDir(directory_).mkdir(name)) {
    Ui::get().information(tr("Unable to create the folder %1").arg(made));
    return;
  }
  setDirectory(made);
  DirectoryListBox1->setFocus();
}

void TDriveDir::BtnOKClick() {
  ChosenDir = directory_;
  QDir::setCurrent(rememberedDir_);
  accept();
}

void TDriveDir::BtnCancelClick() {
  ChosenDir.clear();
  QDir::setCurrent(rememberedDir_);
  reject();
}

QString RunDriveDir(const QString& caption, const QString& okCaption, const QString& startDir) {
  ChosenDir.clear();
  if (!DriveDir) return ChosenDir;
  DriveDir->setWindowTitle(caption);
  DriveDir->BtnOK->setText(okCaption);
  if (!startDir.isEmpty()) DriveDir->setDirectory(startDir);
  // Closed by its close box: as Cancel.
  if (Ui::get().exec(DriveDir) != QDialog::Accepted) ChosenDir.clear();
  return ChosenDir;
}
