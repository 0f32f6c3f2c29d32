#include "customers/PickGroupU.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/dbFiles.h"
#include "platform/HandlerGuard.h"

TPickGroup::TPickGroup(QWidget* parent)
    //: The title of the customer group pick list
    : PickListForm(tr("PickGroup"), parent) {
  setObjectName("TPickGroup");
  SeekLabel = new QLabel(tr("Seek:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setMaxLength(20);
  SeekLabel->setBuddy(Edit1);
  topArea()->addWidget(SeekLabel);
  topArea()->addWidget(Edit1);
  setTabOrder(Edit1, ListBox1);
  setTabOrder(ListBox1, BtnSelect);
  setTabOrder(BtnSelect, BtnNew);
  setTabOrder(BtnNew, BtnCancel);
  ListBox1->installEventFilter(this);
  connect(Edit1, &QLineEdit::textChanged, this, Guarded(this, &TPickGroup::Edit1Change));
}

DATA4* TPickGroup::table() const { return Groups.d; }

const char* TPickGroup::tagName() const { return "cGroup"; }

int& TPickGroup::currentRecord() const { return CurrentGroupRec; }

QString TPickGroup::readName() {
  ReadGroup();
  return GroupBuf.cGroup;
}

void TPickGroup::linesLoaded(const QStringList& names) {
  upperNames_.clear();
  for (const QString& name : names) upperNames_ << name.toUpper();
}

void TPickGroup::focusAfterShow() {
  const QSignalBlocker quiet(Edit1);
  Edit1->clear();
  Edit1->setFocus();
}

void TPickGroup::Edit1Change() {
  if (upperNames_.size() < 2) return;
  const QString wanted = Edit1->text().toUpper().trimmed();
  for (int line = 0; line < upperNames_.size(); ++line) {
    if (upperNames_[line].left(wanted.size()) >= wanted) {
      ListBox1->setCurrentRow(line);
      return;
    }
  }
  ListBox1->setCurrentRow(-1);
  ListBox1->clearSelection();
}

bool TPickGroup::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunGuarded([this] { BtnSelectClick(); });
      return true;
    }
  }
  return PickListForm::eventFilter(watched, event);
}

void TPickGroup::done(int result) {
  upperNames_.clear();
  PickListForm::done(result);
}
