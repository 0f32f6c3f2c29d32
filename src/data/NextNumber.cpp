#include "data/NextNumber.h"

long NextFreeNumber(DATA4* d, const char* numberTag, FIELD4* number) {
  if (d4recCountDo(d) == 0) return 1;
  TAG4* before = d4tagSelected(d);
  d4tagSelect(d, d4tag(d, numberTag));
  long running = 0;
  for (int at = d4top(d); at == r4success; at = d4skip(d, 1)) {
    const long n = f4long(number);
    if (n > running + 1) break;
    running = n;
  }
  d4tagSelect(d, before);
  d4top(d);
  return running + 1;
}

long LargestNumber(FIELD4* number) {
  long largest = 0;
  for (int i = 0; i < f4len(number) && i < 9; ++i) largest = largest * 10 + 9;
  return largest;
}
