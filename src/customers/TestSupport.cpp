#include "customers/TestSupport.h"

#include "data/dbFiles.h"
#include "picklists/PickEdit.h"

void CustomersTest::SetUp() {
  PickListTest::SetUp();
  customer = std::make_unique<TCustomer>();
  pickCust = std::make_unique<TPickCust>();
  pickGroup = std::make_unique<TPickGroup>();
  groupDef = std::make_unique<TGroupDef>();
  RegisterPickEdit(PickTable::Customer, pickCust.get(), customer.get());
  RegisterPickEdit(PickTable::Group, pickGroup.get(), groupDef.get());
}

void CustomersTest::TearDown() {
  resetPickEditForTests();
  groupDef.reset();
  pickGroup.reset();
  pickCust.reset();
  customer.reset();
  PickListTest::TearDown();
}
