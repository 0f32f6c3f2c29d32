// File names inside a folder, matched without regard to case: an existing
// file is found whatever its case; a new file gets the case the caller gave.
#ifndef TBENGINE_PATHS_H
#define TBENGINE_PATHS_H

#include <string>

#include "tbengine/env.h"

namespace tbengine {

std::string JoinPath(const std::string& dir, const std::string& name);
// "dir/name.ext" -> "dir" ("" when there is no folder part).
std::string DirName(const std::string& path);
// "dir/name.ext" -> "name.ext".
std::string BaseName(const std::string& path);
// "name.ext" -> "name".
std::string StemOf(const std::string& fileName);

// The path of the file in dir whose name equals name without regard to case
// (an exact match wins), or "" when there is none.
std::string FindNoCase(Env* env, const std::string& dir, const std::string& name);
// The existing file's path when there is one, else dir/name as given.
std::string ResolveNoCase(Env* env, const std::string& dir, const std::string& name);

}  // namespace tbengine

#endif  // TBENGINE_PATHS_H
