// `tallowby einvoice`: saves invoices as e-invoices without windows, for
// scripts and accounting exports.
//
//   tallowby einvoice [--data DIR] (--invoice N[,N...] | --from YYYY-MM-DD --to YYYY-MM-DD)
//                     --format facturx|xrechnung|ubl --out FILE|DIR
//
// One invoice (--invoice with one number): --out is the file. Several: a
// folder (made when missing), one file per invoice named by its number
// (1007.pdf, 1007.xml). Every invoice that can be written is written; each
// refused one is one line on standard error naming what is missing.
#ifndef INVOICING_EINVOICECOMMAND_H
#define INVOICING_EINVOICECOMMAND_H

#include <QStringList>
#include <QTextStream>

// args are the words after "einvoice"; exit status 0 when every file was
// written (also when the span holds no invoice), 1 when one or more were
// refused or could not be written, 2 for arguments that cannot be used.
int RunEInvoiceCommand(const QStringList& args, QTextStream& out, QTextStream& err);
int RunEInvoiceCommand(int argc, char* argv[]);

#endif  // INVOICING_EINVOICECOMMAND_H
