// Appending a record so that a failure leaves no blank live record behind.
#ifndef DATA_RECORDAPPEND_H
#define DATA_RECORDAPPEND_H

#include "tbengine/engine.h"

// Appends a blank record to d, which becomes current. On failure (the
// pending error cleared) a record that reached the table all the same (one
// of its indexes could not be updated) is marked deleted and
// DeletionsPending set: the pack at the end of the command removes it and
// rebuilds the indexes.
bool AppendRecord(DATA4* d);

#endif  // DATA_RECORDAPPEND_H
