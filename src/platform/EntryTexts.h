// What a form's entry boxes hold: an editor's Save asks about text the
// tables cannot hold before its first write (ConfirmStorable).
#ifndef PLATFORM_ENTRYTEXTS_H
#define PLATFORM_ENTRYTEXTS_H

#include <QStringList>

class QWidget;

// The texts of form's editable line edits and text boxes.
QStringList EntryTexts(const QWidget* form);

#endif  // PLATFORM_ENTRYTEXTS_H
