// tallowby-db: a small command-line tool over the engine and the data layer,
// for users, support and tests. Output is stable and machine-readable.
#include <cstdio>
#include <string>
#include <vector>

#include "DataCommands.h"
#include "EngineCommands.h"

static void Usage() {
  std::fputs(
      "usage: tallowby-db COMMAND ARGS\n"
      "  dump TABLE.dbf                     one JSON object per record\n"
      "  index TABLE.dbf OUT.ntx \"EXPR\"     build one index file\n"
      "  keys FILE.ntx                      index entries in order: recno TAB key\n"
      "  seek TABLE.dbf FILE.ntx KEY        seek result and record number\n"
      "  check DIR                          verify every table and index of a folder\n"
      "  pack TABLE.dbf                     remove deleted records\n"
      "  repair TABLE.dbf                   set a record count left too small by another program\n"
      "  init [--demo] DIR                  write the supplied tables (and a sample business)\n"
      "  reindex DIR                        rebuild every index file and tag group\n",
      stderr);
}

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    Usage();
    return 2;
  }
  int rc = 0;
  if (RunEngineCommand(args, &rc)) return rc;
  if (RunDataCommand(args, &rc)) return rc;
  Usage();
  return 2;
}
