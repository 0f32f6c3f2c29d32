// Before an editor writes: text the tables cannot hold is named, and the
// person chooses to go back or to save it with "?" in those places.
#ifndef DATA_STORABLETEXT_H
#define DATA_STORABLETEXT_H

#include <QString>
#include <QStringList>

// The question asked when texts hold the characters unstorable.
QString UnstorableQuestion(const QString& unstorable);

// True when texts can be stored as they are, or the person chose OK (save
// anyway); false after Cancel, and nothing may then be written.
bool ConfirmStorable(const QStringList& texts);

#endif  // DATA_STORABLETEXT_H
