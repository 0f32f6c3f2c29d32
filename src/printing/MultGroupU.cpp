#include "printing/MultGroupU.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

#include "data/dbFiles.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/Help.h"

QList<int> ChosenGroups;
TMultGroup* MultGroup = nullptr;

TMultGroup::TMultGroup(QWidget* parent) : FormDialog(parent) {
  setObjectName(QStringLiteral("MultGroup"));
  setWindowTitle(tr("Select One or More Groups"));
  Help::setSection(this, QStringLiteral("groups"));

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);  // each click toggles
  BtnRun = new QPushButton(tr("Run"), this);
  BtnRun->setObjectName(QStringLiteral("BtnRun"));
  BtnAll = new QPushButton(tr("All"), this);
  BtnAll->setObjectName(QStringLiteral("BtnAll"));
  BtnCancel = new QPushButton(tr("Cancel"), this);
  BtnCancel->setObjectName(QStringLiteral("BtnCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListBox1);
  layout->addLayout(ButtonRow({BtnRun, BtnAll, BtnCancel}, false));

  connect(BtnRun, &QPushButton::clicked, this, Guarded(this, &TMultGroup::BtnRunClick));
  connect(BtnAll, &QPushButton::clicked, this, Guarded(this, &TMultGroup::BtnAllClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &TMultGroup::BtnCancelClick));
  MultGroup = this;
}

TMultGroup::~TMultGroup() {
  if (MultGroup == this) MultGroup = nullptr;
}

void TMultGroup::FormShow() {
  ListBox1->clear();
  ChosenGroups.clear();
  for (const ListedGroup& g : ListedGroups())
    ListBox1->addItem(PadLeft(g.number, 2) + QStringLiteral(" - ") + g.name);
  if (ListBox1->count() == 1) ListBox1->item(0)->setSelected(true);
}

void TMultGroup::BtnAllClick() { ListBox1->selectAll(); }

void TMultGroup::BtnRunClick() {
  ChosenGroups.clear();
  for (int i = 0; i < ListBox1->count(); ++i) {
    const QListWidgetItem* item = ListBox1->item(i);
    if (item->isSelected()) ChosenGroups.append(item->text().left(2).trimmed().toInt());
  }
  accept();
}

void TMultGroup::BtnCancelClick() {
  ChosenGroups.clear();
  reject();
}

bool RunMultGroup() {
  if (!MultGroup) throw std::logic_error("The group picker has not been created.");
  ChosenGroups.clear();
  Ui::get().exec(MultGroup);
  return !ChosenGroups.isEmpty();
}

QList<ListedGroup> ListedGroups() {
  QList<ListedGroup> groups;
  DATA4* d = Groups.d;
  if (!d) return groups;
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) {
    if (!d4deleted(d)) groups.append({f4int(Groups.nGroup), FieldText(Groups.cGroup).trimmed()});
  }
  return groups;
}
