// The one file interface under everything in the engine that touches the
// disk. The real implementation uses POSIX calls; tests wrap it to inject
// failures (a full disk, a failing Nth write, a failing rename).
#ifndef TBENGINE_ENV_H
#define TBENGINE_ENV_H

#include <cerrno>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tbengine {

// Result of a file operation. ok() or an errno-style code with a message
// naming the file.
class IoStatus {
 public:
  IoStatus() = default;
  static IoStatus Error(int errnum, std::string message) { return IoStatus(errnum, std::move(message)); }
  bool ok() const { return errnum_ == 0; }
  int errnum() const { return errnum_; }
  const std::string& message() const { return message_; }

 private:
  IoStatus(int e, std::string m) : errnum_(e), message_(std::move(m)) {}
  int errnum_ = 0;
  std::string message_;
};

// What the file system says about a file: which file it is, and who may
// do what with it.
struct FileInfo {
  uint64_t device = 0;
  uint64_t inode = 0;
  uint32_t mode = 0;  // permission bits
  uint32_t uid = 0;
  uint32_t gid = 0;
  bool regular = true;  // not a directory, FIFO, socket or device
  bool SameFile(const FileInfo& o) const { return device == o.device && inode == o.inode; }
};

class File {
 public:
  virtual ~File() = default;
  // Reads up to n bytes at offset; *got is how many were read (short at EOF).
  virtual IoStatus ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) = 0;
  virtual IoStatus WriteAt(uint64_t offset, const void* buf, size_t n) = 0;
  virtual IoStatus Size(uint64_t* size) = 0;
  virtual IoStatus Truncate(uint64_t size) = 0;
  virtual IoStatus Sync() = 0;
  // The file's first n bytes mapped for writing and shared with the file,
  // so a store there is what every reader of the file sees at once (written
  // back by the system like any write), valid for the life of the handle;
  // nullptr when the file is read-only or cannot be mapped. Wrappers that
  // must see every write (FaultEnv) leave it nullptr.
  virtual char* MapHead(size_t n) {
    (void)n;
    return nullptr;
  }
  // Copies n bytes at offset out of a read-only shared mapping of the file
  // (made, or made longer, as needed), which shows what a read would, without
  // a system call. false when there is no mapping or the bytes are no longer
  // in the file (cut short behind our back): read them with ReadAt then.
  // Bytes past the end of the file in its last page come out as zeros, so
  // only bytes known to be in the file should be asked for this way.
  virtual bool ReadMapped(uint64_t offset, void* buf, size_t n) {
    (void)offset, (void)buf, (void)n;
    return false;
  }
  // Advisory lock for the life of the handle: shared or exclusive, not waiting.
  virtual IoStatus Lock(bool exclusive) = 0;
  virtual const std::string& path() const = 0;
  // The file this handle holds (which may no longer be the one its path
  // names). ENOTSUP where the file system cannot tell.
  virtual IoStatus Info(FileInfo* info) {
    (void)info;
    return IoStatus::Error(ENOTSUP, "no file information for " + path());
  }
  // Gives the file the permission bits of like and, where permitted, its
  // owner and group (a rewritten file keeps those of the one it replaces).
  virtual IoStatus TakePermissions(const FileInfo& like) {
    (void)like;
    return IoStatus();
  }
};

// While one lives, reads through a file's mapping keep at most about bytes
// of it resident in this process (a document reading a history once);
// otherwise the pages read stay mapped, where reading them again is
// cheapest. Scopes nest; the innermost budget holds.
class ResidentBudget {
 public:
  explicit ResidentBudget(uint64_t bytes);
  ~ResidentBudget();
  ResidentBudget(const ResidentBudget&) = delete;
  ResidentBudget& operator=(const ResidentBudget&) = delete;

 private:
  uint64_t previous_;
};

enum class OpenMode { kReadWrite, kReadOnly, kCreateTruncate };

class Env {
 public:
  virtual ~Env() = default;
  static Env* Default();  // the real file system; never deleted
  virtual IoStatus Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) = 0;
  virtual bool Exists(const std::string& path) = 0;
  virtual IoStatus Remove(const std::string& path) = 0;
  virtual IoStatus Rename(const std::string& from, const std::string& to) = 0;
  // File names in dir (no paths). Used to match names without regard to case.
  virtual IoStatus List(const std::string& dir, std::vector<std::string>* names) = 0;
  // The file path names now (following symbolic links). ENOTSUP where
  // the file system cannot tell.
  virtual IoStatus Info(const std::string& path, FileInfo* info) {
    (void)info;
    return IoStatus::Error(ENOTSUP, "no file information for " + path);
  }
};

// Wraps another Env and fails on demand. Counts are of calls made through it.
class FaultEnv : public Env {
 public:
  explicit FaultEnv(Env* base) : base_(base) {}
  // The nth WriteAt from now (1 = the next one) and every later one fail with errnum.
  void FailWritesAfter(int n, int errnum) { writesLeft_ = n; writeErr_ = errnum; }
  void FailRenames(int errnum) { renameErr_ = errnum; }
  // The nth Rename from now and every later one fail with errnum.
  void FailRenamesAfter(int n, int errnum) {
    renamesLeft_ = n;
    renameErr_ = errnum;
  }
  // Opening for writing fails with errnum, as for a file the user may not
  // write (root may write any file, so tests cannot rely on the mode).
  void RefuseWriteOpens(int errnum) { writeOpenErr_ = errnum; }
  void Heal() {
    writesLeft_ = -1;
    renamesLeft_ = 0;
    renameErr_ = 0;
    writeOpenErr_ = 0;
  }
  // Called with the file's path before each lock is taken: a test runs
  // another program's work there, between a file's open and its lock.
  void BeforeLock(std::function<void(const std::string& path)> hook) { beforeLock_ = std::move(hook); }
  int writeCalls() const { return writeCalls_; }

  IoStatus Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) override;
  bool Exists(const std::string& path) override { return base_->Exists(path); }
  IoStatus Remove(const std::string& path) override { return base_->Remove(path); }
  IoStatus Rename(const std::string& from, const std::string& to) override;
  IoStatus List(const std::string& dir, std::vector<std::string>* names) override { return base_->List(dir, names); }
  IoStatus Info(const std::string& path, FileInfo* info) override { return base_->Info(path, info); }

  // Used by the wrapped files.
  IoStatus BeforeWrite(const std::string& path);
  void LockTaken(const std::string& path) {
    if (beforeLock_) beforeLock_(path);
  }

 private:
  Env* base_;
  int writesLeft_ = -1;  // -1: never fail
  int writeErr_ = 0;
  int renameErr_ = 0;
  int renamesLeft_ = 0;  // 0: every rename fails while renameErr_ is set
  int writeOpenErr_ = 0;
  int writeCalls_ = 0;
  std::function<void(const std::string& path)> beforeLock_;
};

}  // namespace tbengine

#endif  // TBENGINE_ENV_H
