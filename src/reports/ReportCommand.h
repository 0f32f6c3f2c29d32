// `tallowby report`: builds a report without windows for batch work.
//
//   tallowby report NAME [--data DIR] [selection options] [--format text|tab|pdf] --out FILE
//
// NAME is one of the reports of ReportCatalog(); `tallowby report --help`
// lists them with the selection options each takes (--from/--to, the span;
// --customers, --groups, --product; --asof, the day the inventory is valued
// as of; --method fifo|lifo, the stock valuation for this run, the stored
// setting left as it is). Without --from/--to the span is what the report
// proposes (today for invoices, the current month otherwise). The output is
// what the report window exports (text, tab) or prints into a PDF file.
#ifndef REPORTS_REPORTCOMMAND_H
#define REPORTS_REPORTCOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "report"; as RunBatchCommand.
int RunReportCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// main()'s entry: argv[1] is "report"; output to standard output and error.
int RunReportCommand(int argc, char* argv[]);

#endif  // REPORTS_REPORTCOMMAND_H
