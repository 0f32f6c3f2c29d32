// The commands that make a document without windows (`tallowby report`,
// `tallowby labels`, and those still to come) share this runner:
//
//   options -> the command's request -> its builder -> a sink -> the file
//
// The runner parses the command line (with --data, --out, --help and
// --version for every command), then, in an offscreen application with no
// one at the screen: finishes or undoes a restore or conversion cut short
// in the data folder, starts the engine once with the fatal hook installed
// once, rebuilds missing index files, reads the settings and the report
// font, lets the command build into its output, and ends (or, after a
// failure, abandons) the engine. The output is written beside the target
// and put in its place only once complete; an older file of that name
// stays as it was when the command fails or has nothing to write.
#ifndef PRINTING_BATCHRUNNER_H
#define PRINTING_BATCHRUNNER_H

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QTextStream>
#include <functional>
#include <memory>

#include "platform/Dates.h"

class QCommandLineParser;
class QIODevice;
class QPrinter;

// Where a command writes: a text file or a PDF print job, beside the
// target; or files the command writes itself (each beside its name and
// renamed into place), into the target or into the folder it names.
class BatchOutput {
 public:
  enum class Kind { Text, Pdf, Files };
  BatchOutput(const QString& target, Kind kind);
  ~BatchOutput();
  BatchOutput(const BatchOutput&) = delete;
  BatchOutput& operator=(const BatchOutput&) = delete;

  Kind kind() const { return kind_; }
  const QString& target() const { return target_; }
  // Kind::Text: the file, open for writing (nothing of it shows under the
  // target's name before commit()).
  QIODevice* file();
  // Kind::Pdf: the printer (the selected printer, printing into the file
  // beside the target); its print job must have ended before commit().
  QPrinter* printer();
  // Puts what was written in place of the target. False, with *why, when it
  // could not be written in full. Nothing written leaves the target as it
  // was, and is no failure. Once is enough: a second call does nothing.
  bool commit(QString* why);
  // What to run once the output is in place after a build that is Done,
  // with the engine still started (a document for customers issues its
  // invoices then).
  void setDelivered(std::function<void()> delivered) { delivered_ = std::move(delivered); }
  const std::function<void()>& delivered() const { return delivered_; }

 private:
  struct Impl;
  Kind kind_;
  bool committed_ = false;
  std::function<void()> delivered_;
  QString target_;
  std::unique_ptr<Impl> impl_;
};

// How a command's build went.
struct BatchResult {
  enum class Kind {
    Done,      // the output holds the document
    Nothing,   // nothing to write: message says so (exit status 0, no file)
    Failed,    // message says why (exit status 1)
    Unusable,  // an argument names nothing in the data (exit status 2)
  };
  Kind kind = Kind::Done;
  QString message;
};

struct BatchCommand {
  QString name;              // the word after "tallowby"
  QString usage;             // the usage line, after "usage: "
  QString description;       // what --help says first
  QString positional;        // the name of its one positional argument ("NAME", "KIND")
  QString positionalHelp;
  QList<QCommandLineOption> options;  // besides --data, --out, --help and --version
  QString moreHelp;                   // said at the end of --help
  // Reads the parsed options into the command's request; false with *error
  // when they cannot be used (exit status 2).
  std::function<bool(const QCommandLineParser& parser, QString* error)> read;
  // The output the request wants (asked after read).
  std::function<BatchOutput::Kind()> outputKind;
  // Builds the document into output; runs with the engine started on the
  // data folder and the settings read.
  std::function<BatchResult(BatchOutput& output)> build;
};

// Runs command with args (the words after its name): --help and --version
// to out, every other message to err, each line beginning "tallowby NAME: ".
// Returns 0 on success (also when there was nothing to write), 1 when the
// command failed or the program said why it could not do it, 2 for
// arguments that cannot be used. Uses the running QApplication, or makes
// one (offscreen unless QT_QPA_PLATFORM says otherwise) for the command.
int RunBatchCommand(const BatchCommand& command, const QStringList& args, QTextStream& out,
                    QTextStream& err);
// main()'s entry: argv[1] is the command's name; output to standard output
// and error.
int RunBatchCommand(const BatchCommand& command, int argc, char* argv[]);

// The dates of the command line: YYYY-MM-DD, any day the program can store
// (years 1900 to 9999). False with *error naming option otherwise.
bool ParseDateOption(const QString& option, const QString& text, TDate* date, QString* error);
// A comma-separated list of whole numbers from 1 to max.
bool ParseNumberList(const QString& option, const QString& text, long max, QList<long>* numbers,
                     QString* error);

#endif  // PRINTING_BATCHRUNNER_H
