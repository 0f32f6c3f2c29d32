// The real file system (POSIX) and the fault-injecting wrapper used by tests.
#include "tbengine/env.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "MappedCopy.h"

namespace tbengine {
namespace {

std::atomic<uint64_t> residentBudget{0};  // 0: none

IoStatus PosixError(int err, const std::string& what, const std::string& path) {
  return IoStatus::Error(err, what + " " + path + ": " + std::strerror(err));
}

void ToInfo(const struct stat& st, FileInfo* info) {
  info->device = static_cast<uint64_t>(st.st_dev);
  info->inode = static_cast<uint64_t>(st.st_ino);
  info->mode = static_cast<uint32_t>(st.st_mode & 07777);
  info->uid = static_cast<uint32_t>(st.st_uid);
  info->gid = static_cast<uint32_t>(st.st_gid);
  info->regular = S_ISREG(st.st_mode);
}

// What stands in place of a file, for the message that refuses it.
const char* KindOf(mode_t mode) {
  if (S_ISDIR(mode)) return "a directory";
  if (S_ISFIFO(mode)) return "a FIFO";
  if (S_ISSOCK(mode)) return "a socket";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
  return "not a regular file";
}

class PosixFile : public File {
 public:
  PosixFile(int fd, std::string path, bool writable) : fd_(fd), path_(std::move(path)), writable_(writable) {}
  ~PosixFile() override {
    if (head_ != nullptr) ::munmap(head_, headSize_);
    if (view_ != nullptr) ::munmap(view_, viewSize_);
    ::close(fd_);  // also releases the flock
  }

  IoStatus ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) override {
    size_t done = 0;
    char* p = static_cast<char*>(buf);
    while (done < n) {
      ssize_t r = ::pread(fd_, p + done, n - done, static_cast<off_t>(offset + done));
      if (r < 0) {
        if (errno == EINTR) continue;
        *got = done;
        return PosixError(errno, "Cannot read", path_);
      }
      if (r == 0) break;
      done += static_cast<size_t>(r);
    }
    *got = done;
    return IoStatus();
  }

  IoStatus WriteAt(uint64_t offset, const void* buf, size_t n) override {
    size_t done = 0;
    const char* p = static_cast<const char*>(buf);
    while (done < n) {
      ssize_t r = ::pwrite(fd_, p + done, n - done, static_cast<off_t>(offset + done));
      if (r < 0) {
        if (errno == EINTR) continue;
        return PosixError(errno, "Cannot write", path_);
      }
      done += static_cast<size_t>(r);
    }
    return IoStatus();
  }

  IoStatus Size(uint64_t* size) override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return PosixError(errno, "Cannot stat", path_);
    *size = static_cast<uint64_t>(st.st_size);
    return IoStatus();
  }

  IoStatus Truncate(uint64_t size) override {
    if (::ftruncate(fd_, static_cast<off_t>(size)) != 0) return PosixError(errno, "Cannot truncate", path_);
    return IoStatus();
  }

  IoStatus Sync() override {
    if (::fsync(fd_) != 0) return PosixError(errno, "Cannot sync", path_);
    return IoStatus();
  }

  char* MapHead(size_t n) override {
    if (head_ != nullptr) return n <= headSize_ ? static_cast<char*>(head_) : nullptr;
    if (!writable_ || n == 0) return nullptr;
    void* p = ::mmap(nullptr, n, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, 0);
    if (p == MAP_FAILED) return nullptr;
    head_ = p;
    headSize_ = n;
    return static_cast<char*>(head_);
  }

  bool ReadMapped(uint64_t offset, void* buf, size_t n) override {
    // A table opened for a few reads (a pick list's first page) is read
    // with read calls: mapping a large file and faulting its pages in costs
    // more than those reads, and grows with the file.
    if (reads_ < kReadsBeforeMapping) {
      ++reads_;
      return false;
    }
    if (offset + n > viewSize_) {
      if (cannotMap_) return false;
      // Mapped past the end with room to spare, so a growing file is not
      // mapped anew for each record added; only pages in the file are read.
      const uint64_t page = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
      const uint64_t want = std::max<uint64_t>({offset + n, 2 * uint64_t{viewSize_}, kMinView});
      const size_t size = static_cast<size_t>((want + page - 1) / page * page);
      void* p = ::mmap(nullptr, size, PROT_READ, MAP_SHARED, fd_, 0);
      cannotMap_ = p == MAP_FAILED;  // then read calls only, without asking again
      if (cannotMap_) return false;
      if (view_ != nullptr) ::munmap(view_, viewSize_);
      view_ = p;
      viewSize_ = size;
      touched_.clear();
      touchedBlocks_ = 0;
    }
    if (!CopyFromMapping(buf, static_cast<const char*>(view_) + offset, n)) return false;
    if (const uint64_t budget = residentBudget.load(std::memory_order_relaxed); budget == 0)
      ReleasePassedPages(offset, n);
    else if (n > 0)
      KeepWithinBudget(offset, n, budget);
    return true;
  }

  // A scan through a large table would keep every page it passed resident
  // in this process (the kernel may reclaim them, yet they count as its
  // memory). While reads move forward through the file, the pages behind
  // them are let go every kReleaseAfter bytes, so a scan's memory stays flat
  // in the table's size; a page read again comes back from the page cache.
  // Reads that jump about (a walk in index order, a go to a record) keep
  // their pages, where reading them again is cheapest, unless a
  // ResidentBudget is in force.
  void ReleasePassedPages(uint64_t offset, size_t n) {
    const bool forward = offset >= scanEnd_ && offset <= scanEnd_ + kForwardGap;
    if (!forward) scanStart_ = offset;
    scanEnd_ = offset + n;
    if (offset - scanStart_ < kReleaseAfter) return;
    const uint64_t page = static_cast<uint64_t>(::sysconf(_SC_PAGESIZE));
    const uint64_t from = (scanStart_ + page - 1) / page * page, to = offset / page * page;
    if (to > from) ::madvise(static_cast<char*>(view_) + from, to - from, MADV_DONTNEED);
    scanStart_ = to;
  }

  // Under a budget, once the blocks touched since the last release reach it,
  // all are let go. A fault maps the pages around it too (up to
  // kFaultBlock), so blocks of that size are counted, one bit each.
  void KeepWithinBudget(uint64_t offset, size_t n, uint64_t budget) {
    const size_t words = viewSize_ / kFaultBlock / 64 + 1;
    if (touched_.size() != words) touched_.assign(words, 0);
    for (uint64_t b = offset / kFaultBlock, last = (offset + n - 1) / kFaultBlock; b <= last; ++b) {
      uint64_t& word = touched_[b / 64];
      const uint64_t bit = uint64_t{1} << (b % 64);
      if (word & bit) continue;
      word |= bit;
      if (++touchedBlocks_ * kFaultBlock < budget) continue;
      ::madvise(view_, viewSize_, MADV_DONTNEED);
      std::fill(touched_.begin(), touched_.end(), 0);
      touchedBlocks_ = 0;
    }
  }

  IoStatus Lock(bool exclusive) override {
    int op = (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB;
    while (::flock(fd_, op) != 0) {
      if (errno == EINTR) continue;
      return PosixError(errno, "Cannot lock", path_);
    }
    return IoStatus();
  }

  const std::string& path() const override { return path_; }

  IoStatus Info(FileInfo* info) override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return PosixError(errno, "Cannot stat", path_);
    ToInfo(st, info);
    return IoStatus();
  }

  IoStatus TakePermissions(const FileInfo& like) override {
    struct stat st;
    if (::fstat(fd_, &st) != 0) return PosixError(errno, "Cannot stat", path_);
    // Owner and group only where permitted (an owner may give a file to a
    // group of its own; only root to another user).
    if ((st.st_uid != like.uid || st.st_gid != like.gid) &&
        ::fchown(fd_, static_cast<uid_t>(like.uid), static_cast<gid_t>(like.gid)) != 0) {
      // Not even the group: the file keeps the group it was given.
      if (st.st_gid != like.gid &&
          ::fchown(fd_, static_cast<uid_t>(-1), static_cast<gid_t>(like.gid)) != 0) {
      }
    }
    if (::fchmod(fd_, static_cast<mode_t>(like.mode)) != 0) return PosixError(errno, "Cannot set the mode of", path_);
    return IoStatus();
  }

 private:
  int fd_;
  std::string path_;
  bool writable_;
  void* head_ = nullptr;
  size_t headSize_ = 0;
  static constexpr uint64_t kMinView = 1 << 20;
  static constexpr int kReadsBeforeMapping = 64;
  int reads_ = 0;
  static constexpr uint64_t kReleaseAfter = 4 << 20;
  static constexpr uint64_t kForwardGap = 64 << 10;  // skipped records still count as a scan
  uint64_t scanStart_ = 0, scanEnd_ = 0;  // the forward run of reads so far
  static constexpr uint64_t kFaultBlock = 64 << 10;  // the kernel's fault-around
  std::vector<uint64_t> touched_;  // under a budget: a bit per block of the view
  uint64_t touchedBlocks_ = 0;
  void* view_ = nullptr;  // read-only mapping for ReadMapped
  size_t viewSize_ = 0;
  bool cannotMap_ = false;
};

class PosixEnv : public Env {
 public:
  IoStatus Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) override {
    int flags = O_CLOEXEC;
    switch (mode) {
      case OpenMode::kReadWrite: flags |= O_RDWR; break;
      case OpenMode::kReadOnly: flags |= O_RDONLY; break;
      case OpenMode::kCreateTruncate: flags |= O_RDWR | O_CREAT | O_TRUNC; break;
    }
    // A FIFO, socket or device in place of a file is refused before it is
    // opened (opening a FIFO for reading would wait for a writer).
    struct stat before;
    if (::stat(path.c_str(), &before) == 0 && !S_ISREG(before.st_mode))
      return IoStatus::Error(S_ISDIR(before.st_mode) ? EISDIR : EINVAL,
                             "Cannot open " + path + ": " + KindOf(before.st_mode) + ", not a file");
    int fd;
    do {
      fd = ::open(path.c_str(), flags, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return PosixError(errno, "Cannot open", path);
    struct stat st;
    if (::fstat(fd, &st) == 0 && !S_ISREG(st.st_mode)) {
      ::close(fd);
      if (S_ISDIR(st.st_mode)) return IoStatus::Error(EISDIR, "Cannot open " + path + ": a directory, not a file");
      return IoStatus::Error(EINVAL, "Cannot open " + path + ": " + KindOf(st.st_mode) + ", not a file");
    }
    *out = std::make_unique<PosixFile>(fd, path, mode != OpenMode::kReadOnly);
    return IoStatus();
  }

  bool Exists(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
  }

  IoStatus Info(const std::string& path, FileInfo* info) override {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return PosixError(errno, "Cannot stat", path);
    ToInfo(st, info);
    return IoStatus();
  }

  IoStatus Remove(const std::string& path) override {
    if (::unlink(path.c_str()) != 0) return PosixError(errno, "Cannot remove", path);
    return IoStatus();
  }

  IoStatus Rename(const std::string& from, const std::string& to) override {
    if (::rename(from.c_str(), to.c_str()) != 0) return PosixError(errno, "Cannot rename " + from + " to", to);
    return IoStatus();
  }

  IoStatus List(const std::string& dir, std::vector<std::string>* names) override {
    names->clear();
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (d == nullptr) return PosixError(errno, "Cannot list", dir);
    while (struct dirent* e = ::readdir(d)) {
      if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
      names->emplace_back(e->d_name);
    }
    ::closedir(d);
    return IoStatus();
  }
};

// Passes everything through, asking the FaultEnv before each write.
class FaultFile : public File {
 public:
  FaultFile(FaultEnv* env, std::unique_ptr<File> base) : env_(env), base_(std::move(base)) {}
  IoStatus ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) override {
    return base_->ReadAt(offset, buf, n, got);
  }
  IoStatus WriteAt(uint64_t offset, const void* buf, size_t n) override {
    IoStatus s = env_->BeforeWrite(base_->path());
    if (!s.ok()) return s;
    return base_->WriteAt(offset, buf, n);
  }
  IoStatus Size(uint64_t* size) override { return base_->Size(size); }
  IoStatus Truncate(uint64_t size) override { return base_->Truncate(size); }
  IoStatus Sync() override { return base_->Sync(); }
  IoStatus Lock(bool exclusive) override {
    env_->LockTaken(base_->path());
    return base_->Lock(exclusive);
  }
  const std::string& path() const override { return base_->path(); }
  IoStatus Info(FileInfo* info) override { return base_->Info(info); }
  IoStatus TakePermissions(const FileInfo& like) override { return base_->TakePermissions(like); }

 private:
  FaultEnv* env_;
  std::unique_ptr<File> base_;
};

}  // namespace

ResidentBudget::ResidentBudget(uint64_t bytes) : previous_(residentBudget.exchange(bytes)) {}
ResidentBudget::~ResidentBudget() { residentBudget.store(previous_); }

Env* Env::Default() {
  static PosixEnv* env = new PosixEnv;
  return env;
}

IoStatus FaultEnv::Open(const std::string& path, OpenMode mode, std::unique_ptr<File>* out) {
  if (writeOpenErr_ != 0 && mode == OpenMode::kReadWrite)
    return IoStatus::Error(writeOpenErr_, "Cannot open " + path + ": " + std::strerror(writeOpenErr_));
  std::unique_ptr<File> base;
  IoStatus s = base_->Open(path, mode, &base);
  if (!s.ok()) return s;
  *out = std::make_unique<FaultFile>(this, std::move(base));
  return IoStatus();
}

IoStatus FaultEnv::Rename(const std::string& from, const std::string& to) {
  if (renameErr_ != 0 && renamesLeft_ > 1) {
    --renamesLeft_;
  } else if (renameErr_ != 0) {
    renamesLeft_ = 0;
    return IoStatus::Error(renameErr_, "Cannot rename " + from + " to " + to + ": " + std::strerror(renameErr_));
  }
  return base_->Rename(from, to);
}

IoStatus FaultEnv::BeforeWrite(const std::string& path) {
  ++writeCalls_;
  if (writesLeft_ < 0) return IoStatus();
  if (writesLeft_ > 1) {
    --writesLeft_;
    return IoStatus();
  }
  writesLeft_ = 0;
  return IoStatus::Error(writeErr_, "Cannot write " + path + ": " + std::strerror(writeErr_));
}

}  // namespace tbengine
