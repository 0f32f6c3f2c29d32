// Our tag-group file (.cgp): the names of the tags that d4open opens with a
// table, one per line. Each name is the stem of an .ntx file beside the
// table, matched without regard to case:
//
//   cName\n
//   ccno\n
//
// ASCII letters, digits, '_' and '-' only; blank lines and CR before LF are
// ignored. Anything else is e4index naming the file and the line.
#ifndef TBENGINE_CGP_H
#define TBENGINE_CGP_H

#include <string>
#include <vector>

#include "Status.h"
#include "tbengine/env.h"

namespace tbengine {

Status ReadTagGroup(Env* env, const std::string& path, std::vector<std::string>* tags);
// Writes under a temporary name and renames it over path.
Status WriteTagGroup(Env* env, const std::string& path, const std::vector<std::string>& tags);
bool ValidTagName(const std::string& name);

}  // namespace tbengine

#endif  // TBENGINE_CGP_H
