#include "Cgp.h"

#include <memory>

namespace tbengine {
namespace {

constexpr uint64_t kMaxSize = 64 * 1024;
constexpr size_t kMaxName = 64;

}  // namespace

bool ValidTagName(const std::string& name) {
  if (name.empty() || name.size() > kMaxName) return false;
  for (char c : name) {
    bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    if (!ok) return false;
  }
  return true;
}

Status ReadTagGroup(Env* env, const std::string& path, std::vector<std::string>* tags) {
  tags->clear();
  std::unique_ptr<File> file;
  IoStatus s = env->Open(path, OpenMode::kReadOnly, &file);
  if (!s.ok()) return Status::Error(e4open, s.message());
  uint64_t size = 0;
  s = file->Size(&size);
  if (!s.ok()) return Status::Error(e4read, s.message());
  if (size > kMaxSize) return Status::CorruptIndex(path, "tag group file too large (" + std::to_string(size) + " bytes)");
  std::string text(static_cast<size_t>(size), '\0');
  size_t got = 0;
  s = file->ReadAt(0, text.data(), text.size(), &got);
  if (!s.ok()) return Status::Error(e4read, s.message());
  text.resize(got);
  size_t start = 0;
  int line = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string name = text.substr(start, end - start);
    ++line;
    if (!name.empty() && name.back() == '\r') name.pop_back();
    if (!name.empty()) {
      if (!ValidTagName(name)) return Status::CorruptIndex(path, "line " + std::to_string(line) + " is not a tag name");
      tags->push_back(name);
    }
    start = end + 1;
  }
  return Status::Ok();
}

Status WriteTagGroup(Env* env, const std::string& path, const std::vector<std::string>& tags) {
  std::string text;
  for (const std::string& t : tags) {
    if (!ValidTagName(t)) return Status::Error(e4tagName, "Invalid tag name '" + t + "' for " + path);
    text += t;
    text += '\n';
  }
  const std::string temp = path + ".tbnew";
  std::unique_ptr<File> file;
  IoStatus s = env->Open(temp, OpenMode::kCreateTruncate, &file);
  if (!s.ok()) return Status::Error(e4create, s.message());
  s = file->WriteAt(0, text.data(), text.size());
  if (s.ok()) s = file->Sync();
  file.reset();
  int code = e4write;
  if (s.ok()) {
    s = env->Rename(temp, path);
    code = e4rename;
  }
  if (!s.ok()) {
    env->Remove(temp);
    return Status::Error(code, s.message());
  }
  return Status::Ok();
}

}  // namespace tbengine
