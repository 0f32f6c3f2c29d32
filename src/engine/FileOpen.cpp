#include "FileOpen.h"

#include <cerrno>

namespace tbengine {

Status IoError(int code, const IoStatus& io) { return Status::Error(code, io.message()); }

Status LockFile(File* file, FileLock lock) {
  if (lock == FileLock::kNone) return Status::Ok();
  IoStatus s = file->Lock(lock == FileLock::kExclusive);
  if (s.ok()) return Status::Ok();
  if (s.errnum() == EWOULDBLOCK || s.errnum() == EAGAIN)
    return Status::Error(e4open, file->path() + " is in use by another program");
  return IoError(e4open, s);
}

namespace {

// Whether path still names the file held: a pack of another program may
// have renamed its new file over the path between our open and our lock,
// leaving us with the replaced one. True where the system cannot tell.
bool StillNamed(Env* env, const std::string& path, File* file) {
  FileInfo held, named;
  if (!file->Info(&held).ok()) return true;
  IoStatus s = env->Info(path, &named);
  if (!s.ok()) return s.errnum() == ENOTSUP;
  return held.SameFile(named);
}

constexpr int kOpenAttempts = 50;

}  // namespace

Status OpenLocked(Env* env, const std::string& path, FileLock lock, std::unique_ptr<File>* out, bool* readOnly) {
  for (int attempt = 1;; ++attempt) {
    std::unique_ptr<File> file;
    *readOnly = false;
    IoStatus s = env->Open(path, OpenMode::kReadWrite, &file);
    if (!s.ok() && (s.errnum() == EACCES || s.errnum() == EROFS)) {
      *readOnly = true;
      s = env->Open(path, OpenMode::kReadOnly, &file);
    }
    if (!s.ok()) return IoError(e4open, s);
    TB_RETURN_IF_ERROR(LockFile(file.get(), lock));
    if (StillNamed(env, path, file.get())) {
      *out = std::move(file);
      return Status::Ok();
    }
    if (attempt == kOpenAttempts)
      return Status::Error(e4open, path + " is being replaced by another program again and again");
  }
}

Status WriteNewFile(Env* env, const std::string& path, const std::string& bytes) {
  std::unique_ptr<File> file;
  IoStatus s = env->Open(path, OpenMode::kCreateTruncate, &file);
  if (!s.ok()) return IoError(e4create, s);
  s = file->WriteAt(0, bytes.data(), bytes.size());
  if (s.ok()) s = file->Sync();
  if (!s.ok()) {
    file.reset();
    env->Remove(path);
    return IoError(e4write, s);
  }
  return Status::Ok();
}

FileInfo PermissionsOf(Env* env, const std::string& path) {
  FileInfo info;
  if (!env->Info(path, &info).ok()) return FileInfo();
  return info;
}

Status GivePermissions(File* file, const FileInfo& like) {
  if (like.mode == 0) return Status::Ok();
  IoStatus s = file->TakePermissions(like);
  return s.ok() ? Status::Ok() : IoError(e4write, s);
}

Status GivePermissions(Env* env, const std::string& path, const FileInfo& like) {
  if (like.mode == 0) return Status::Ok();
  std::unique_ptr<File> file;
  IoStatus s = env->Open(path, OpenMode::kReadWrite, &file);
  if (!s.ok()) return IoError(e4open, s);
  return GivePermissions(file.get(), like);
}

}  // namespace tbengine
