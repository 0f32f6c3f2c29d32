// Any bytes as a table file: open, read every record and field, append,
// check and pack. Nothing may crash, hang or leak.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string memo = fuzz::EmptyMemoBytes();
  fuzz::SetFiles({{"T.dbf", {reinterpret_cast<const char*>(data), size}}, {"T.dbt", memo}});
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
