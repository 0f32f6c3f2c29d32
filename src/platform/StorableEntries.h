// An editor's Save first asks about text the tables cannot hold: every
// entry box of the window (and any further texts the save writes), checked
// before the first write.
#ifndef PLATFORM_STORABLEENTRIES_H
#define PLATFORM_STORABLEENTRIES_H

#include <QStringList>

class QWidget;

// True when the texts of form's editable line edits and text boxes, and
// more, can be stored, or the person chose to save them with "?" anyway.
bool ConfirmStorableEntries(const QWidget* form, const QStringList& more = {});

#endif  // PLATFORM_STORABLEENTRIES_H
