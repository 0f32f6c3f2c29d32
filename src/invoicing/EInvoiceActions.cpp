#include "invoicing/EInvoiceActions.h"

#include <algorithm>
#include <vector>

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QMenu>
#include <QSettings>

#include "data/CustomerLanguage.h"
#include "data/Progress.h"
#include "data/dbFiles.h"
#include "invoicing/EInvoiceFiles.h"
#include "invoicing/InvoiceDocument.h"
#include "platform/Language.h"
#include "platform/MailProgram.h"
#include "platform/Ui.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(EInvoiceActions)
};

const char kFormatKey[] = "EInvoice/Format";

QSettings Remembered() { return QSettings(QStringLiteral("Tallowby"), QStringLiteral("Tallowby")); }

// The editor's working copy, put back as it was when the e-invoice has been
// made from the tables.
class WorkingCopyKept {
 public:
  WorkingCopyKept()
      : invoice_(CurrentInvoice), items_(ItemList), payments_(PaymentList),
        address_(CustomerAddress), customer_(CustBuf), customerRec_(CurrentCustomerRec) {}
  ~WorkingCopyKept() {
    CurrentInvoice = invoice_;
    ItemList = items_;
    PaymentList = payments_;
    CustomerAddress = address_;
    CustBuf = customer_;
    CurrentCustomerRec = customerRec_;
  }
  WorkingCopyKept(const WorkingCopyKept&) = delete;
  WorkingCopyKept& operator=(const WorkingCopyKept&) = delete;

 private:
  InvoiceRecord invoice_;
  QList<ItemRow> items_;
  QList<PaymentRow> payments_;
  QStringList address_;
  CustomerRecord customer_;
  int customerRec_;
};

// Format names, the same in every language.
QString FormatCaption(EInvoiceFormat format) {
  switch (format) {
    case EInvoiceFormat::FacturX: return QStringLiteral("Factur-X / ZUGFeRD (PDF)");  // untranslated
    case EInvoiceFormat::XRechnung: return QStringLiteral("XRechnung (XML)");  // untranslated
    case EInvoiceFormat::Peppol: return QStringLiteral("Peppol BIS Billing (UBL XML)");  // untranslated
  }
  return QString();
}

QString FileFilter(EInvoiceFormat format) {
  return format == EInvoiceFormat::FacturX ? Tr::tr("PDF files (*.pdf)") : Tr::tr("XML files (*.xml)");
}

// An invoice chosen as an e-invoice: its format, its mapping, its number
// and its customer's e-mail address.
struct Chosen {
  EInvoiceFormat format = EInvoiceFormat::FacturX;
  EInvoiceBuilt built;
  long number = 0;
  QString email;
};

// The format asked and the invoice on record rec built for it (into the
// working copy); false when the menu was dismissed or the invoice cannot be
// an e-invoice (which is said).
bool ChooseAndBuild(QWidget* parent, int rec, Chosen* chosen) {
  if (!AskEInvoiceFormat(parent, &chosen->format)) return false;
  d4go(Inv5.d, rec);
  chosen->built = EInvoiceOfRecord(chosen->format);
  chosen->number = CurrentInvoice.IvNo;
  chosen->email = CustBuf.email.trimmed();
  if (chosen->built.problems.isEmpty()) return true;
  const QString crlf = QStringLiteral("\r\n");
  // Each reason on a line of its own, so it begins as a sentence.
  QStringList reasons = chosen->built.problems;
  for (QString& reason : reasons)
    if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
  //: Followed by the reasons, one a line.
  Ui::get().information(Tr::tr("Invoice %1 cannot be saved as an e-invoice:").arg(chosen->number) + crlf +
                        reasons.join(crlf));
  return false;
}

QString FileName(const Chosen& chosen) { return EInvoiceFileName(chosen.number, chosen.format); }

bool Written(const EInvoiceBuilt& built, EInvoiceFormat format, const QString& path) {
  QString why;
  if (WriteEInvoice(built, format, path, &why)) return true;
  Ui::get().information(Tr::tr("The e-invoice was not saved: %1").arg(why));
  return false;
}

}  // namespace

bool AskEInvoiceFormat(QWidget* parent, EInvoiceFormat* format) {
  EInvoiceFormat last = EInvoiceFormat::FacturX;
  FormatOfWord(Remembered().value(kFormatKey).toString(), &last);
  QMenu menu(parent);
  menu.setObjectName(QStringLiteral("EInvoiceFormats"));
  std::vector<std::pair<EInvoiceFormat, const char*>> formats = {
      {EInvoiceFormat::FacturX, "FacturX1"},
      {EInvoiceFormat::XRechnung, "XRechnung1"},
      {EInvoiceFormat::Peppol, "Peppol1"}};
  // The format chosen last comes first, so Enter takes it again.
  std::stable_partition(formats.begin(), formats.end(), [last](const auto& f) { return f.first == last; });
  for (const auto& [f, name] : formats) {
    QAction* action = menu.addAction(FormatCaption(f));
    action->setObjectName(QLatin1String(name));
    action->setData(FormatWord(f));
    if (f == last) menu.setActiveAction(action);
  }
  QAction* chosen = Ui::get().popup(&menu, QCursor::pos());
  if (!chosen || !FormatOfWord(chosen->data().toString(), format)) return false;
  Remembered().setValue(kFormatKey, FormatWord(*format));
  return true;
}

void SaveEInvoiceOfRecord(QWidget* parent, int rec) {
  const WorkingCopyKept kept;
  Chosen chosen;
  if (!ChooseAndBuild(parent, rec, &chosen)) return;
  const QString path =
      Ui::get().saveFileName(parent, Tr::tr("Save E-Invoice"), QDir::home().filePath(FileName(chosen)),
                             FileFilter(chosen.format), FileSuffix(chosen.format));
  if (!path.isEmpty()) Written(chosen.built, chosen.format, path);
}

void MailEInvoiceOfRecord(QWidget* parent, int rec) {
  const WorkingCopyKept kept;
  Chosen chosen;
  if (!ChooseAndBuild(parent, rec, &chosen)) return;
  QString why;
  const QString folder = NewMailFolder(&why);
  if (folder.isEmpty()) {
    Ui::get().information(Tr::tr("The e-invoice was not saved: %1").arg(why));
    return;
  }
  const QString path = QDir(folder).filePath(FileName(chosen));
  if (!Written(chosen.built, chosen.format, path)) return;
  MailDraft draft;
  // An address that could steer the mail program (from an imported order,
  // say) is not handed on: the person fills in the recipient.
  const bool plain = IsPlainMailAddress(chosen.email);
  if (plain) draft.to = chosen.email;
  {
    // The subject goes to the customer with the invoice: in its language.
    const DocumentLanguage language(CustomerLanguage(CurrentInvoice.CuNo));
    //: The subject of the e-mail that carries an e-invoice; %1 is the invoice's number.
    draft.subject = chosen.built.invoice.creditNote ? Tr::tr("Credit Note %1").arg(chosen.number)
                                                    : Tr::tr("Invoice %1").arg(chosen.number);
  }
  draft.attachment = path;
  if (!OpenMailProgram(draft, &why)) {
    //: %1 a file, %2 why the mail program could not be opened.
    Ui::get().information(Tr::tr("The e-invoice was saved as %1, but %2.").arg(path, why));
  } else if (!plain && !chosen.email.isEmpty()) {
    //: %1 the customer's number, %2 the address as stored.
    Ui::get().information(Tr::tr("The e-mail address of customer %1 is not a plain address "
                                 "(one \"@\", no blanks, no \"mailto:\", \"?\", \"&\", \"%\" or line "
                                 "break, not beginning with \"-\"): %2\r\nThe message was opened without "
                                 "a recipient; fill it in there, and correct the address in the "
                                 "customer's window.")
                              .arg(QString::number(CurrentInvoice.CuNo), chosen.email.simplified()));
  }
}

void SaveEInvoicesIntoFolder(const QList<long>& invoices) {
  if (invoices.isEmpty()) {
    Ui::get().information(Tr::tr("No invoices to save."));
    return;
  }
  EInvoiceFormat format;
  if (!AskEInvoiceFormat(nullptr, &format)) return;
  const QString folder = Ui::get().folderName(nullptr, Tr::tr("Save E-Invoices into Folder"),
                                              QDir::homePath());
  if (folder.isEmpty()) return;
  QStringList refused;
  {
    ProgressShown progress(Tr::tr("Saving e-invoices..."));
    refused = SaveEInvoices(invoices, format, folder,
                            [&](int done, int total) { progress.recordDone(done - 1, total); });
  }
  const int written = int(invoices.size() - refused.size());
  //: %1 saved of %2 invoices, %3 the folder.
  QString text = Tr::tr("%1 of %2 e-invoices saved in %3.")
                     .arg(QString::number(written), QString::number(invoices.size()),
                          QDir::toNativeSeparators(folder));
  const QString crlf = QStringLiteral("\r\n");
  //: Followed by the invoices not saved, one a line.
  if (!refused.isEmpty()) text += crlf + Tr::tr("Not saved:") + crlf + refused.join(crlf);
  Ui::get().information(text);
}
