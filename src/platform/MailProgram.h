// The desktop's mail program, opened on a new message for the person to
// finish and send: Tallowby itself sends nothing. Real: `xdg-email`, which
// hands the message to whatever mail program the desktop names. Tests put a
// recorder in its place, or a stand-in xdg-email on the PATH.
#ifndef PLATFORM_MAILPROGRAM_H
#define PLATFORM_MAILPROGRAM_H

#include <QDateTime>
#include <QString>
#include <functional>

struct MailDraft {
  QString to;          // empty: the person fills it in; else a plain address
  QString subject;
  QString attachment;  // a file's path
};

// True for an address the mail program may be given: one "@" with text on
// both sides, and no "mailto:", "?", "&", "%", line break, blank or other
// control character, nor a leading "-". xdg-email passes an argument that
// begins with "mailto:" on as it is, so an address from outside files
// could otherwise attach a local file or add hidden recipients.
bool IsPlainMailAddress(const QString& address);

// Starts the mail program on draft; false, with *why, when it could not be
// started or said it failed (xdg-email's exit status, its last error line).
bool OpenMailProgram(const MailDraft& draft, QString* why);

// A new folder for a mail's attachment (TMP/tallowby-mail-XXXXXX). It stays
// when the message has been handed over, since the mail program reads the
// file later; empty, with *why, when it cannot be made.
QString NewMailFolder(QString* why);
// Removes the mail folders made more than a day before now.
void RemoveOldMailFolders(const QDateTime& now);

// Replaces the mail program (an empty function: the real one again).
void SetMailProgramForTests(std::function<bool(const MailDraft&, QString*)> program);

#endif  // PLATFORM_MAILPROGRAM_H
