#include "DataCommands.h"

bool RunDataCommand(const std::vector<std::string>&, int*) { return false; }
