// Customers name their group by number; the name is found by seeking the
// number, right-aligned in two characters, on the group-number tag of
// GROUPS.
#ifndef CUSTOMERS_GROUPLOOKUP_H
#define CUSTOMERS_GROUPLOOKUP_H

#include <QByteArray>
#include <QString>

// The number key of group n (" 5").
QByteArray GroupNumberKey(int n);

// Seeks key on the group-number tag of the open GROUPS table (the tag
// selected before is selected again). True when a group has exactly that
// number; GROUPS is then on its record.
bool SeekGroupNumber(const QByteArray& key);

// The name of the group with number key, without trailing blanks; empty
// when there is no such group or GROUPS is not open.
QString GroupNameOfKey(const QByteArray& key);

#endif  // CUSTOMERS_GROUPLOOKUP_H
