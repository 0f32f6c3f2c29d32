// Any bytes as the index file of a sound table, opened through its tag
// group: walk it in both directions, seek, take positions, change records so
// entries are inserted and removed, check. Nothing may crash, hang or leak.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string table = fuzz::TableBytes({}), memo = fuzz::EmptyMemoBytes();
  fuzz::SetFiles({{"T.dbf", table},
                  {"T.dbt", memo},
                  {"T.cgp", "T\n"},
                  {"T.ntx", {reinterpret_cast<const char*>(data), size}}});
  CODE4* cb = fuzz::StartEngine(true);
  if (DATA4* d = d4open(cb, "T")) {
    if (TAG4* tag = d4tag(d, "T")) {
      d4tagSelect(d, tag);
      fuzz::Walk(d, 300);
      fuzz::Change(d);
      fuzz::Walk(d, 300);
    }
  }
  code4initUndoP(cb);
  return 0;
}
