// The main() of every test executable. Code that creates process-wide
// objects which must be torn down before the C++ statics (a QApplication)
// registers its teardown here.
#ifndef TESTMAIN_TESTMAIN_H
#define TESTMAIN_TESTMAIN_H

// Runs fn after the tests, before main returns. The last call wins.
void SetTestTeardown(void (*fn)());

#endif
