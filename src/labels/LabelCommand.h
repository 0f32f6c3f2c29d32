// `tallowby labels`: prints address labels into a PDF file without windows,
// for a person printing a sheet from a script.
//
//   tallowby labels KIND [--data DIR] --stock NAME [--column C] [--row R]
//                        [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//                        [--groups N,N,...|all] [--customers N,N,...] --out FILE.pdf
//
// KIND is customers (the customers given by --customers, in that order, as
// if picked one by one), invoices (the customers of the invoices of the
// span), past-due (of the span's invoices with an amount due), statements
// (the customers with such invoices), groups (the members of --groups) or
// batch (the customers of the data folder's BatchLab.dat). The labels are
// drawn by the generator the windows use, on a PDF printer at high
// resolution, from column C and row R of the stock NAME.
#ifndef LABELS_LABELCOMMAND_H
#define LABELS_LABELCOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "labels". Messages go to err, help and version to
// out. Returns 0 on success (also when nothing was selected: no file is
// written then), 1 when printing failed or the program said why it could not
// print, 2 for arguments that cannot be used. Uses the running QApplication,
// or makes one (offscreen unless QT_QPA_PLATFORM says otherwise).
int RunLabelCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// main()'s entry: argv[1] is "labels".
int RunLabelCommand(int argc, char* argv[]);

#endif  // LABELS_LABELCOMMAND_H
