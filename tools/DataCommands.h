// Data tool commands that need the data layer: init, reindex, backup,
// restore, convert; the folder put in order before every command, and the
// folder lock of the commands that write.
#ifndef TOOLS_DATACOMMANDS_H
#define TOOLS_DATACOMMANDS_H

#include <memory>
#include <string>
#include <vector>

// As RunEngineCommand.
bool RunDataCommand(const std::vector<std::string>& args, int* rc);

// check's last part: one line on standard output for every issued invoice
// of folder dir changed since it was issued and every received file of its
// archive missing or changed since it was registered; returns their number.
int CheckRecordedContents(const std::string& dir);

// Before any command on a folder or on a table or index file (its folder):
// a restore or conversion cut short there is finished or undone, what other
// cut-short work left is removed, and the folder is held shared until the
// tool ends. False, *rc set, when the folder cannot be put in order or
// another program is restoring there.
bool PrepareDataCommand(const std::vector<std::string>& args, int* rc);

// A command that writes (pack, repair, index, init, reindex, restore,
// convert) holds the folder it writes into for its run, in *hold, as the
// program does; false, with one line on stderr, while the program or
// another command holds it. Commands that only read hold nothing of this
// and go ahead.
bool HoldFolderWritten(const std::vector<std::string>& args, std::shared_ptr<void>* hold);

#ifdef TB_HAVE_DATA
#include <QString>

// "tallowby-db: message" on stderr; returns 1.
int Fail(const QString& message);
// Parses args (args[0] the command) with parser, --help and --version
// added: 0 to go on, -1 when the help or version was printed, 2 for
// unusable arguments (the line printed).
int ParseCommand(class QCommandLineParser* parser, const std::vector<std::string>& args);
// The data folder ready for a command: its tables present, an interrupted
// swap put right, held for the run, the engine started on it. False after
// the error line otherwise.
bool ReadyDataFolder(const QString& dir);
#endif

#endif
