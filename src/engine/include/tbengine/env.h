// The one file interface under everything in the engine that touches the
// disk. The real implementation uses POSIX calls; tests wrap it to inject
// failures (a full disk, a failing Nth write, a failing rename).
#ifndef TBENGINE_ENV_H
#define TBENGINE_ENV_H

#include <cstdint>
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
  // Advisory lock for the life of the handle: shared or exclusive, not waiting.
  virtual IoStatus Lock(bool exclusive) = 0;
  virtual const std::string& path() const = 0;
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
};

// Wraps another Env and fails on demand. Counts are of calls made through it.
class FaultEnv : public Env {
 public:
  explicit FaultEnv(Env* base) : base_(base) {}
  // The nth WriteAt from now (1 = the next one) and every later one fail with errnum.
  void FailWritesAfter(int n, int errnum) { writesLeft_ = n; writeErr_ = errnum; }
  void FailRenames(int errnum) { renameErr_ = errnum; }
  void Heal() { writesLeft_ = -1; renameErr_ = 0; }
  int writeCalls() const { return writeCalls_; }

  IoStatus Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) override;
  bool Exists(const std::string& path) override { return base_->Exists(path); }
  IoStatus Remove(const std::string& path) override { return base_->Remove(path); }
  IoStatus Rename(const std::string& from, const std::string& to) override;
  IoStatus List(const std::string& dir, std::vector<std::string>* names) override { return base_->List(dir, names); }

  // Used by the wrapped files.
  IoStatus BeforeWrite(const std::string& path);

 private:
  Env* base_;
  int writesLeft_ = -1;  // -1: never fail
  int writeErr_ = 0;
  int renameErr_ = 0;
  int writeCalls_ = 0;
};

}  // namespace tbengine

#endif  // TBENGINE_ENV_H
