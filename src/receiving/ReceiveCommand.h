// `tallowby receive`: received e-invoices read without windows.
//
//   tallowby receive --show FILE
//
// Reads FILE (CII or UBL XML, or a Factur-X / ZUGFeRD PDF), checks it as a
// recipient does and prints its terms and the findings as JSON
// (ReceivedJson). Nothing is written anywhere.
#ifndef RECEIVING_RECEIVECOMMAND_H
#define RECEIVING_RECEIVECOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "receive"; exit status 0 for a file read as an
// e-invoice (whatever the findings), 1 with one line on err for one that is
// not (unreadable, no e-invoice, damaged, refused, too large), 2 for
// arguments that cannot be used.
int RunReceiveCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunReceiveCommand(int argc, char* argv[]);

#endif  // RECEIVING_RECEIVECOMMAND_H
