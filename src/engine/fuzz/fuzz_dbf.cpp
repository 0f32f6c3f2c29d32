// Any bytes as a table file: open, read every record and field, append,
// check and pack. Nothing may crash, hang or leak.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string dir = fuzz::ScratchDir();
  fuzz::WriteFile(dir + "/T.dbf", data, size);
  fuzz::WriteFile(dir + "/T.dbt", fuzz::EmptyMemoBytes());
  std::remove((dir + "/T.cgp").c_str());
  CODE4* cb = fuzz::StartEngine(false);
  if (DATA4* d = d4open(cb, "T")) {
    fuzz::Walk(d, 300);
    if (size < 16384) {
      fuzz::Change(d);
      (void)d4pack(d);
      fuzz::Walk(d, 50);
    }
  }
  code4initUndoP(cb);
  return 0;
}
