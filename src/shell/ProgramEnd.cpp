#include "shell/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

#include "data/CodeBase.h"

void InstallFatalHook() {
  // The hook is called deep inside a command, under Qt's event loop and
  // perhaps nested dialogs, where an exception must not pass; so the
  // program stops here without unwinding the windows. The open tables are
  // closed first, so a record changed but not yet written is not lost (the
  // engine writes everything else through at once); the system drops the
  // file locks of the ended process.
  code4setFatalHook([](int, const std::string& message) {
    static bool ending = false;
    if (!ending && cb) {
      ending = true;  // a failure while closing ends here too
      code4close(cb);
    }
    std::fprintf(stderr, "Tallowby: %s\n", message.c_str());
    std::fflush(nullptr);
    std::_Exit(1);
  });
}
