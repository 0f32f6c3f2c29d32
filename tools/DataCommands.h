// Data tool commands that need the data layer: init, reindex, backup,
// restore, convert; the folder lock of the commands that write.
#ifndef TOOLS_DATACOMMANDS_H
#define TOOLS_DATACOMMANDS_H

#include <memory>
#include <string>
#include <vector>

// As RunEngineCommand.
bool RunDataCommand(const std::vector<std::string>& args, int* rc);

// Before any command on a data folder (check, reindex): a restore or
// conversion cut short there is finished or undone. False, *rc set, when the
// folder cannot be put in order.
bool PrepareDataCommand(const std::vector<std::string>& args, int* rc);

// A command that writes (pack, index, init, reindex) holds the folder it
// writes into for its run, in *hold, as the program does; false, with one
// line on stderr, while the program or another command holds it. Commands
// that only read hold nothing and always go ahead.
bool HoldFolderWritten(const std::vector<std::string>& args, std::shared_ptr<void>* hold);

#endif
