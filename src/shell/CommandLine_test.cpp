// The command line of tallowby: the parser in-process, and the program
// itself in a child process without a display.
#include "shell/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Version.h"
#include "einvoice/TestSupport.h"
#include "platform/TestApplication.h"

namespace {

struct Parsed {
  StartOptions options;
  QString out, err;
};

Parsed Parse(QStringList args) {
  args.prepend("/usr/bin/tallowby");
  Parsed p;
  QTextStream out(&p.out), err(&p.err);
  p.options = ParseCommandLine(args, out, err);
  return p;
}

TEST(CommandLineTest, DataFolderAndRememberedFolderAreTaken) {
  Parsed p = Parse({"--data", "/srv/acme"});
  EXPECT_TRUE(p.options.start);
  EXPECT_EQ(p.options.dataDir, "/srv/acme");
  EXPECT_FALSE(p.options.remembered);
  p = Parse({"--remembered"});
  EXPECT_TRUE(p.options.start);
  EXPECT_TRUE(p.options.dataDir.isEmpty());
  EXPECT_TRUE(p.options.remembered);
  p = Parse({});
  EXPECT_TRUE(p.options.start);
  EXPECT_TRUE(p.options.dataDir.isEmpty());
  EXPECT_FALSE(p.options.remembered);
  EXPECT_TRUE(p.out.isEmpty() && p.err.isEmpty());
}

TEST(CommandLineTest, UnusableArgumentsEndWithOneLineAndCode2) {
  for (const QStringList& args : {QStringList{"--bogus"}, QStringList{"--data"},
                                  QStringList{"reprot"}, QStringList{"--data", "x", "--remembered"}}) {
    const Parsed p = Parse(args);
    EXPECT_FALSE(p.options.start) << args.join(' ').toStdString();
    EXPECT_EQ(p.options.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(p.err.count('\n'), 1) << p.err.toStdString();
    EXPECT_TRUE(p.err.startsWith("tallowby: ")) << p.err.toStdString();
    EXPECT_TRUE(p.out.isEmpty());
  }
}

TEST(CommandLineTest, HelpAndVersionGoToStandardOutput) {
  Parsed p = Parse({"--help"});
  EXPECT_FALSE(p.options.start);
  EXPECT_EQ(p.options.exitCode, 0);
  EXPECT_TRUE(p.out.startsWith("Usage: tallowby [options]")) << p.out.toStdString();
  EXPECT_TRUE(p.out.contains("--data <DIR>") && p.out.contains("--remembered") &&
              p.out.contains("tallowby report"))
      << p.out.toStdString();
  p = Parse({"--version"});
  EXPECT_FALSE(p.options.start);
  EXPECT_EQ(p.options.exitCode, 0);
  EXPECT_EQ(p.out, "Tallowby " TALLOWBY_VERSION "\n");
}

// The program without a display: DISPLAY, WAYLAND_DISPLAY and
// QT_QPA_PLATFORM unset.
class ProgramWithoutDisplay : public ::testing::Test {
 protected:
  int run(const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder.path());
    p.start(TB_PROGRAM, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    out = QString::fromLocal8Bit(p.readAllStandardOutput());
    err = QString::fromLocal8Bit(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  }
  QTemporaryDir folder;
  QString out, err;
};

TEST_F(ProgramWithoutDisplay, SaysSoAndEndsWithCode1TouchingNothing) {
  EXPECT_EQ(run({}), 1);
  EXPECT_EQ(err, QString(kNoDisplayMessage) + "\n");
  EXPECT_TRUE(out.isEmpty());
  EXPECT_EQ(run({"--data", folder.path()}), 1);
  EXPECT_EQ(err, QString(kNoDisplayMessage) + "\n");
  EXPECT_TRUE(QDir(folder.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST_F(ProgramWithoutDisplay, HelpVersionAndArgumentErrorsNeedNoDisplay) {
  EXPECT_EQ(run({"--version"}), 0);
  EXPECT_EQ(out, "Tallowby " TALLOWBY_VERSION "\n");
  EXPECT_EQ(run({"--help"}), 0);
  EXPECT_TRUE(out.contains("--remembered")) << out.toStdString();
  EXPECT_EQ(run({"--colour"}), 2);
  EXPECT_TRUE(err.contains("Unknown option 'colour'")) << err.toStdString();
  EXPECT_EQ(run({"--data", folder.filePath("gone")}), 1);
  EXPECT_EQ(err, "tallowby: no such data folder: " + folder.filePath("gone") + "\n");
}

TEST_F(ProgramWithoutDisplay, HelpAndErrorLinesComeInTheLanguageAsked) {
  EXPECT_EQ(run({"--language", "de", "--help"}), 0);
  EXPECT_TRUE(out.startsWith("Aufruf: ") && out.contains("[Optionen]")) << out.toStdString();
  EXPECT_TRUE(out.contains("Befehle, die keine Anzeige brauchen:") &&
              out.contains("Mit den Tabellen in DIR arbeiten.") &&
              out.contains("Zeigt Hilfe zu den Kommandozeilenoptionen an."))
      << out.toStdString();
  EXPECT_EQ(run({"--language=fr", "--help"}), 0);
  EXPECT_TRUE(out.contains("Commandes sans affichage :") &&
              out.contains("Travailler sur les tables de DIR.") &&
              out.contains("Affiche l'aide des options de la ligne de commande."))
      << out.toStdString();
  EXPECT_EQ(run({"--language", "de", "reprot"}), 2);
  EXPECT_EQ(err, "tallowby: unbekannter Befehl reprot (tallowby --help nennt den Aufruf)\n");
  EXPECT_EQ(run({"--language", "fr"}), 1);
  EXPECT_EQ(err, "Tallowby a besoin d'un affichage graphique (DISPLAY ou WAYLAND_DISPLAY n'est "
                 "pas défini).\n");
}

// The European demo folders: what they hold goes out as e-invoices the
// official validators accept, and their bank statement pays the three open
// issued invoices, each found its own way, once.
TEST(EuropeanDemo, ItsEInvoicesAreValidAndItsStatementPaysItsInvoices) {
  QTemporaryDir dir;
  auto run = [](const QString& program, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C.UTF-8");
    p.setProcessEnvironment(env);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << qPrintable(program) << " " << qPrintable(args.join(' ')) << ": "
                               << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
  };
  QList<std::pair<QString, QString>> files;
  for (const QString country : {"de", "fr"}) {
    const QString data = dir.filePath(country);
    run(TB_DATA_TOOL, {"init", "--demo", country, data});
    run(TB_DATA_TOOL, {"check", data});
    const QString statement = data + (country == "de" ? "/Kontoauszug-camt053.xml" : "/releve-camt053.xml");
    const QString proposed = run(TB_PROGRAM, {"bank", "--data", data, "--dry-run", statement});
    for (const char* line : {": invoice 1007 (", ": invoice 1008 (", ": invoice 1009 (", "50.00", ": open ("})
      EXPECT_TRUE(proposed.contains(line)) << line << " in " << proposed.toStdString();
    EXPECT_TRUE(run(TB_PROGRAM, {"bank", "--data", data, statement}).contains("  3 payment"));
    EXPECT_EQ(run(TB_PROGRAM, {"bank", "--data", data, statement}).count("booked before"), 3);
    // A domestic business with a buyer reference, one abroad, the reverse
    // charge, and the credit note.
    for (const QString invoice : {"1001", "1004", "1005", "1013"}) {
      const QString format = country == "de" ? "xrechnung" : "facturx";
      const QString out = dir.filePath(country + invoice + (country == "de" ? ".xml" : ".pdf"));
      run(TB_PROGRAM, {"einvoice", "--data", data, "--invoice", invoice, "--format", format, "--out", out});
      files.append({out, format});
    }
  }
  ExpectAllValid(files);
}

}  // namespace
