// `tallowby report`: builds a report without windows for batch work.
//
//   tallowby report NAME [--data DIR] [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                        [--format text|tab|pdf] --out FILE
//
// NAME is invoices (the invoices of the span), bills (the bills of the span
// with a balance due) or statements (the statements of the customers with
// balances in the span). Without --from/--to the span is what the report
// proposes (today for invoices, the current month otherwise). The output is
// what the report window exports (text, tab) or prints into a PDF file.
#ifndef REPORTS_REPORTCOMMAND_H
#define REPORTS_REPORTCOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "report". Messages go to err. Returns 0 on
// success (also when there was nothing to report: no file is written then),
// 1 when the report failed, 2 for arguments that cannot be used.
// Uses the running QApplication, or makes one (offscreen unless
// QT_QPA_PLATFORM says otherwise) for the time of the command.
int RunReportCommand(const QStringList& args, QTextStream& err);

// main()'s entry: argv[1] is "report"; messages go to standard error.
int RunReportCommand(int argc, char* argv[]);

#endif  // REPORTS_REPORTCOMMAND_H
