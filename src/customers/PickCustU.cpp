#include "customers/PickCustU.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "customers/CustomerRows.h"
#include "customers/GroupLookup.h"
#include "data/Settings.h"
#include "data/dbFiles.h"

TPickCust::TPickCust(QWidget* parent)
    : PickGridForm({tr("Select Customer"), QChar('B'), 67, 16, true}, parent) {
  setObjectName("TPickCust");
  GroupLabel = new QLabel(tr("Group:"), this);
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setReadOnly(true);
  Edit2->setFocusPolicy(Qt::ClickFocus);
  GroupLabel->setBuddy(Edit2);
  seekRow()->addSpacing(12);
  seekRow()->addWidget(GroupLabel);
  seekRow()->addWidget(Edit2, 1);
}

DATA4* TPickCust::table() const { return Cust5.d; }

int& TPickCust::currentRecord() const { return CurrentCustomerRec; }

void TPickCust::selectTag() {
  d4tagSelect(Cust5.d, d4tag(Cust5.d, CustomerListTag(Settings().ByCust)));
  Edit2->clear();
}

QList<PickGridForm::Column> TPickCust::columns() const {
  //: Column headings: the customer's last name, first name, note, company
  if (Settings().ByCust) return {{tr("Last"), 20}, {tr("First"), 13}, {tr("Note"), 34}};
  return {{tr("Company"), 34}, {tr("Last"), 13}, {tr("First"), 20}};
}

QStringList TPickCust::rowTexts() { return CustomerRowTexts(Settings().ByCust); }

void TPickCust::showRowDetails(int row) {
  const long recNo = recordOfRow(row);
  if (recNo <= 0) return;
  d4go(Cust5.d, recNo);
  Edit2->setText(GroupNameOfKey(QByteArray(f4str(Cust5.ngroup))));
}
