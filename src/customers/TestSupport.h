// Shared set-up of the customers tests: the pick-list test folder with the
// four customer and group windows created and registered with the
// pick-and-edit routines as the program does.
#ifndef CUSTOMERS_TESTSUPPORT_H
#define CUSTOMERS_TESTSUPPORT_H

#include <memory>

#include "customers/CustomerU.h"
#include "customers/GroupDefU.h"
#include "customers/PickCustU.h"
#include "customers/PickGroupU.h"
#include "picklists/TestSupport.h"

class CustomersTest : public PickListTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<TCustomer> customer;
  std::unique_ptr<TPickCust> pickCust;
  std::unique_ptr<TPickGroup> pickGroup;
  std::unique_ptr<TGroupDef> groupDef;
};

#endif  // CUSTOMERS_TESTSUPPORT_H
