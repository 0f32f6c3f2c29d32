#include "platform/QtUi.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(QtUi)
};

QWidget* activeWindow() { return QApplication::activeWindow(); }

QMessageBox::Icon iconOf(Ui::Kind kind) {
  switch (kind) {
    case Ui::Kind::Information: return QMessageBox::Information;
    case Ui::Kind::Warning: return QMessageBox::Warning;
    case Ui::Kind::Error: return QMessageBox::Critical;
    case Ui::Kind::Confirmation: return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// The buttons' captions in the windows' language, whether or not Qt's own
// translations are installed.
void NameButtons(QMessageBox& box) {
  const std::pair<QMessageBox::StandardButton, QString> captions[] = {
      {QMessageBox::Ok, Tr::tr("OK")},
      {QMessageBox::Cancel, Tr::tr("Cancel")},
      {QMessageBox::Yes, Tr::tr("&Yes")},
      {QMessageBox::No, Tr::tr("&No")},
  };
  for (const auto& [which, caption] : captions)
    if (QAbstractButton* b = box.button(which)) b->setText(caption);
}

}  // namespace

void Ui::useRealDriver() {
  static QtUi driver;
  setRealDriver(&driver);
}

void QtUi::message(Kind kind, const QString& text) {
  QMessageBox box(iconOf(kind), kApplicationTitle, text, QMessageBox::Ok, activeWindow());
  NameButtons(box);
  box.exec();
}

namespace {

bool ask(Ui::Kind kind, Ui::Buttons buttons, const QString& text, bool refuseByDefault) {
  const bool yesNo = buttons == Ui::Buttons::YesNo;
  const QMessageBox::StandardButton agree = yesNo ? QMessageBox::Yes : QMessageBox::Ok;
  const QMessageBox::StandardButton refuse = yesNo ? QMessageBox::No : QMessageBox::Cancel;
  QMessageBox box(iconOf(kind), kApplicationTitle, text, agree | refuse, activeWindow());
  NameButtons(box);
  box.setDefaultButton(refuseByDefault ? refuse : agree);
  return box.exec() == agree;
}

}  // namespace

bool QtUi::confirm(Kind kind, Buttons buttons, const QString& text) {
  return ask(kind, buttons, text, false);
}

bool QtUi::confirmDestructive(Kind kind, Buttons buttons, const QString& text) {
  return ask(kind, buttons, text, true);
}

bool QtUi::input(const QString& title, const QString& prompt, QString* value) {
  bool ok = false;
  QString text = QInputDialog::getText(activeWindow(), title, prompt, QLineEdit::Normal, *value, &ok);
  if (ok) *value = text;
  return ok;
}

QString QtUi::openFileName(QWidget* parent, const QString& title, const QString& dir,
                           const QString& filter) {
  return QFileDialog::getOpenFileName(parent ? parent : activeWindow(), title, dir,
                                      QtFileFilter(filter));
}

QString QtUi::saveFileName(QWidget* parent, const QString& title, const QString& dir,
                           const QString& filter, const QString& defaultSuffix) {
  QFileDialog dialog(parent ? parent : activeWindow(), title, dir, QtFileFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);  // ask before overwriting
  dialog.setDefaultSuffix(defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

QString QtUi::folderName(QWidget* parent, const QString& title, const QString& dir) {
  return QFileDialog::getExistingDirectory(parent ? parent : activeWindow(), title, dir);
}

QAction* QtUi::popup(QMenu* menu, const QPoint& pos) { return menu->exec(pos); }

int QtUi::exec(QDialog* dialog) { return dialog->exec(); }

void QtUi::status(const QString& line) {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (auto* main = qobject_cast<QMainWindow*>(w)) return main->statusBar()->showMessage(line);
  }
}

QString QtFileFilter(const QString& filter) {
  if (!filter.contains('|')) return filter;
  const QStringList parts = filter.split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    const int open = int(description.indexOf('('));
    if (open >= 0) description = description.left(open).trimmed();
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      const QString t = p.trimmed();
      for (const QString& v : {t.toLower(), t.toUpper()})
        if (!patterns.contains(v)) patterns << v;
    }
    filters << QStringLiteral("%1 (%2)").arg(description, patterns.join(' '));
  }
  return filters.join(";;");
}
