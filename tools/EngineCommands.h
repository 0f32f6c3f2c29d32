// Data tool commands that need only the engine: dump, index, keys, seek,
// check, pack.
#ifndef TOOLS_ENGINECOMMANDS_H
#define TOOLS_ENGINECOMMANDS_H

#include <string>
#include <vector>

// Runs args[0] when it is one of these commands: returns true and sets *rc
// (0 success, 1 problems found or failure, 2 bad usage). False otherwise.
bool RunEngineCommand(const std::vector<std::string>& args, int* rc);

#endif
