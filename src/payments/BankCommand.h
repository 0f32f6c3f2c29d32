// `tallowby bank`: bank statements booked as payments without windows.
//
//   tallowby bank [--data DIR] [--dry-run] FILE...
//
// Reads each camt.052/053/054 file, matches its booked credit entries to
// open invoices and books those a matching step decides, once each; lists
// every payment with its invoice and reason, and the rest as open. With
// --dry-run it lists the same and changes nothing.
#ifndef PAYMENTS_BANKCOMMAND_H
#define PAYMENTS_BANKCOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "bank"; exit status 0 when every statement was
// read (whatever was booked), 1 when one could not be read or booked, 2 for
// arguments that cannot be used.
int RunBankCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunBankCommand(int argc, char* argv[]);

// The list a statement's proposal prints: one line a payment (date, amount,
// payer, then the invoice and why, or "open" and why), then the entries
// passed by. Shared with the window's text.
QStringList ProposalLines(const struct StatementProposal& proposal);

#endif  // PAYMENTS_BANKCOMMAND_H
