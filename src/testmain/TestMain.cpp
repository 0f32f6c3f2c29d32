#include "testmain/TestMain.h"

#include <gtest/gtest.h>

namespace {
void (*teardown)() = nullptr;
}

void SetTestTeardown(void (*fn)()) { teardown = fn; }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  const int rc = RUN_ALL_TESTS();
  // A QApplication left to the exit handlers takes Qt's input devices down
  // after their own statics are gone; end it while everything still stands.
  if (teardown) teardown();
  return rc;
}
