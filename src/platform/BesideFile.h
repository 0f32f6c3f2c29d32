// A new file beside a target, for writing that is renamed over the target
// once complete. Its name is TARGET.XXXXXX followed by a suffix, with six
// random characters, and it is created exclusively (O_CREAT | O_EXCL |
// O_NOFOLLOW): a file or a link that someone else placed under a name we
// might choose is never opened, let alone written through.
#ifndef PLATFORM_BESIDEFILE_H
#define PLATFORM_BESIDEFILE_H

#include <QString>

// Opens a new empty file beside target, its mode 0666 less the umask, and
// sets *path to its name. Returns the descriptor, or -1 with errno set when
// the folder does not let us create one.
int OpenFileBeside(const QString& target, const QString& suffix, QString* path);

// The same, closed: the new empty file's name, or an empty string with
// errno set.
QString CreateFileBeside(const QString& target, const QString& suffix);

#endif  // PLATFORM_BESIDEFILE_H
