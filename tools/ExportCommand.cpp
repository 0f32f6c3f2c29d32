#include "ExportCommand.h"

#ifdef TB_HAVE_EXPORT

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "DataCommands.h"
#include "data/CodeBase.h"
#include "export/DataExport.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ExportCommand)
};

// Reads the options into *request; 0 to go on, -1 when --help or
// --version was answered, 2 for unusable arguments (the line printed).
int ParseExport(const std::vector<std::string>& args, QString* dataDir, ExportRequest* request) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      Tr::tr("Exports every table of DATADIR into a SQLite database, a PostgreSQL script or CSV files."));
  parser.addPositionalArgument("DATADIR", Tr::tr("the data folder"));
  const QCommandLineOption sqlite("sqlite", Tr::tr("Write a SQLite database."), "FILE.db");
  const QCommandLineOption postgres("postgres", Tr::tr("Write a script for psql."), "FILE.sql");
  const QCommandLineOption csv("csv", Tr::tr("Write one CSV file per table into the folder."), "DIR");
  parser.addOptions({sqlite, postgres, csv});
  if (const int rc = ParseCommand(&parser, args)) return rc;
  const QString usage =
      Tr::tr("usage: tallowby-db export DATADIR --sqlite FILE.db | --postgres FILE.sql | --csv DIR");
  int chosen = 0;
  for (const auto& [option, format] : {std::pair{&sqlite, ExportFormat::Sqlite},
                                       std::pair{&postgres, ExportFormat::Postgres},
                                       std::pair{&csv, ExportFormat::Csv}}) {
    if (!parser.isSet(*option)) continue;
    ++chosen;
    request->format = format;
    request->target = QDir(parser.value(*option)).absolutePath();
  }
  if (parser.positionalArguments().size() != 1 || chosen != 1) {
    Fail(usage);
    return 2;
  }
  *dataDir = QDir(parser.positionalArguments().first()).absolutePath();
  return 0;
}

int Export(const std::vector<std::string>& args) {
  QString dataDir;
  ExportRequest request;
  if (const int rc = ParseExport(args, &dataDir, &request)) return rc < 0 ? 0 : rc;
  if (!ReadyDataFolder(dataDir)) return 1;
  const ExportOutcome outcome = ExportData(request);
  EndEngine();
  // A failure is one line; the breaks in the data are told only with a
  // complete export.
  if (!outcome.done) return Fail(Tr::tr("export failed: %1").arg(outcome.error));
  for (const QString& finding : outcome.findings) Fail("export: " + finding);
  return 0;
}

}  // namespace

bool RunExportCommand(const std::vector<std::string>& args, int* rc) {
  if (args.empty() || args[0] != "export") return false;
  *rc = Export(args);
  return true;
}

#else

bool RunExportCommand(const std::vector<std::string>&, int*) { return false; }

#endif
