// The desktop's mail program, opened on a new message for the person to
// finish and send: Tallowby itself sends nothing. Real: `xdg-email`, which
// hands the message to whatever mail program the desktop names. Tests put a
// recorder in its place.
#ifndef PLATFORM_MAILPROGRAM_H
#define PLATFORM_MAILPROGRAM_H

#include <QString>
#include <functional>

struct MailDraft {
  QString to;          // may be empty: the person fills it in
  QString subject;
  QString attachment;  // a file's path
};

// Starts the mail program on draft; false, with *why, when it could not be
// started.
bool OpenMailProgram(const MailDraft& draft, QString* why);

// Replaces the mail program (an empty function: the real one again).
void SetMailProgramForTests(std::function<bool(const MailDraft&, QString*)> program);

#endif  // PLATFORM_MAILPROGRAM_H
