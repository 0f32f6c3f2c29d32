#include "DataCommands.h"

#ifdef TB_HAVE_DATA

#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "DemoBusiness.h"
#include "data/CodeBase.h"
#include "data/FolderLock.h"
#include "data/SupplyTables.h"
#include "data/dbFiles.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "tallowby-db: %s\n", qPrintable(message));
  return 1;
}

// init [--demo] DIR
int Init(const std::vector<std::string>& args) {
  const bool demo = args.size() == 3 && args[1] == "--demo";
  if (args.size() != (demo ? 3u : 2u) || args.back().rfind("--", 0) == 0) return 2;
  const QString dir = QString::fromStdString(args.back());
  if (!QDir().mkpath(dir)) return Fail(dir + ": cannot create the folder");
  QString error;
  if (!WriteSuppliedTables(dir, &error)) return Fail(error);
  if (demo && !WriteDemoBusiness(dir, &error)) return Fail(error);
  return 0;
}

// reindex DIR: the program's own "Reindex Data Files".
int Reindex(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  const QString dir = QString::fromStdString(args[1]);
  StartEngine(dir);
  if (!DataFilesPresent()) {
    EndEngine();
    return Fail(dir + ": not a data folder (tables missing)");
  }
  RebuildIndexes(false);
  EndEngine();
  return 0;
}

}  // namespace

bool RunDataCommand(const std::vector<std::string>& args, int* rc) {
  if (args.empty()) return false;
  if (args[0] == "init") {
    *rc = Init(args);
  } else if (args[0] == "reindex") {
    *rc = Reindex(args);
  } else {
    return false;
  }
  return *rc != 2;  // bad usage: the caller prints the usage
}

// The folder a command writes into; empty for a command that only reads.
static QString FolderWritten(const std::vector<std::string>& args) {
  const auto arg = [&](size_t i) { return QString::fromStdString(args[i]); };
  const std::string& name = args.empty() ? std::string() : args[0];
  if (name == "pack" && args.size() == 2) return QFileInfo(arg(1)).absolutePath();
  if (name == "index" && args.size() == 4) return QFileInfo(arg(2)).absolutePath();
  if ((name == "init" || name == "reindex") && args.size() >= 2) return arg(args.size() - 1);
  return QString();
}

bool HoldFolderWritten(const std::vector<std::string>& args, std::shared_ptr<void>* hold) {
  const QString folder = FolderWritten(args);
  if (folder.isEmpty()) return true;
  QString error;
  std::shared_ptr<FolderLock> lock = HoldFolderForWriting(folder, &error);
  if (!lock) {
    Fail(error);
    return false;
  }
  *hold = lock;
  return true;
}

#else

bool RunDataCommand(const std::vector<std::string>&, int*) { return false; }

bool HoldFolderWritten(const std::vector<std::string>&, std::shared_ptr<void>*) { return true; }

#endif
