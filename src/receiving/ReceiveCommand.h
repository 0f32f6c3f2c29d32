// `tallowby receive`: received e-invoices read without windows.
//
//   tallowby receive --show FILE
//   tallowby receive --data DIR [--book] FILE...|FOLDER
//
// --show reads FILE (CII or UBL XML, or a Factur-X / ZUGFeRD PDF), checks
// it as a recipient does and prints its terms and the findings as JSON
// (ReceivedJson); nothing is written anywhere. --data keeps each file (a
// folder: its XML and PDF files) in the folder's register and archive
// (ReceiveFiles), one line each on standard output; the same bytes again
// are "already received". --book then books the lines that map to
// products as purchases (ReceivedBooking) and lists the rest.
#ifndef RECEIVING_RECEIVECOMMAND_H
#define RECEIVING_RECEIVECOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "receive"; exit status 0 for a file read as an
// e-invoice (whatever the findings) and, with --data, when every file was
// registered or had been (and booked, with --book); 1 with one line on err
// for each file that is not (unreadable, no e-invoice, damaged, refused,
// too large; booked before); 2 for arguments that cannot be used.
int RunReceiveCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunReceiveCommand(int argc, char* argv[]);

#endif  // RECEIVING_RECEIVECOMMAND_H
