// `tallowby recur`: the repeating invoices without windows.
//
//   tallowby recur [--data DIR] [--until YYYY-MM-DD] [--dry-run]
//   tallowby recur [--data DIR] --list
//   tallowby recur [--data DIR] --repeat INVOICE --every weekly|monthly|quarterly|yearly
//                  --first YYYY-MM-DD [--day N] [--end YYYY-MM-DD] [--times N] [--issue]
//   tallowby recur [--data DIR] --pause|--resume|--stop SCHEDULE
//
// The first makes every invoice due by today (or --until) and lists them;
// --dry-run lists them and changes nothing.
#ifndef INVOICING_RECURCOMMAND_H
#define INVOICING_RECURCOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "recur"; exit status 0 on success, 1 when the
// folder or an invoice could not be read or written, 2 for arguments that
// cannot be used.
int RunRecurCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunRecurCommand(int argc, char* argv[]);

#endif  // INVOICING_RECURCOMMAND_H
