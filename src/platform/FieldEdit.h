// Edit boxes limit what the user types, never what the program shows: a
// stored text longer than the box's limit (written by an import, or by an
// earlier version) is shown whole, so saving the record does not cut it.
#ifndef PLATFORM_FIELDEDIT_H
#define PLATFORM_FIELDEDIT_H

#include <QString>

class QLineEdit;

// Gives edit its typing limit.
void SetTypingLimit(QLineEdit* edit, int maxLength);
// Shows text whole: the box's limit becomes the larger of its typing limit
// and the text's length.
void ShowText(QLineEdit* edit, const QString& text);

#endif  // PLATFORM_FIELDEDIT_H
