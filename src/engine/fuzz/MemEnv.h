// Files held in memory, for the fuzz targets: every input writes a few small
// files and opens them, and going through the kernel for that costs more
// than the parsing under test. One process, one thread; locks always
// succeed; a rename replaces the target the way POSIX rename does, so open
// handles keep the file they hold.
#ifndef TBENGINE_FUZZ_MEMENV_H
#define TBENGINE_FUZZ_MEMENV_H

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tbengine/env.h"

namespace fuzz {

class MemEnv : public tbengine::Env {
 public:
  struct Node {
    std::string bytes;
    uint64_t inode = 0;
  };

  void Put(const std::string& path, const void* data, size_t size) {
    auto node = NewNode();
    node->bytes.assign(static_cast<const char*>(data), size);
    files_[path] = std::move(node);
  }
  void Clear() { files_.clear(); }

  tbengine::IoStatus Open(const std::string& path, tbengine::OpenMode mode,
                          std::unique_ptr<tbengine::File>* out) override {
    auto it = files_.find(path);
    if (mode == tbengine::OpenMode::kCreateTruncate) {
      if (it == files_.end()) it = files_.emplace(path, NewNode()).first;
      it->second->bytes.clear();
    } else if (it == files_.end()) {
      return tbengine::IoStatus::Error(ENOENT, "cannot open " + path);
    }
    out->reset(new MemFile(path, it->second));
    return {};
  }
  bool Exists(const std::string& path) override { return files_.count(path) > 0; }
  tbengine::IoStatus Remove(const std::string& path) override {
    if (files_.erase(path) == 0) return tbengine::IoStatus::Error(ENOENT, "cannot remove " + path);
    return {};
  }
  tbengine::IoStatus Rename(const std::string& from, const std::string& to) override {
    auto it = files_.find(from);
    if (it == files_.end()) return tbengine::IoStatus::Error(ENOENT, "cannot rename " + from);
    auto node = it->second;
    files_.erase(it);
    files_[to] = std::move(node);
    return {};
  }
  tbengine::IoStatus List(const std::string& dir, std::vector<std::string>* names) override {
    names->clear();
    const std::string prefix = dir + "/";
    for (const auto& [path, node] : files_) {
      if (path.compare(0, prefix.size(), prefix) == 0 && path.find('/', prefix.size()) == std::string::npos)
        names->push_back(path.substr(prefix.size()));
    }
    return {};
  }
  tbengine::IoStatus Info(const std::string& path, tbengine::FileInfo* info) override {
    auto it = files_.find(path);
    if (it == files_.end()) return tbengine::IoStatus::Error(ENOENT, "no such file " + path);
    Describe(*it->second, info);
    return {};
  }

 private:
  class MemFile : public tbengine::File {
   public:
    MemFile(std::string path, std::shared_ptr<Node> node) : path_(std::move(path)), node_(std::move(node)) {}
    tbengine::IoStatus ReadAt(uint64_t offset, void* buf, size_t n, size_t* got) override {
      const std::string& b = node_->bytes;
      *got = offset >= b.size() ? 0 : std::min<uint64_t>(n, b.size() - offset);
      if (*got > 0) std::memcpy(buf, b.data() + offset, *got);
      return {};
    }
    tbengine::IoStatus WriteAt(uint64_t offset, const void* buf, size_t n) override {
      std::string& b = node_->bytes;
      if (b.size() < offset + n) b.resize(offset + n, '\0');
      std::memcpy(b.data() + offset, buf, n);
      return {};
    }
    tbengine::IoStatus Size(uint64_t* size) override {
      *size = node_->bytes.size();
      return {};
    }
    tbengine::IoStatus Truncate(uint64_t size) override {
      node_->bytes.resize(size, '\0');
      return {};
    }
    tbengine::IoStatus Sync() override { return {}; }
    tbengine::IoStatus Lock(bool) override { return {}; }
    const std::string& path() const override { return path_; }
    tbengine::IoStatus Info(tbengine::FileInfo* info) override {
      Describe(*node_, info);
      return {};
    }

   private:
    std::string path_;
    std::shared_ptr<Node> node_;
  };

  static void Describe(const Node& node, tbengine::FileInfo* info) {
    *info = tbengine::FileInfo{};
    info->device = 1;
    info->inode = node.inode;
    info->mode = 0644;
  }
  std::shared_ptr<Node> NewNode() {
    auto node = std::make_shared<Node>();
    node->inode = ++lastInode_;
    return node;
  }

  std::map<std::string, std::shared_ptr<Node>> files_;
  uint64_t lastInode_ = 0;
};

}  // namespace fuzz

#endif  // TBENGINE_FUZZ_MEMENV_H
