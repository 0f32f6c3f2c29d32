#include "invoicing/PickPmtU.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "data/dbFiles.h"
#include "invoicing/PmtDefU.h"
#include "platform/AmountBox.h"
#include "platform/DateBox.h"
#include "platform/FormParts.h"
#include "platform/HandlerGuard.h"
#include "platform/Ui.h"
#include "platform/Help.h"

namespace {
constexpr int kRowHeight = 18;
constexpr int kRowsWithoutScrollBar = 11;
constexpr int kScrollBarRoom = 16;
}  // namespace

TPickPmt::TPickPmt(QWidget* parent) : FormDialog(parent) {
  setObjectName("TPickPmt");
  setWindowTitle(tr("Select Payment"));
  Help::setSection(this, QStringLiteral("payment"));

  StringGrid1 = new QTableWidget(this);
  StringGrid1->setObjectName("StringGrid1");
  StringGrid1->setColumnCount(2);
  StringGrid1->setHorizontalHeaderLabels({tr("Date"), tr("Amount")});
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight);
  StringGrid1->horizontalHeader()->setSectionsClickable(false);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  BtnSelect = MakeFormButton("BtnSelect", tr("Select"), this);
  BtnCancel = MakeFormButton("BtnCancel", tr("Cancel"), this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StringGrid1);
  layout->addLayout(ButtonRow({BtnSelect, BtnCancel}));

  connect(BtnSelect, &QPushButton::clicked, this, Guarded(this, &TPickPmt::BtnSelectClick));
  connect(BtnCancel, &QPushButton::clicked, this, Guarded(this, &TPickPmt::BtnCancelClick));
  connect(StringGrid1, &QTableWidget::cellDoubleClicked, this,
          Guarded(this, &TPickPmt::StringGrid1DblClick));
}

void TPickPmt::FormShow() {
  const int m = fontMetrics().horizontalAdvance(QChar('M'));
  StringGrid1->setColumnWidth(0, 7 * m);
  StringGrid1->setColumnWidth(1, 10 * m);
  int width = 17 * m + 1 + 2 * StringGrid1->frameWidth();
  if (PaymentList.size() > kRowsWithoutScrollBar) width += kScrollBarRoom;
  StringGrid1->setFixedWidth(width);

  StringGrid1->clearContents();
  StringGrid1->setRowCount(int(PaymentList.size()));
  for (int i = 0; i < PaymentList.size(); ++i) {
    StringGrid1->setItem(i, 0, new QTableWidgetItem(PaymentList[i].PDate));
    StringGrid1->setItem(i, 1, new QTableWidgetItem(PaymentList[i].PAmt));
  }
  if (!PaymentList.isEmpty()) StringGrid1->setCurrentCell(0, 0);
  layout()->activate();
  resize(size().expandedTo(minimumSizeHint()));
  StringGrid1->setFocus();
}

void TPickPmt::BtnSelectClick() { EditPayment(); }

void TPickPmt::StringGrid1DblClick() { EditPayment(); }

void TPickPmt::BtnCancelClick() { reject(); }

void TPickPmt::EditPayment() {
  const int i = StringGrid1->currentRow();
  if (i < 0 || i >= PaymentList.size() || !pmtDef_) return;
  pmtDef_->MaskEdit1->setText(PaymentList[i].PDate);
  pmtDef_->MaskEdit2->setText(PaymentList[i].PAmt);
  pmtDef_->BtnDelete->setEnabled(true);
  Ui::get().exec(pmtDef_);
  if (PmtDefResult == 1) {
    PaymentList[i].PDate = pmtDef_->MaskEdit1->boxText();
    PaymentList[i].PAmt = pmtDef_->MaskEdit2->boxText();
  } else if (PmtDefResult == 2) {
    PaymentList.removeAt(i);
  }
  accept();
}
