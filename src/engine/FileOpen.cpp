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

Status OpenLocked(Env* env, const std::string& path, FileLock lock, std::unique_ptr<File>* out, bool* readOnly) {
  std::unique_ptr<File> file;
  *readOnly = false;
  IoStatus s = env->Open(path, OpenMode::kReadWrite, &file);
  if (!s.ok() && (s.errnum() == EACCES || s.errnum() == EROFS)) {
    *readOnly = true;
    s = env->Open(path, OpenMode::kReadOnly, &file);
  }
  if (!s.ok()) return IoError(e4open, s);
  TB_RETURN_IF_ERROR(LockFile(file.get(), lock));
  *out = std::move(file);
  return Status::Ok();
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

}  // namespace tbengine
