#include "picklists/PickEdit.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDialog>
#include <QPointer>

#include "data/dbFiles.h"
#include "platform/Ui.h"

namespace {

struct TableInfo {
  int* value;
  DATA4* const* handle;
  const char* emptyMessage;  // translated in the context "PickEdit"
  // After a new record's editor: customers, products, invoices and purchases
  // count any value but 0 as a record made; groups and label stock only a
  // record number.
  bool newUnlessZero;
};

const TableInfo& Info(PickTable table) {
  static const TableInfo infos[] = {
      {&CurrentCustomerRec, &Cust5.d, QT_TRANSLATE_NOOP("PickEdit", "Customer Database is Empty"),
       true},
      {&CurrentGroupRec, &Groups.d, QT_TRANSLATE_NOOP("PickEdit", "Group Database is Empty"),
       false},
      {&CurrentProductRec, &Prod5.d, QT_TRANSLATE_NOOP("PickEdit", "Product Database is Empty"),
       true},
      {&CurrentInvoiceRec, &Inv5.d, QT_TRANSLATE_NOOP("PickEdit", "Invoice Database is Empty"),
       true},
      {&CurrentPurchaseRec, &Pur5.d, QT_TRANSLATE_NOOP("PickEdit", "Purchase Database is Empty"),
       true},
      {&CurrentLabelRec, &Labels.d, QT_TRANSLATE_NOOP("PickEdit", "Label Database is Empty"),
       false},
  };
  return infos[static_cast<int>(table)];
}

struct Windows {
  QPointer<QDialog> pickList;
  QPointer<QDialog> editor;
};

Windows& Registered(PickTable table) {
  static Windows windows[6];
  return windows[static_cast<int>(table)];
}

}  // namespace

void RegisterPickEdit(PickTable table, QDialog* pickList, QDialog* editor) {
  Registered(table) = {pickList, editor};
}

bool PickEditRegistered(PickTable table) {
  const Windows& w = Registered(table);
  return w.pickList && w.editor;
}

int& CurrentRecordOf(PickTable table) { return *Info(table).value; }

PickResult PickRecord(PickTable table, bool allowNew) {
  PickResult result;
  const TableInfo& info = Info(table);
  const Windows& windows = Registered(table);
  DATA4* d = *info.handle;
  if (!d || !windows.pickList || !windows.editor) return result;
  int& value = *info.value;

  if (table == PickTable::Customer) d4tagSelect(d, d4tag(d, "cname"));
  if (d4recCountDo(d) == 0) {
    if (!allowNew) {
      Ui::get().information(QCoreApplication::translate("PickEdit", info.emptyMessage));
      value = -1;
      return result;
    }
    value = 0;
  }

  if (auto* btnNew = windows.pickList->findChild<QAbstractButton*>("BtnNew"))
    btnNew->setEnabled(allowNew);
  Ui::get().exec(windows.pickList);

  if (value == 0) {
    Ui::get().exec(windows.editor);
    result.editorShown = info.newUnlessZero ? value != 0 : value > 0;
  }
  result.chosen = value > 0;
  return result;
}

PickResult PickCustomer(bool allowNew) { return PickRecord(PickTable::Customer, allowNew); }
PickResult PickGroup(bool allowNew) { return PickRecord(PickTable::Group, allowNew); }
PickResult PickProduct(bool allowNew) { return PickRecord(PickTable::Product, allowNew); }
PickResult PickInvoice(bool allowNew) { return PickRecord(PickTable::Invoice, allowNew); }
PickResult PickPurchase(bool allowNew) { return PickRecord(PickTable::Purchase, allowNew); }
PickResult PickLabel(bool allowNew) { return PickRecord(PickTable::Label, allowNew); }

void EditLoop(PickTable table) {
  for (;;) {
    const PickResult r = PickRecord(table, true);
    if (!r.chosen) return;
    if (!r.editorShown) Ui::get().exec(Registered(table).editor);
  }
}

void resetPickEditForTests() {
  for (PickTable t : {PickTable::Customer, PickTable::Group, PickTable::Product, PickTable::Invoice,
                      PickTable::Purchase, PickTable::Label}) {
    Registered(t) = {};
  }
}
