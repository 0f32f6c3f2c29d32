#include "DataCommands.h"

#ifdef TB_HAVE_DATA

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <memory>
#include <vector>

#include "DemoBusiness.h"
#include "Version.h"
#include "platform/UnattendedUi.h"
#include "data/BackupRestore.h"
#include "data/CodeBase.h"
#include "data/EarlierData.h"
#include "data/FolderLock.h"
#include "data/SupplyTables.h"
#include "data/TableSwap.h"
#include "data/FolderHold.h"
#include "data/InvoiceStates.h"
#include "data/ReceivedRegister.h"
#include "data/dbFiles.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(DataCommands)
};
}  // namespace

// One line for a person on stderr.
void Note(const QString& message) { std::fprintf(stderr, "tallowby-db: %s\n", qPrintable(message)); }

int Fail(const QString& message) {
  Note(message);
  return 1;
}

namespace {

// init [--demo [de|fr]] DIR
int Init(const std::vector<std::string>& args) {
  const bool demo = args.size() >= 3 && args[1] == "--demo";
  const std::string country = args.size() == 4 && demo ? args[2] : std::string();
  if (!country.empty() && country != "de" && country != "fr") return 2;
  if (args.size() != (demo ? 3u + !country.empty() : 2u) || args.back().rfind("--", 0) == 0) return 2;
  const QString dir = QString::fromStdString(args.back());
  if (!QDir().mkpath(dir)) return Fail(Tr::tr("%1: cannot create the folder").arg(dir));
  QString error;
  // The American demo shows the earlier program's ways; a new company's
  // issued invoices stay as issued, and so do the European demo's.
  if (!WriteSuppliedTables(dir, &error, !demo || !country.empty())) return Fail(error);
  if (!demo) return 0;
  const bool written = country.empty() ? WriteDemoBusiness(dir, &error)
                                       : WriteEuropeanDemo(dir, QString::fromStdString(country), &error);
  return written ? 0 : Fail(error);
}

// reindex DIR: the program's own "Reindex Data Files".
int Reindex(const std::vector<std::string>& args) {
  if (args.size() != 2) return 2;
  const QString dir = QString::fromStdString(args[1]);
  StartEngine(dir);
  if (!DataFilesPresent()) {
    EndEngine();
    return Fail(Tr::tr("%1: not a data folder (tables missing)").arg(dir));
  }
  // The tables added since the earlier program are made where missing, as
  // the program's start makes them, so that the folder is whole afterwards.
  QString error;
  const bool made = MakeMissingTables(&error);
  RebuildIndexes(false);
  EndEngine();
  return made ? 0 : Fail(Tr::tr("%1: the e-invoice tables cannot be made: %2").arg(dir, error));
}

// Before a command opens anything in dir: a restore or conversion cut short
// there is finished or undone, what other cut-short work left is removed,
// and dir is held shared until the tool ends, so no restore or conversion
// changes the tables under the command. False (after the error line) when
// the folder cannot be put in order or another program is restoring there.
bool PutInOrder(const QString& dir) {
  static std::vector<std::unique_ptr<FolderHold>> heldForTheRun;
  auto hold = std::make_unique<FolderHold>();
  QString reason;
  switch (FinishInterruptedSwap(dir, &reason, hold.get())) {
    case SwapRecovery::Busy:
      Fail(Tr::tr("%1: another program is restoring or converting its data files; nothing was done")
               .arg(dir));
      return false;
    case SwapRecovery::Failed:
      Fail(Tr::tr("%1: an interrupted restore or conversion cannot be completed: %2").arg(dir, reason));
      return false;
    default:
      heldForTheRun.push_back(std::move(hold));
      return true;
  }
}

// The arguments of backup, restore and convert: two folders (restore:
// --settings and --unchecked too).
struct FolderArgs {
  QString data, other;
  bool settings = false;
  bool unchecked = false;
};

// Parses "COMMAND DATADIR OTHERDIR" with --help and --version; 0 to go on,
// else the exit code (the usage or version printed).
int ParseFolders(const std::vector<std::string>& args, const QString& otherName,
                 const QString& description, FolderArgs* out, bool takesSettings = false) {
  QCommandLineParser parser;
  const QCommandLineOption settings(
      "settings", Tr::tr("Restore the settings too (letterhead, sales tax, report font, import "
                         "folders, e-invoice details)."));
  const QCommandLineOption unchecked(
      "unchecked", Tr::tr("Restore a backup without a list of its files (made by an earlier "
                          "version), whose files cannot be checked."));
  if (takesSettings) parser.addOptions({settings, unchecked});
  parser.setApplicationDescription(description);
  parser.addPositionalArgument("DATADIR", Tr::tr("the data folder"));
  parser.addPositionalArgument(otherName, Tr::tr("the other folder"));
  if (const int rc = ParseCommand(&parser, args)) return rc;
  const QStringList positional = parser.positionalArguments();
  if (positional.size() != 2) {
    //: %1: the command, %2: the name of its second folder (TARGETDIR, SOURCEDIR, OLDDIR)
    Fail(Tr::tr("usage: tallowby-db %1 DATADIR %2").arg(QString::fromStdString(args[0]), otherName));
    return 2;
  }
  out->data = QDir(positional[0]).absolutePath();
  out->other = QDir(positional[1]).absolutePath();
  out->settings = takesSettings && parser.isSet(settings);
  out->unchecked = takesSettings && parser.isSet(unchecked);
  return 0;
}

}  // namespace

int ParseCommand(QCommandLineParser* parser, const std::vector<std::string>& args) {
  const QCommandLineOption help({"h", "help"}, Tr::tr("Show this help."));
  const QCommandLineOption version("version", Tr::tr("Show the version."));
  parser->addOption(help);
  parser->addOption(version);
  QStringList arguments{"tallowby-db " + QString::fromStdString(args[0])};
  for (size_t i = 1; i < args.size(); ++i) arguments << QString::fromStdString(args[i]);
  if (!parser->parse(arguments)) {
    Fail(parser->errorText());
    return 2;
  }
  if (parser->isSet(help)) {
    // The usage line names the command, not the path the tool was started by.
    QString text = parser->helpText();
    const QString started = QCoreApplication::arguments().value(0);
    const qsizetype at = started.isEmpty() ? -1 : text.indexOf(started);
    if (at >= 0) text.replace(at, started.size(), arguments.first());
    std::fputs(text.toUtf8().constData(), stdout);
    return -1;
  }
  if (parser->isSet(version)) {
    std::puts("tallowby-db " TALLOWBY_VERSION);
    return -1;
  }
  return 0;
}

// A writing command also holds the program's lock, from main.
bool ReadyDataFolder(const QString& dir) {
  if (!QFileInfo(dir).isDir()) return Fail(Tr::tr("%1: no such folder").arg(dir)), false;
  if (!PutInOrder(dir)) return false;
  StartEngine(dir);
  if (!DataFilesPresent()) {
    EndEngine();
    return Fail(Tr::tr("%1: not a data folder (tables missing)").arg(dir)), false;
  }
  return true;
}

namespace {

// The result of a command that showed its messages to ui: 0, or 1 with
// the first message as the error line.
int Outcome(bool ok, const UnattendedUi& ui, const QString& what) {
  EndEngine();
  if (ok) return 0;
  return Fail(what + (ui.messages().isEmpty() ? QString() : ": " + ui.messages().first()));
}

// backup DATADIR TARGETDIR: "Backup Data Files" into TARGETDIR (created when missing).
int Backup(const std::vector<std::string>& args) {
  FolderArgs f;
  if (const int rc = ParseFolders(args, "TARGETDIR", Tr::tr("Copies the tables of DATADIR into TARGETDIR."), &f))
    return rc < 0 ? 0 : rc;
  if (!PutInOrder(f.other) || !ReadyDataFolder(f.data)) return 1;
  if (!QDir().mkpath(f.other)) {
    EndEngine();
    return Fail(Tr::tr("%1: cannot create the folder").arg(f.other));
  }
  UnattendedUi ui;
  return Outcome(BackupDataFiles(f.other), ui, Tr::tr("backup failed"));
}

// restore DATADIR SOURCEDIR [--settings] [--unchecked]: "Restore Data Files"
// from SOURCEDIR, all or nothing; the settings only with --settings, a
// backup without a list of its files only with --unchecked. What the
// restore says beside (tables the backup does not hold) goes to stderr.
int Restore(const std::vector<std::string>& args) {
  FolderArgs f;
  if (const int rc = ParseFolders(args, "SOURCEDIR",
                                  Tr::tr("Replaces the tables of DATADIR by those in SOURCEDIR."), &f, true))
    return rc < 0 ? 0 : rc;
  if (!PutInOrder(f.other) || !ReadyDataFolder(f.data)) return 1;
  UnattendedUi ui;
  if (!f.unchecked && QFileInfo(f.other).isDir() && !SameFolder(f.other, f.data) && !HasBackupList(f.other)) {
    EndEngine();
    return Fail(Tr::tr("restore failed: %1 has no list of its files (a backup made by an earlier "
                       "version), so its files cannot be checked; --unchecked restores it as it is")
                    .arg(f.other));
  }
  const bool ok = RestoreDataFiles(f.other, f.settings, nullptr,
                                   f.unchecked ? ListlessBackup::RestoreUnchecked : ListlessBackup::Refuse);
  if (ok)
    for (const QString& line : ui.messages()) Note(Tr::tr("restore: %1").arg(line));
  return Outcome(ok, ui, Tr::tr("restore failed"));
}

// convert DATADIR OLDDIR: "Import Data from Moorhen version 4 or 5" without
// the warning; the tables are packed afterwards as the button does.
int Convert(const std::vector<std::string>& args) {
  FolderArgs f;
  if (const int rc = ParseFolders(
          args, "OLDDIR",
          Tr::tr("Replaces the business data of DATADIR by the earlier generation's tables in OLDDIR."), &f))
    return rc < 0 ? 0 : rc;
  if (!PutInOrder(f.other) || !ReadyDataFolder(f.data)) return 1;
  UnattendedUi ui;
  ui.answerOk(OverwriteWarning());
  const bool finished = ConvertEarlierData(f.other);
  if (!finished) {
    CloseAll();
    RebuildIndexes(false);
  }
  PackAll();
  return Outcome(finished && ui.messages().isEmpty(), ui, Tr::tr("conversion failed"));
}

}  // namespace

// The folders a command on tables or index files works in: that of each
// file it names, or the folder it names. Backup, restore and convert put
// theirs in order themselves, once their options are read.
static QStringList FoldersWorkedIn(std::vector<std::string> args) {
  if (!args.empty() && args[0] == "dump") std::erase(args, std::string("--unmasked"));
  const auto arg = [&](size_t i) { return QString::fromStdString(args[i]); };
  const auto folderOf = [](const QString& file) { return QFileInfo(file).absolutePath(); };
  const std::string& name = args.empty() ? std::string() : args[0];
  for (size_t i = 1; i < args.size(); ++i)
    if (args[i].rfind("--", 0) == 0 && name != "init") return {};  // --help and the like
  if ((name == "dump" || name == "keys" || name == "pack" || name == "repair") && args.size() == 2)
    return {folderOf(arg(1))};
  if ((name == "index" || name == "seek") && args.size() == 4) return {folderOf(arg(1)), folderOf(arg(2))};
  if ((name == "check" || name == "reindex") && args.size() == 2) return {arg(1)};
  if (name == "init" && args.size() >= 2) return {arg(args.size() - 1)};
  return {};
}

bool PrepareDataCommand(const std::vector<std::string>& args, int* rc) {
  for (const QString& folder : FoldersWorkedIn(args)) {
    if (!PutInOrder(folder)) {
      *rc = 1;
      return false;
    }
  }
  return true;
}

int CheckRecordedContents(const std::string& dir) {
  StartEngine(QString::fromStdString(dir));
  // And are the received files still as they arrived?
  const QStringList lines = ChangedIssuedInvoices() + ArchiveProblems();
  EndEngine();
  for (const QString& line : lines) std::printf("%s\n", qPrintable(line));
  return int(lines.size());
}

bool RunDataCommand(const std::vector<std::string>& args, int* rc) {
  if (args.empty()) return false;
  if (args[0] == "init") {
    *rc = Init(args);
  } else if (args[0] == "reindex") {
    *rc = Reindex(args);
  } else if (args[0] == "backup") {
    *rc = Backup(args);
  } else if (args[0] == "restore") {
    *rc = Restore(args);
  } else if (args[0] == "convert") {
    *rc = Convert(args);
  } else {
    return false;
  }
  // Bad usage: the caller prints the usage (backup, restore and convert
  // print their own).
  return *rc != 2 || args[0] == "backup" || args[0] == "restore" || args[0] == "convert";
}

// The folder a command writes into; empty for a command that only reads.
static QString FolderWritten(const std::vector<std::string>& args) {
  const auto arg = [&](size_t i) { return QString::fromStdString(args[i]); };
  const std::string& name = args.empty() ? std::string() : args[0];
  if ((name == "pack" || name == "repair") && args.size() == 2) return QFileInfo(arg(1)).absolutePath();
  if (name == "index" && args.size() == 4) return QFileInfo(arg(2)).absolutePath();
  if ((name == "init" || name == "reindex") && args.size() >= 2) return arg(args.size() - 1);
  if (name == "restore" || name == "convert") {
    // The data folder: the first folder named, wherever the options are.
    for (size_t i = 1; i < args.size(); ++i)
      if (args[i].rfind("-", 0) != 0) return QDir(arg(i)).absolutePath();
  }
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
int CheckRecordedContents(const std::string&) { return 0; }
bool PrepareDataCommand(const std::vector<std::string>&, int*) { return true; }

bool HoldFolderWritten(const std::vector<std::string>&, std::shared_ptr<void>*) { return true; }

#endif
