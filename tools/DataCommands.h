// Data tool commands that need the data layer: init, reindex.
#ifndef TOOLS_DATACOMMANDS_H
#define TOOLS_DATACOMMANDS_H

#include <string>
#include <vector>

// As RunEngineCommand.
bool RunDataCommand(const std::vector<std::string>& args, int* rc);

#endif
