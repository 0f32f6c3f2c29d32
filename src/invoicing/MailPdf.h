// A document for a customer mailed as a PDF (a quote, a reminder): saved in
// a new mail folder, then handed to the mail program with its subject, both
// subject and file name in the customer's language, addressed to the
// customer where the address is a plain one (one that cannot steer the
// mail program). Each failure is said with the caller's own texts.
#ifndef INVOICING_MAILPDF_H
#define INVOICING_MAILPDF_H

#include <QString>
#include <functional>

struct PdfMail {
  long customer = 0;
  std::function<QString()> subject, fileName;  // called in the customer's language
  std::function<bool(const QString& path)> save;
  QString address;    // as stored
  QString noFolder;   // "%1": why no mail folder could be made
  QString notSaved;   // "%1": the folder
  QString notMailed;  // "%1": the file, "%2": why the mail program did not take it
};

// True once the mail program has the message.
bool MailPdf(const PdfMail& mail);

#endif  // INVOICING_MAILPDF_H
