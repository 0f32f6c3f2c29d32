// Opening, locking and creating the table and memo files: the steps a .dbf
// and a .dbt share before their own formats take over.
#ifndef TBENGINE_FILEOPEN_H
#define TBENGINE_FILEOPEN_H

#include <memory>
#include <string>

#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

enum class FileLock { kNone, kShared, kExclusive };

// A failed file operation as an engine status with the given error code.
Status IoError(int code, const IoStatus& io);

// Takes the advisory lock that stands for an access mode. e4open with
// "<path> is in use by another program" when another holder conflicts.
Status LockFile(File* file, FileLock lock);

// Opens an existing file for reading and writing, or read-only when the
// permissions or the file system refuse writing (*readOnly says which), and
// takes the lock. e4open on failure, with *out left empty.
Status OpenLocked(Env* env, const std::string& path, FileLock lock, std::unique_ptr<File>* out, bool* readOnly);

// Creates (or truncates) the file and writes bytes to it, synced. On a
// failed write the half-written file is removed: e4create when the file
// cannot be created, e4write when it cannot be written.
Status WriteNewFile(Env* env, const std::string& path, const std::string& bytes);

// The permission bits, owner and group of the file at path, for a file
// that is to replace it; a FileInfo with mode 0 when there is none (or the
// system cannot tell).
FileInfo PermissionsOf(Env* env, const std::string& path);
// Gives the file (or the file at path) the permissions of like, the owner
// and group only where permitted. Nothing when like.mode is 0.
Status GivePermissions(File* file, const FileInfo& like);
Status GivePermissions(Env* env, const std::string& path, const FileInfo& like);

}  // namespace tbengine

#endif  // TBENGINE_FILEOPEN_H
