#include "EngineCommands.h"

bool RunEngineCommand(const std::vector<std::string>&, int*) { return false; }
