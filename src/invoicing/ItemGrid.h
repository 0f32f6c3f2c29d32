// The line items' grid and the line-item dialog as an editor of items
// uses them (the invoice's and the quote's): the grid made and filled, a
// picked product added, an item changed or removed.
#ifndef INVOICING_ITEMGRID_H
#define INVOICING_ITEMGRID_H

#include <QList>

#include "data/dbFiles.h"
#include "invoicing/InvoiceMath.h"

class AmountBox;
class QDialog;
class QLabel;
class QLayout;
class QTableWidget;
class QWidget;
class TItemDef;

// The five columns (code, description, price, quantity, total), read-only,
// one row selected at a time, rows blank rows high below the heading.
QTableWidget* MakeItemGrid(const char* name, int rows, QWidget* parent);
// The items on the grid's rows, which grow to hold them all: the line
// total followed by the two tax letters.
void ShowItemRows(QTableWidget* grid, const QList<ItemRow>& items);
// What the arithmetic reads of the rows.
QList<ItemAmounts> AmountsOf(const QList<ItemRow>& items);
// An amount box of the totals ("%10.2f"); a read-only one takes no Tab.
AmountBox* MakeMoneyBox(const char* name, bool readOnly, QWidget* parent);
// A product picked from the product list, shown in the dialog and appended
// when the dialog is saved. False when no product was picked.
bool AddPickedProduct(TItemDef& dialog, QList<ItemRow>& items);
// Item i shown in the dialog, then changed or removed as the dialog was
// closed. False when it was cancelled.
bool EditItemInDialog(TItemDef& dialog, QList<ItemRow>& items, qsizetype i);

// The parts of an editor of items, laid out as both editors are: the
// customer beside the document's own fields at the top, the item grid,
// below it the item buttons and the memo beside the totals (each caption
// right-aligned before its box), then the state line and the buttons.
struct ItemEditorParts {
  QLayout* customer;
  QLayout* header;
  QTableWidget* grid;
  QLayout* itemButtons;
  QWidget* memo;
  QList<std::pair<QLabel*, AmountBox*>> totals;
  QLabel* state;
  QLayout* buttons;
};
void LayOutItemEditor(QDialog* editor, const ItemEditorParts& parts);

#endif  // INVOICING_ITEMGRID_H
