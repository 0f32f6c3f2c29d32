// Numbering of new customers and groups: numbers run from 1, and the lowest
// gap after the unbroken run that starts at 1 is reused (1, 2, 3, 5 give 4;
// 2, 3 give 1). Records marked deleted but not yet packed keep their numbers.
#ifndef DATA_NEXTNUMBER_H
#define DATA_NEXTNUMBER_H

#include "tbengine/engine.h"

// The next free number of the numeric field number, walked in the order of
// numberTag (whose key is that number). The tag selected before is selected
// again and the table left on its first record.
long NextFreeNumber(DATA4* d, const char* numberTag, FIELD4* number);

// The largest number the field can hold (999999 for six digits).
long LargestNumber(FIELD4* number);

#endif  // DATA_NEXTNUMBER_H
