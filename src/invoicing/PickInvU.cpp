#include "invoicing/PickInvU.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTableWidget>

#include "data/dbFiles.h"
#include "invoicing/InvoiceRows.h"
#include "platform/EditMask.h"
#include "platform/EnterMovesFocus.h"
#include "platform/HandlerGuard.h"

namespace {
const char* const kSeekMask = "999999;1;_";
}  // namespace

TPickInv::TPickInv(QWidget* parent)
    : PickGridForm({tr("Select Invoice"), QChar('M'), 47, 10, true}, parent) {
  setObjectName("TPickInv");
  // The list seeks from its own six-digit box instead of the shared one.
  SeekLabel->hide();
  Edit1->hide();
  SeekInvoiceLabel = new QLabel(tr("Seek Invoice No:"), this);
  MaskEdit1 = new QLineEdit(this);
  MaskEdit1->setObjectName("MaskEdit1");
  MaskEdit1->setInputMask(QtInputMask(QString::fromLatin1(kSeekMask)));
  MaskEdit1->setFixedWidth(9 * fontMetrics().horizontalAdvance(QChar('M')));
  EnterMovesFocus::install(MaskEdit1);
  SeekInvoiceLabel->setBuddy(MaskEdit1);
  Label1 = new QLabel(tr("Customer:"), this);
  Label1->setObjectName("Label1");
  Edit2 = new QLineEdit(this);
  Edit2->setObjectName("Edit2");
  Edit2->setReadOnly(true);
  Edit2->setFocusPolicy(Qt::ClickFocus);
  Label1->setBuddy(Edit2);
  seekRow()->addWidget(SeekInvoiceLabel);
  seekRow()->addWidget(MaskEdit1);
  seekRow()->addSpacing(12);
  seekRow()->addWidget(Label1);
  seekRow()->addWidget(Edit2, 1);
  setTabOrder(MaskEdit1, StringGrid1);

  connect(MaskEdit1, &QLineEdit::textChanged, this, Guarded(this, &TPickInv::MaskEdit1Change));
}

void TPickInv::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    const QSignalBlocker quiet(MaskEdit1);
    MaskEdit1->clear();
  }
  PickGridForm::showEvent(event);
  if (!event->spontaneous() && d4recCountDo(Inv5.d) > 0) MaskEdit1->setFocus();
}

DATA4* TPickInv::table() const { return Inv5.d; }

int& TPickInv::currentRecord() const { return CurrentInvoiceRec; }

// Invoice-number order, whatever order a report walked INV5 in before.
void TPickInv::selectTag() { d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv")); }

QList<PickGridForm::Column> TPickInv::columns() const {
  //: Column headings: the invoice's number, its date, its card or check text.
  return {{tr("Invoice"), 7}, {tr("Date"), 10}, {tr("Note"), 30}};
}

QStringList TPickInv::rowTexts() { return InvoiceRowTexts(); }

void TPickInv::showRowDetails(int row) {
  const long recNo = recordOfRow(row);
  if (recNo <= 0) return;
  // An invoice whose customer is gone leaves the name shown before.
  const QString name = InvoiceCustomerName(recNo);
  if (!name.isNull()) Edit2->setText(name);
}

void TPickInv::MaskEdit1Change() {
  QString text = MaskEdit1->displayText();
  text.replace(MaskBlank(QString::fromLatin1(kSeekMask)), ' ');
  seekAndFill(text);
}

// Every keystroke seeks again: typing 1, 2, 3 looks for invoices 1, 12 and 123.
bool TPickInv::seek(const QString& text) {
  const QByteArray key = InvoiceSeekKey(text);
  return !key.isEmpty() && paging().seekKey(key);
}
