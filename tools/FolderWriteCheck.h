// The one question every writing data-tool command asks before it changes a
// data folder: may it be written now? The program holds a data folder while
// it runs; a command that wrote under it would change tables beneath it.
#ifndef TOOLS_FOLDERWRITECHECK_H
#define TOOLS_FOLDERWRITECHECK_H

#include <QString>

// True when dir may be written; otherwise *reason (one line) says why.
bool MayWriteDataFolder(const QString& dir, QString* reason);

#endif
