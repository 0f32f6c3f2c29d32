#include "shell/EditCommands.h"

#include <functional>
#include <initializer_list>

#include "data/Settings.h"
#include "data/dbFiles.h"
#include "picklists/PickEdit.h"

namespace {

// Opens the tables, lets start store the record to highlight, runs the edit
// loop and closes all tables. False when a table could not be opened (its
// message has been shown).
bool OpenAndEdit(PickTable table, std::initializer_list<bool (*)()> opens,
                 const std::function<void()>& start) {
  TablesClosedAtEnd closed;
  for (bool (*open)() : opens) {
    if (!open()) return false;
  }
  start();
  EditLoop(table);
  return true;
}

// The commands that pack their own table after a deletion.
void EditAndPack(PickTable table, std::initializer_list<bool (*)()> opens,
                 const std::function<void()>& start, const char* packName) {
  if (!OpenAndEdit(table, opens, start)) return;
  if (DeletionsPending) PackTable(packName, false);
  DeletionsPending = false;
}

}  // namespace

void EditCustomers() {
  if (!PickEditRegistered(PickTable::Customer)) return;
  DeletionsPending = false;
  EditAndPack(PickTable::Customer, {OpenCUST5, OpenGROUPS}, [] {
    d4tagSelect(Cust5.d, d4tag(Cust5.d, Settings().ByCust ? "cname" : "cComp"));
    CurrentCustomerRec = FirstRecord(Cust5.d);
  }, "CUST5");
}

void EditGroups() {
  if (!PickEditRegistered(PickTable::Group)) return;
  EditAndPack(PickTable::Group, {OpenGROUPS, OpenCUST5}, [] {
    d4tagSelect(Groups.d, d4tag(Groups.d, "cGroup"));
    CurrentGroupRec = FirstRecord(Groups.d);
  }, "GROUPS");
}

void EditProducts() {
  if (!PickEditRegistered(PickTable::Product)) return;
  EditAndPack(PickTable::Product, {OpenProd5},
              [] { CurrentProductRec = FirstRecord(Prod5.d); }, "Prod5");
}

void EditPurchases() {
  if (!PickEditRegistered(PickTable::Purchase)) return;
  EditAndPack(PickTable::Purchase, {OpenPur5, OpenProd5},
              [] { CurrentPurchaseRec = FirstRecord(Pur5.d); }, "Pur5");
}

void EditLabelStock() {
  if (!PickEditRegistered(PickTable::Label)) return;
  OpenAndEdit(PickTable::Label, {OpenLABELS}, [] { CurrentLabelRec = FirstRecord(Labels.d); });
}

void EditInvoices() {
  if (!PickEditRegistered(PickTable::Invoice)) return;
  const bool edited =
      OpenAndEdit(PickTable::Invoice, {OpenCUST5, OpenGROUPS, OpenINV5, OpenITM5, OpenPMT, OpenProd5},
                  [] { CurrentInvoiceRec = LastRecord(Inv5.d); });
  if (edited && DeletionsPending) PackAll();
}
