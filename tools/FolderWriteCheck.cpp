#include "FolderWriteCheck.h"

#include "data/FolderLock.h"

// Every table a command writes is also opened in deny-write mode (the engine's
// lock), so a table that the program has open is refused there; the program's
// hold on the whole folder, between its commands, is asked here.
bool MayWriteDataFolder(const QString& dir, QString* reason) {
  return HoldFolderForWriting(dir, reason) != nullptr;
}
