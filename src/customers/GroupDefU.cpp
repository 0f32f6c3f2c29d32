#include "customers/GroupDefU.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/CodeBase.h"
#include "data/KeyText.h"
#include "data/dbFiles.h"
#include "data/NextNumber.h"
#include "data/RecordSave.h"
#include "platform/EnterMovesFocus.h"
#include "platform/FormParts.h"
#include "picklists/PickEdit.h"
#include "data/StorableText.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"

namespace {

constexpr int kHelpContext = 420;

}  // namespace

TGroupDef::TGroupDef(QWidget* parent)
    : EditorForm(parent, "TGroupDef", tr("Customer Group Definition"), kHelpContext,
                 Deletes::Yes) {
  Label1 = new QLabel(tr("Group Number:"), this);
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName("Edit1");
  Edit1->setReadOnly(true);
  Edit1->setFocusPolicy(Qt::NoFocus);
  Edit1->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  Label2 = new QLabel(tr("Customer Group:"), this);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setMinimumWidth(fontMetrics().horizontalAdvance(QChar('M')) * 22);
  Label2->setBuddy(Edit2);
  EnterMovesFocus::install(Edit2);

  auto* layout = new QVBoxLayout(this);
  auto* fields = new QGridLayout;
  fields->addWidget(Label1, 0, 0);
  fields->addWidget(Edit1, 0, 1, Qt::AlignLeft);
  fields->addWidget(Label2, 1, 0);
  fields->addWidget(Edit2, 1, 1);
  layout->addLayout(fields);
  layout->addLayout(ButtonRow(false));

  SetTabOrder({Edit2, BtnSave, BtnDelete, BtnCancel, BitBtn1});
}

void TGroupDef::FormShow() {
  if (CurrentGroupRec > 0) {
    d4go(Groups.d, CurrentGroupRec);
    ReadGroup();
    BtnDelete->setEnabled(true);
  } else {
    GroupBuf = GroupRecord{};
    CurrentGroupRec = -1;
    BtnDelete->setEnabled(false);
  }
  Edit1->setText(PadLeft(GroupBuf.nGroup, 2));
  // The field's padding is not shown, so text typed at the end of the name
  // is not pushed past the field's width.
  Edit2->setText(WithoutTrailingBlanks(GroupBuf.cGroup));
  Edit2->setFocus();
}

void TGroupDef::BtnSaveClick() {
  if (Edit2->text().trimmed().isEmpty()) {
    Ui::get().information(tr("Can't Save Blank Name"));
    return;
  }
  if (!ConfirmStorable(EntryTexts(this))) return;
  GroupBuf.cGroup = Edit2->text();
  DATA4* d = Groups.d;
  if (GroupBuf.nGroup == 0) {
    const long number = NextFreeNumber(d, "nGroup", Groups.nGroup);
    // Group numbers are two digits wide: a 100th group cannot be numbered.
    int appended = 0;
    if (!GoToOrAppend(d, &appended, number <= LargestNumber(Groups.nGroup),
                      tr("Unable to add record at this time. Please try later."))) return;
    GroupBuf.nGroup = static_cast<int>(number);
    CurrentGroupRec = appended;
  }
  d4go(d, CurrentGroupRec);
  WriteGroup();
  if (d4deleted(d)) d4recall(d);
  accept();
}

void TGroupDef::BtnDeleteClick() {
  const QString name = GroupBuf.cGroup.trimmed();
  if (!Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                         tr("Move Customers in %1 to a selected group").arg(name))) {
    return;
  }
  // The pick list reads every group into the buffer: keep this group's own.
  const int ownRecord = CurrentGroupRec;
  const int ownNumber = GroupBuf.nGroup;
  const QString ownName = GroupBuf.cGroup;
  const PickResult picked = PickGroup(false);
  if (!picked.chosen) {
    CurrentGroupRec = ownRecord;
    GroupBuf = {ownNumber, ownName};
    return;
  }
  if (CurrentGroupRec == ownRecord) {
    GroupBuf = {ownNumber, ownName};
    return;
  }
  d4go(Groups.d, CurrentGroupRec);
  const int target = f4int(Groups.nGroup);
  MoveCustomers(ownNumber, target);
  MarkForPack(Groups.d, ownRecord);
  CurrentGroupRec = 0;
  accept();
}

void TGroupDef::MoveCustomers(int from, int to) {
  DATA4* d = Cust5.d;
  for (int at = d4top(d); at == r4success; at = d4skip(d, 1)) {
    if (f4int(Cust5.ngroup) == from) f4assignInt(Cust5.ngroup, to);
  }
}

