#include "customers/CustomerU.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "customers/GroupLookup.h"
#include "data/CodeBase.h"
#include "data/CustomerInvoices.h"
#include "data/KeyText.h"
#include "data/dbFiles.h"
#include "data/NextNumber.h"
#include "data/RecordSave.h"
#include "data/Settings.h"
#include "platform/EnterMovesFocus.h"
#include "platform/FieldEdit.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "picklists/PickEdit.h"
#include "data/StorableText.h"
#include "einvoice/CustEInvoiceU.h"
#include "einvoice/EInvoiceBuild.h"
#include "platform/EntryTexts.h"
#include "platform/Ui.h"

namespace {

constexpr int kHelpContext = 410;

QLineEdit* MakeEdit(const QString& name, int maxLength, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  SetTypingLimit(edit, maxLength);
  return edit;
}

QString TrimRight(QString text) {
  while (!text.isEmpty() && text.back() <= QChar(' ')) text.chop(1);
  return text;
}

}  // namespace

TCustomer::TCustomer(QWidget* parent)
    : EditorForm(parent, "TCustomer", tr("Customer"), kHelpContext, Deletes::Yes) {
  Edit1 = MakeEdit("Edit1", 6, this);
  Edit1->setReadOnly(true);
  Edit1->setEnabled(false);
  Edit1->setAlignment(Qt::AlignRight);
  Edit2 = MakeEdit("Edit2", 3, this);
  Edit3 = MakeEdit("Edit3", 13, this);
  Edit4 = MakeEdit("Edit4", 20, this);
  Edit5 = MakeEdit("Edit5", 34, this);
  Edit6 = MakeEdit("Edit6", 34, this);
  Edit7 = MakeEdit("Edit7", 34, this);
  Edit8 = MakeEdit("Edit8", 19, this);
  Edit9 = MakeEdit("Edit9", 10, this);
  Edit10 = MakeEdit("Edit10", 20, this);
  Edit11 = MakeEdit("Edit11", 20, this);
  Edit12 = MakeEdit("Edit12", 60, this);
  Edit13 = MakeEdit("Edit13", 34, this);
  Edit14 = MakeEdit("Edit14", 20, this);
  Edit14->setReadOnly(true);
  Edit14->setFocusPolicy(Qt::ClickFocus);
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setTabChangesFocus(true);
  EnterMovesFocus::installOnLineEdits(this);

  Label3 = new QLabel(tr("Address"), this);
  Label3->setObjectName("Label3");
  Label8 = new QLabel(tr("Address"), this);
  Label8->setObjectName("Label8");
  BtnGroup = MakeFormButton("BtnGroup", tr("Group"), this);

  // The name fields and the company line captioned inside: the company is
  // the buyer an e-invoice names.
  Edit2->setPlaceholderText(tr("Title"));
  Edit3->setPlaceholderText(tr("First Name"));
  Edit4->setPlaceholderText(tr("Last Name"));
  Edit5->setPlaceholderText(tr("Company (empty for a private person)"));
  Edit5->setToolTip(tr("The company; e-invoices name it as the buyer (a private person: the name)"));
  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  Edit1->setFixedWidth(8 * m);
  Edit2->setFixedWidth(4 * m);

  auto* grid = new QGridLayout;
  int row = 0;
  grid->addWidget(new QLabel(tr("Customer No."), this), row, 0);
  grid->addWidget(Edit1, row++, 1, Qt::AlignLeft);
  grid->addWidget(new QLabel(tr("Name"), this), row, 0);
  auto* name = new QHBoxLayout;
  name->addWidget(Edit2);
  name->addWidget(Edit3, 13);
  name->addWidget(Edit4, 20);
  grid->addLayout(name, row++, 1);
  grid->addWidget(Label3, row, 0);
  grid->addWidget(Edit5, row++, 1);
  grid->addWidget(Label8, row, 0);
  grid->addWidget(Edit6, row++, 1);
  grid->addWidget(Edit7, row++, 1);
  grid->addWidget(Edit8, row++, 1);
  const std::pair<const char*, QLineEdit*> labelled[] = {
      {QT_TR_NOOP("Postal Code"), Edit9}, {QT_TR_NOOP("Phone"), Edit10},
      {QT_TR_NOOP("Fax"), Edit11},         {QT_TR_NOOP("Email"), Edit12},
      {QT_TR_NOOP("Note"), Edit13}};
  for (const auto& [caption, edit] : labelled) {
    grid->addWidget(new QLabel(tr(caption), this), row, 0);
    grid->addWidget(edit, row++, 1);
  }
  grid->addWidget(BtnGroup, row, 0);
  grid->addWidget(Edit14, row++, 1);
  grid->addWidget(Memo1, row++, 0, 1, 2);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  QHBoxLayout* buttons = ButtonRow();
  BtnEInvoice = MakeFormButton("BtnEInvoice", tr("E-Invoice..."), this);
  BtnEInvoice->setToolTip(tr("The customer's details for electronic invoices"));
  buttons->insertWidget(0, BtnEInvoice);
  layout->addLayout(buttons);
  Edit5->setMinimumWidth(30 * fontMetrics().horizontalAdvance(QChar('n')));

  QWidget* order[] = {Edit1,  Edit2,  Edit3,    Edit4,   Edit5,     Edit6,     Edit7,
                      Edit8,  Edit9,  Edit10,   Edit11,  Edit12,    Edit13,    BtnGroup,
                      Memo1,  BtnEInvoice, BtnSave, BtnDelete, BtnCancel, Edit14, BitBtn1};
  for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  connect(BtnGroup, &QPushButton::clicked, this, Guarded(this, &TCustomer::BtnGroupClick));
  connect(BtnEInvoice, &QPushButton::clicked, this, Guarded(this, &TCustomer::BtnEInvoiceClick));
}

void TCustomer::FormShow() {
  const bool byName = Settings().ByCust;
  Label3->setText(byName ? tr("Address") : tr("Company"));
  Label8->setVisible(!byName);

  if (CurrentCustomerRec > 0) {
    BtnDelete->setEnabled(true);
    d4go(Cust5.d, CurrentCustomerRec);
    ReadCustomer();
  } else {
    CustBuf = CustomerRecord{};
    CurrentCustomerRec = -1;
    BtnDelete->setEnabled(false);
  }
  showBuffer();
  showGroup();
  Edit2->setFocus();
}

void TCustomer::showBuffer() {
  const CustomerRecord& c = CustBuf;
  Edit1->setText(PadLeft(c.cuno, 6));
  const std::pair<QLineEdit*, const QString*> shown[] = {
      {Edit2, &c.title}, {Edit3, &c.first}, {Edit4, &c.last},   {Edit5, &c.addr1},
      {Edit6, &c.addr2}, {Edit7, &c.addr3}, {Edit8, &c.addr4},  {Edit9, &c.zip},
      {Edit10, &c.phone}, {Edit11, &c.fax}, {Edit12, &c.email}, {Edit13, &c.note}};
  for (const auto& [edit, text] : shown) ShowText(edit, text->trimmed());
  Memo1->setPlainText(TrimRight(c.comments));
}

// A customer whose group is gone must be given a group before it is saved.
void TCustomer::showGroup() {
  Edit14->clear();
  if (CustBuf.ngroup == 0) return;
  if (SeekGroupNumber(GroupNumberKey(CustBuf.ngroup))) {
    ShowText(Edit14, FieldText(Groups.cGroup).trimmed());
  } else {
    CustBuf.ngroup = 0;
  }
}

void TCustomer::BtnGroupClick() {
  // The list opens on the customer's own group.
  const QByteArray key = GroupNumberKey(CustBuf.ngroup);
  CurrentGroupRec = CustBuf.ngroup > 0 && SeekGroupNumber(key) ? d4recNo(Groups.d) : 0;
  PickGroup(true);
  if (CurrentGroupRec <= 0) return;
  d4go(Groups.d, CurrentGroupRec);
  ReadGroup();
  ShowText(Edit14, GroupBuf.cGroup.trimmed());
  CustBuf.ngroup = GroupBuf.nGroup;
}

void TCustomer::copyControlsToBuffer() {
  CustomerRecord& c = CustBuf;
  c.title = Edit2->text();
  c.first = Edit3->text();
  c.last = Edit4->text();
  c.addr1 = Edit5->text();
  c.addr2 = Edit6->text();
  c.addr3 = Edit7->text();
  c.addr4 = Edit8->text();
  c.zip = Edit9->text();
  c.phone = Edit10->text();
  c.fax = Edit11->text();
  c.email = Edit12->text();
  c.note = Edit13->text();
  c.comments = Memo1->toPlainText();
}

void TCustomer::BtnSaveClick() {
  if (CustBuf.ngroup == 0) {
    Ui::get().information(tr("Please Select Customer Group"));
    return;
  }
  if (!ConfirmStorable(EntryTexts(this))) return;
  DATA4* d = Cust5.d;
  const bool isNew = CurrentCustomerRec <= 0;
  const long number = isNew ? NextFreeNumber(d, "ccno", Cust5.cuno) : CustBuf.cuno;
  // A number wider than the field could not be stored.
  if (!GoToOrAppend(d, &CurrentCustomerRec, number <= LargestNumber(Cust5.cuno))) {
    CustBuf.cuno = 0;
    return;
  }
  CustBuf.cuno = number;
  copyControlsToBuffer();
  WriteCustomer();
  CurrentCustomerRec = static_cast<int>(d4recNo(d));
  if (d4deleted(d)) d4recall(d);
  accept();
}

// The details belong to a customer number, so a customer not yet saved
// has none to edit.
void TCustomer::BtnEInvoiceClick() {
  if (CurrentCustomerRec <= 0 || CustBuf.cuno == 0) {
    Ui::get().information(tr("Save the customer before entering e-invoice details."));
    return;
  }
  TCustEInvoice details(this);
  details.customer = CustBuf.cuno;
  details.buyerName = BuyerName(CustBuf);
  Ui::get().exec(&details);
}

void TCustomer::BtnDeleteClick() {
  // Invoices keep the number of a deleted customer and show no one.
  const long invoices = InvoiceCountOfCustomer(CustBuf.cuno);
  if (invoices > 0 &&
      !Ui::get().confirmDestructive(Ui::Kind::Confirmation, Ui::Buttons::OkCancel,
                                    tr("Customer %1 has %2 invoices; they will show no "
                                       "customer. Delete anyway?")
                                        .arg(CustBuf.cuno)
                                        .arg(invoices)))
    return;
  MarkForPack(Cust5.d, CurrentCustomerRec);
  accept();
}


QString TCustomer::DiscardQuestion() const { return tr("Discard the changes to this customer?"); }
