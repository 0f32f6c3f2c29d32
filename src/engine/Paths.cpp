#include "Paths.h"

#include <vector>

#include "Bytes.h"

namespace tbengine {

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (dir.empty() || (!name.empty() && name[0] == '/')) return name;
  if (dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

std::string DirName(const std::string& path) {
  size_t slash = path.rfind('/');
  if (slash == std::string::npos) return "";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string StemOf(const std::string& fileName) {
  size_t dot = fileName.rfind('.');
  return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

std::string FindNoCase(Env* env, const std::string& dir, const std::string& name) {
  std::string exact = JoinPath(dir, name);
  if (env->Exists(exact)) return exact;
  std::vector<std::string> names;
  if (!env->List(dir.empty() ? "." : dir, &names).ok()) return "";
  for (const std::string& n : names)
    if (EqualNoCase(n, name)) return JoinPath(dir, n);
  return "";
}

std::string ResolveNoCase(Env* env, const std::string& dir, const std::string& name) {
  std::string found = FindNoCase(env, dir, name);
  return found.empty() ? JoinPath(dir, name) : found;
}

}  // namespace tbengine
