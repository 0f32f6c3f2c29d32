// tallowby-db: a small command-line tool over the engine and the data layer,
// for users, support and tests. Output is stable and machine-readable.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "DataCommands.h"
#include "EngineCommands.h"
#include "ExportCommand.h"
#include "Version.h"

static void Usage(std::FILE* to) {
  std::fputs(
      "usage: tallowby-db COMMAND ARGS\n"
      "       tallowby-db --help | --version\n"
      "  dump TABLE.dbf                     one JSON object per record\n"
      "  index TABLE.dbf OUT.ntx \"EXPR\"     build one index file\n"
      "  keys FILE.ntx                      index entries in order: recno TAB key\n"
      "  seek TABLE.dbf FILE.ntx KEY        seek result and record number\n"
      "  check DIR                          verify every table and index of a folder\n"
      "  pack TABLE.dbf                     remove deleted records\n"
      "  repair TABLE.dbf                   set a record count left too small by another program\n"
      "  init [--demo] DIR                  write the supplied tables (and a sample business)\n"
      "  reindex DIR                        rebuild every index file and tag group\n"
      "  backup DATADIR TARGETDIR           copy the tables into TARGETDIR (verified)\n"
      "  restore DATADIR SOURCEDIR          replace the tables by a backup, all or nothing\n"
      "          [--settings]               (the settings too)\n"
      "  convert DATADIR OLDDIR             replace the business data by the earlier generation's\n"
      "  export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR\n"
      "                                     every table into SQLite, a PostgreSQL script or CSV files\n",
      to);
}

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    Usage(stderr);
    return 2;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    Usage(stdout);
    return 0;
  }
  if (args[0] == "--version") {
    std::puts("tallowby-db " TALLOWBY_VERSION);
    return 0;
  }
  int rc = 0;
  if (!PrepareDataCommand(args, &rc)) return rc;
  // Nothing is written under a running program.
  std::shared_ptr<void> hold;
  if (!HoldFolderWritten(args, &hold)) return 1;
  if (RunEngineCommand(args, &rc)) return rc;
  if (RunDataCommand(args, &rc)) return rc;
  if (RunExportCommand(args, &rc)) return rc;
  Usage(stderr);
  return 2;
}
