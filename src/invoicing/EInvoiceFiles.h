// Saving invoices as e-invoices: the invoice as the tables hold it, mapped
// and checked (einvoice/EInvoiceBuild), written in the chosen format: the
// CII XML (XRechnung), the UBL XML (Peppol), or the printed invoice as a
// Factur-X PDF carrying its CII XML. Every file is written beside its name
// and put in its place only once complete.
//
// Preconditions: the tables of an invoice are open (OpenInvoiceTables).
#ifndef INVOICING_EINVOICEFILES_H
#define INVOICING_EINVOICEFILES_H

#include <QList>
#include <QString>
#include <QStringList>

#include "einvoice/EInvoiceBuild.h"

// "facturx", "xrechnung", "ubl": the format's word on the command line.
QString FormatWord(EInvoiceFormat format);
bool FormatOfWord(const QString& word, EInvoiceFormat* format);
// "pdf" or "xml".
QString FileSuffix(EInvoiceFormat format);
// The file an invoice is saved as: "1060.pdf", "1060-xrechnung.xml",
// "1060-peppol.xml"; the two XML formats apart, so neither is taken for the other.
QString EInvoiceFileName(long number, EInvoiceFormat format);
// A line of the invoices that were not saved: "invoice 1007: " and why.
QString RefusedInvoice(long number, const QString& why);

// Loads the invoice on the current INV5 record into the working copy and
// maps it for format.
EInvoiceBuilt EInvoiceOfRecord(EInvoiceFormat format);
// Writes built into path; a Factur-X file prints the invoice in the working
// copy (as EInvoiceOfRecord left it). False, with *why, when the file could
// not be written; an older file of that name is then as it was.
bool WriteEInvoice(const EInvoiceBuilt& built, EInvoiceFormat format, const QString& path,
                   QString* why);

// Saves the invoices numbered in invoices (in that order) into folder, one
// file each named by its number ("1007.pdf"). What could not be written,
// one line each ("invoice 1007: ..."); the others are written. progress is
// told after each invoice (done, of total).
QStringList SaveEInvoices(const QList<long>& invoices, EInvoiceFormat format, const QString& folder,
                          const std::function<void(int done, int total)>& progress = {});

// The numbers of the invoices dated from from to to, in date order.
QList<long> InvoicesOfSpan(TDate from, TDate to);

#endif  // INVOICING_EINVOICEFILES_H
