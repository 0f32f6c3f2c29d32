// Any bytes as the memo file of a sound table: read every memo, rewrite one,
// compact the memo file. Nothing may crash, hang or leak.
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string table = [] {
    std::vector<int> blocks;
    for (int i = 0; i < fuzz::kRecords; ++i) blocks.push_back(i % 5 == 4 ? 0 : 1 + i % 9 + (i == 13 ? 100000 : 0));
    return fuzz::TableBytes(blocks);
  }();
  fuzz::SetFiles({{"T.dbf", table}, {"T.dbt", {reinterpret_cast<const char*>(data), size}}});
  CODE4* cb = fuzz::StartEngine(false);
  if (DATA4* d = d4open(cb, "T")) {
    fuzz::Walk(d, fuzz::kRecords + 1);
    if (d4go(d, 2) == r4success) {
      if (FIELD4* memo = d4field(d, "NOTES")) (void)f4memoAssign(memo, "A new note that replaces the old one");
    }
    (void)d4go(d, 5);
    (void)d4memoCompress(d);
    fuzz::Walk(d, fuzz::kRecords + 1);
  }
  code4initUndoP(cb);
  return 0;
}
