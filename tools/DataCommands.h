// Data tool commands that need the data layer: init, reindex, backup,
// restore, convert.
#ifndef TOOLS_DATACOMMANDS_H
#define TOOLS_DATACOMMANDS_H

#include <string>
#include <vector>

// As RunEngineCommand.
bool RunDataCommand(const std::vector<std::string>& args, int* rc);

// Before any command on a data folder (check, reindex): a restore or
// conversion cut short there is finished or undone. False, *rc set, when the
// folder cannot be put in order.
bool PrepareDataCommand(const std::vector<std::string>& args, int* rc);

#endif
