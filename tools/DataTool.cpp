// tallowby-db: a small command-line tool over the engine and the data layer,
// for users, support and tests. What other programs read (dump, keys, seek,
// check's lines per problem) is stable and English; the usage, --help and
// the error lines are in the user's language (--language, else the choice
// made in the program's preferences, else the desktop's).
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "DataCommands.h"
#include "EngineCommands.h"
#include "ExportCommand.h"
#include "Version.h"
#include "platform/Language.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(DataTool)
};

// One line of the usage: the command as typed, and what it does.
struct UsageLine {
  const char* syntax;
  const char* text;
};

const UsageLine kUsageLines[] = {
    {"dump TABLE.dbf", QT_TRANSLATE_NOOP("DataTool", "one JSON object per record")},
    {"     [--unmasked]", QT_TRANSLATE_NOOP("DataTool", "(card numbers whole, for a repair)")},
    {"index TABLE.dbf OUT.ntx \"EXPR\"", QT_TRANSLATE_NOOP("DataTool", "build one index file")},
    {"keys FILE.ntx", QT_TRANSLATE_NOOP("DataTool", "index entries in order: recno TAB key")},
    {"seek TABLE.dbf FILE.ntx KEY", QT_TRANSLATE_NOOP("DataTool", "seek result and record number")},
    {"check DIR", QT_TRANSLATE_NOOP("DataTool", "verify every table and index of a folder")},
    {"pack TABLE.dbf", QT_TRANSLATE_NOOP("DataTool", "remove deleted records")},
    {"repair TABLE.dbf",
     QT_TRANSLATE_NOOP("DataTool", "set a record count left too small by another program")},
    {"init [--demo [de|fr]] DIR",
     QT_TRANSLATE_NOOP("DataTool", "write the supplied tables (and a sample business)")},
    {"reindex DIR", QT_TRANSLATE_NOOP("DataTool", "rebuild every index file and tag group")},
    {"backup DATADIR TARGETDIR",
     QT_TRANSLATE_NOOP("DataTool", "copy the tables into TARGETDIR (verified)")},
    {"restore DATADIR SOURCEDIR",
     QT_TRANSLATE_NOOP("DataTool", "replace the tables by a backup, all or nothing")},
    {"        [--settings]", QT_TRANSLATE_NOOP("DataTool", "(the settings too)")},
    {"        [--unchecked]",
     QT_TRANSLATE_NOOP("DataTool", "(a backup without a list of its files, unchecked)")},
    {"convert DATADIR OLDDIR",
     QT_TRANSLATE_NOOP("DataTool", "replace the business data by the earlier generation's")},
    {"export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR",
     QT_TRANSLATE_NOOP("DataTool", "every table into SQLite, a PostgreSQL script or CSV files")},
    {"--language LANG",
     QT_TRANSLATE_NOOP("DataTool", "messages and help in LANG: de, fr or en (anywhere in the line)")},
};

void Usage(std::FILE* to) {
  // The descriptions start in one column whatever their language; a
  // command too long for it has its description on the next line.
  constexpr int kColumn = 37;
  //: The start of the usage lines, followed by the command line.
  const QString usage = Tr::tr("usage:") + ' ';
  QString text = usage + "tallowby-db COMMAND ARGS\n" + QString(usage.size(), ' ') +
                 "tallowby-db --help | --version\n";
  for (const UsageLine& line : kUsageLines) {
    QString syntax = "  " + QString::fromUtf8(line.syntax);
    syntax = syntax.size() < kColumn ? syntax.leftJustified(kColumn) : syntax + '\n' + QString(kColumn, ' ');
    text += syntax + QCoreApplication::translate("DataTool", line.text) + '\n';
  }
  std::fputs(text.toUtf8().constData(), to);
}

// The arguments without --language and its value, which main has used.
std::vector<std::string> Arguments(int argc, char** argv, bool* languageGiven) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--language") == 0) {
      *languageGiven = true;
      ++i;
    } else if (std::strncmp(argv[i], "--language=", 11) == 0) {
      *languageGiven = true;
    } else {
      args.emplace_back(argv[i]);
    }
  }
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  // For the translations: the language comes first, so that --help is in it.
  QCoreApplication application(argc, argv);
  const QString language = LanguageOption(argc, argv);
  UseLanguage(ChooseLanguage(language));
  bool languageGiven = false;
  const std::vector<std::string> args = Arguments(argc, argv, &languageGiven);
  if (languageGiven && !IsLanguageCode(language)) {
    std::fprintf(stderr, "tallowby-db: %s\n",
                 Tr::tr("unknown language %1 (de, fr or en)").arg(language).toUtf8().constData());
    return 2;
  }
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
