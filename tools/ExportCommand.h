// The data tool's export command:
//   tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR
#ifndef TOOLS_EXPORTCOMMAND_H
#define TOOLS_EXPORTCOMMAND_H

#include <string>
#include <vector>

// As RunDataCommand: true when args name the export, *rc then its exit
// status (0 complete, 1 failed with one line on stderr, 2 unusable
// arguments). The breaks found in the data go to stderr, one line each.
bool RunExportCommand(const std::vector<std::string>& args, int* rc);

#endif
