// The frame of a tallowby command that parses its own words (bank, recur,
// receive): the options every such command takes (--help, --version,
// --data, --language), its one-line messages "tallowby NAME: ..." on
// standard error, and the usage line after a refusal (exit status 2).
#ifndef PLATFORM_SUBCOMMANDPARSER_H
#define PLATFORM_SUBCOMMANDPARSER_H

#include <QCommandLineParser>
#include <QString>
#include <QTextStream>
#include <optional>

class SubcommandParser {
 public:
  // usage: the command with its arguments, as the usage line shows it.
  SubcommandParser(const QString& name, const QString& usage, const QString& description, QTextStream& out,
                   QTextStream& err);

  QCommandLineParser& parser() { return parser_; }
  // Parses args (the words after the command's name): the exit status when
  // the command ends here (--help or --version: 0; arguments it cannot use:
  // 2), nothing when it goes on.
  std::optional<int> parse(const QStringList& args);

  // One line on standard error.
  void say(const QString& text) const;
  // Says text, then the usage line; 2.
  int unusable(const QString& text) const;
  // The --data folder, the current folder without it.
  QString dataFolder() const;

 private:
  QString name_, usage_;
  QTextStream& out_;
  QTextStream& err_;
  QCommandLineParser parser_;
  QCommandLineOption help_, version_;
};

#endif  // PLATFORM_SUBCOMMANDPARSER_H
