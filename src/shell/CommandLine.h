// The command line of `tallowby` itself (its subcommands, such as
// `tallowby report`, parse their own): --help, --version, --data DIR and
// --remembered, and whether a display is there to open windows on.
#ifndef SHELL_COMMANDLINE_H
#define SHELL_COMMANDLINE_H

#include <QString>
#include <QStringList>
#include <QTextStream>

struct StartOptions {
  // False when the program is to end at once with exitCode (after --help,
  // --version or an unusable argument).
  bool start = true;
  int exitCode = 0;
  // --data DIR: the folder to work in, instead of the current directory.
  QString dataDir;
  // --remembered: work in the company folder chosen at an earlier start,
  // asking for one the first time (the desktop launcher starts so).
  bool remembered = false;
};

// args as main() gets them, the program's name first. Help and version go
// to out; an unusable argument is one line on err (exit code 2).
StartOptions ParseCommandLine(const QStringList& args, QTextStream& out, QTextStream& err);

// True when windows can be opened: DISPLAY or WAYLAND_DISPLAY is set, or
// QT_QPA_PLATFORM names a platform that needs neither (offscreen, vnc, ...).
bool DisplayAvailable();

// The one line said when there is no display (translated in the context
// "CommandLine").
inline constexpr const char* kNoDisplayMessage = QT_TRANSLATE_NOOP(
    "CommandLine", "Tallowby needs a graphical display (DISPLAY or WAYLAND_DISPLAY is not set).");

#endif  // SHELL_COMMANDLINE_H
