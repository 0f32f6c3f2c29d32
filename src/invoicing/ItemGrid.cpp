#include "invoicing/ItemGrid.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

#include "invoicing/InvoiceMath.h"
#include "invoicing/ItemDefU.h"
#include "picklists/PickEdit.h"
#include "platform/AmountBox.h"
#include "platform/FormParts.h"
#include "platform/NumberText.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(TInvoice)
};

constexpr int kColumnWidths[] = {80, 216, 64, 72, 80};
const char* const kMoneyFormat = "%10.2f";

QString TrimmedRight(QString text) {
  while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
  return text;
}

QString Flag(bool on) { return on ? QStringLiteral("t") : QStringLiteral("f"); }

void ShowInDialog(TItemDef& dialog, const ItemRow& item, const QString& total) {
  dialog.Edit1->setText(TrimmedRight(item.PrID));
  dialog.Edit2->setText(TrimmedRight(item.PDesc));
  dialog.Edit3->setText(TrimmedRight(item.IComm));
  dialog.CheckBox1->setChecked(item.Tax1 == QLatin1String("t"));
  dialog.CheckBox2->setChecked(item.Tax2 == QLatin1String("t"));
  dialog.MaskEdit1->setText(item.UPR);
  dialog.MaskEdit2->setText(item.Qty);
  dialog.MaskEdit3->setText(total);
  dialog.BtnDelete->setEnabled(true);
}

void ReadFromDialog(const TItemDef& dialog, ItemRow& row) {
  row.PrID = dialog.Edit1->text();
  row.Qty = dialog.MaskEdit2->boxText();
  row.UPR = dialog.MaskEdit1->boxText();
  row.Tax1 = Flag(dialog.CheckBox1->isChecked());
  row.Tax2 = Flag(dialog.CheckBox2->isChecked());
  row.PDesc = dialog.Edit2->text();
  row.IComm = dialog.Edit3->text();
}

}  // namespace

QTableWidget* MakeItemGrid(const char* name, int rows, QWidget* parent) {
  auto* grid = new QTableWidget(parent);
  grid->setObjectName(name);
  grid->setColumnCount(5);
  grid->setHorizontalHeaderLabels(
      {Tr::tr("Product ID"), Tr::tr("Description"), Tr::tr("Price"), Tr::tr("Quantity"), Tr::tr("Total")});
  //: The two letters after a line total: t or f (true, false) for the first and second charge line.
  grid->horizontalHeaderItem(4)->setToolTip(Tr::tr("The letters after the total say whether the item is "
                                                   "subject to each charge line: t yes, f no (tf: the first only)"));
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setSectionsClickable(false);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setTabKeyNavigation(false);
  int width = 0;
  for (int c = 0; c < 5; ++c) {
    grid->setColumnWidth(c, kColumnWidths[c]);
    width += kColumnWidths[c];
  }
  const int rowHeight = grid->verticalHeader()->defaultSectionSize();
  grid->horizontalHeader()->setFixedHeight(rowHeight);
  const int frame = 2 * grid->frameWidth();
  grid->setFixedSize(width + grid->verticalScrollBar()->sizeHint().width() + frame,
                     (rows + 1) * rowHeight + 4 + frame);
  grid->setRowCount(rows);
  return grid;
}

void ShowItemRows(QTableWidget* grid, const QList<ItemRow>& items) {
  grid->clearContents();
  if (items.size() > grid->rowCount()) grid->setRowCount(int(items.size()));
  for (int i = 0; i < items.size(); ++i) {
    const ItemRow& item = items[i];
    const QString total = FormatFloat(kMoneyFormat, ItemLineTotal(item.Qty, item.UPR)) + ' ' + item.Tax1 + item.Tax2;
    const QString cells[] = {item.PrID, item.PDesc, item.UPR, item.Qty, total};
    for (int c = 0; c < 5; ++c) grid->setItem(i, c, new QTableWidgetItem(cells[c]));
  }
}

QList<ItemAmounts> AmountsOf(const QList<ItemRow>& items) {
  QList<ItemAmounts> amounts;
  for (const ItemRow& row : items) amounts.append({row.Qty, row.UPR, row.Tax1, row.Tax2});
  return amounts;
}

AmountBox* MakeMoneyBox(const char* name, bool readOnly, QWidget* parent) {
  AmountBox* box = MakeAmountBox(name, "!#######.99;1;_", kMoneyFormat, parent);
  box->setReadOnly(readOnly);
  if (readOnly) box->setFocusPolicy(Qt::ClickFocus);
  return box;
}

bool AddPickedProduct(TItemDef& dialog, QList<ItemRow>& items) {
  d4tagSelect(Prod5.d, d4tag(Prod5.d, "Prod"));
  CurrentProductRec = FirstRecord(Prod5.d);
  if (!PickProduct(true).chosen) return false;
  d4go(Prod5.d, CurrentProductRec);
  ReadProduct();
  const ProductRecord& p = ProdBuf;
  ItemRow row;
  row.PrID = p.PrID;
  row.PDesc = p.PDesc;
  row.IComm = p.IComm;
  row.Tax1 = Flag(p.LTax1);
  row.Tax2 = Flag(p.LTax2);
  row.UPR = FormatFloat("%8.2f", p.UPrice);
  row.Qty = FormatFloat("%9.2f", 1.0);
  ShowInDialog(dialog, row, FormatFloat(kMoneyFormat, p.UPrice));
  Ui::get().exec(&dialog);
  if (ItemDefResult == 1) {
    ReadFromDialog(dialog, row);
    row.RCode = p.RCode.trimmed();
    row.PMemo = p.PMemo.trimmed();
    items.append(row);
  }
  return true;
}

bool EditItemInDialog(TItemDef& dialog, QList<ItemRow>& items, qsizetype i) {
  ShowInDialog(dialog, items[i], FormatFloat(kMoneyFormat, ItemLineTotal(items[i].Qty, items[i].UPR)));
  Ui::get().exec(&dialog);
  if (ItemDefResult == 1) {
    ReadFromDialog(dialog, items[i]);
  } else if (ItemDefResult == 2) {
    items.removeAt(i);
  } else {
    return false;
  }
  return true;
}

void LayOutItemEditor(QDialog* editor, const ItemEditorParts& parts) {
  auto* top = new QHBoxLayout;
  top->addLayout(parts.customer);
  top->addSpacing(2 * editor->fontMetrics().horizontalAdvance(QChar('M')));
  top->addLayout(parts.header, 1);
  auto* totals = new QGridLayout;
  int row = 0;
  for (const auto& [label, box] : parts.totals) {
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    totals->addWidget(label, row, 0);
    totals->addWidget(box, row++, 1);
  }
  auto* leftBottom = new QVBoxLayout;
  leftBottom->addLayout(parts.itemButtons);
  leftBottom->addWidget(parts.memo);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(leftBottom, 1);
  bottom->addLayout(totals);
  auto* layout = new QVBoxLayout(editor);
  layout->addLayout(top);
  layout->addWidget(parts.grid, 0, Qt::AlignHCenter);
  layout->addLayout(bottom);
  layout->addWidget(parts.state);
  layout->addLayout(parts.buttons);
}
