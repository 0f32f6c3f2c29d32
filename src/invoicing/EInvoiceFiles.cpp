#include "invoicing/EInvoiceFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/FacturX.h"
#include "einvoice/UblWriter.h"
#include "invoicing/InvoiceDocument.h"
#include "invoicing/InvoiceState.h"
#include "platform/BesideFile.h"
#include "platform/Language.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfBeside.h"
#include "platform/PrinterChoice.h"
#include "printing/ReportRender.h"
#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(EInvoiceFiles)
};

QByteArray XmlOf(const EInvoice& invoice, EInvoiceFormat format) {
  switch (format) {
    case EInvoiceFormat::XRechnung: return WriteCii(invoice, CiiFlavour::XRechnung);
    case EInvoiceFormat::Peppol: return WriteUbl(invoice);
    case EInvoiceFormat::FacturX: return WriteCii(invoice, CiiFlavour::FacturX);
  }
  return {};
}

bool WriteXml(const QByteArray& xml, const QString& path, QString* why) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(xml) == xml.size() && file.commit()) return true;
  *why = file.errorString();
  return false;
}

// The invoice in the working copy printed as PDF/A-1b into path, on the
// paper of the user's locale, whatever printer the person chose; a failure
// names target, the file the person asked for.
bool PrintPdfA(const EInvoice& invoice, const QString& path, const QString& target, QString* why) {
  std::unique_ptr<QPrinter> printer = PrinterChoice::pdfPrinter(path);
  printer->setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
  {
    // The title a PDF reader shows, in the words of the document.
    const DocumentLanguage language(CustomerLanguage(CurrentInvoice.CuNo));
    //: The printed invoice's title in its PDF file; %1 is the invoice's number.
    printer->setDocName(invoice.creditNote ? Tr::tr("Credit Note %1").arg(invoice.number)
                                           : Tr::tr("Invoice %1").arg(invoice.number));
  }
  printer->setCreator(QStringLiteral("Tallowby"));
  const PrinterChoice::StandIn standIn(std::move(printer));
  DocumentInHand document;
  StartInvoices(KeptLines());
  PrintInvoice(true);
  FinishReport();
  PainterCanvas canvas(PrinterChoice::printer());
  PrintDocument(canvas);
  canvas.end();
  // A full disk cuts the PDF short without the print job saying so.
  QString reason;
  if (PdfWrittenWhole(path, &reason)) return true;
  //: %1 is a file, %2 why ("No space left on device").
  *why = Tr::tr("the invoice could not be printed into %1 (%2)").arg(target, reason);
  return false;
}

bool WriteFacturX(const EInvoiceBuilt& built, const QString& path, QString* why) {
  // Both files are new ones of names nobody could guess, so neither is
  // written through a link someone else placed beside the target.
  const QString printed = CreateFileBeside(path, QStringLiteral(".tbprint"));
  const QString beside = printed.isEmpty() ? QString() : CreateFileBeside(path, QStringLiteral(".tbfx"));
  if (beside.isEmpty()) {
    *why = path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    if (!printed.isEmpty()) QFile::remove(printed);
    return false;
  }
  const bool ok = PrintPdfA(built.invoice, printed, path, why) &&
                  MakeFacturX(printed, XmlOf(built.invoice, EInvoiceFormat::FacturX), beside, why);
  QFile::remove(printed);
  if (ok && std::rename(QFile::encodeName(beside).constData(), QFile::encodeName(path).constData()) == 0)
    return true;
  //: %1 is a file.
  if (ok) *why = Tr::tr("cannot put the file in place of %1").arg(path);
  QFile::remove(beside);
  return false;
}

}  // namespace

QString FormatWord(EInvoiceFormat format) {
  switch (format) {
    case EInvoiceFormat::FacturX: return QStringLiteral("facturx");
    case EInvoiceFormat::XRechnung: return QStringLiteral("xrechnung");
    case EInvoiceFormat::Peppol: return QStringLiteral("ubl");
  }
  return QString();
}

bool FormatOfWord(const QString& word, EInvoiceFormat* format) {
  for (EInvoiceFormat f : {EInvoiceFormat::FacturX, EInvoiceFormat::XRechnung, EInvoiceFormat::Peppol}) {
    if (FormatWord(f) != word) continue;
    *format = f;
    return true;
  }
  return false;
}

QString RefusedInvoice(long number, const QString& why) {
  //: A line of the invoices not saved as e-invoices: %1 the invoice's number, %2 why.
  return Tr::tr("invoice %1: %2").arg(QString::number(number), why);
}

QString FileSuffix(EInvoiceFormat format) {
  return format == EInvoiceFormat::FacturX ? QStringLiteral("pdf") : QStringLiteral("xml");
}

QString EInvoiceFileName(long number, EInvoiceFormat format) {
  QString name = QString::number(number);
  if (format == EInvoiceFormat::XRechnung) name += QStringLiteral("-xrechnung");
  if (format == EInvoiceFormat::Peppol) name += QStringLiteral("-peppol");
  return name + QLatin1Char('.') + FileSuffix(format);
}

EInvoiceBuilt EInvoiceOfRecord(EInvoiceFormat format) {
  LoadInvoice();
  InvoiceInHand in;
  in.header = CurrentInvoice;
  in.items = ItemList;
  in.payments = PaymentList;
  in.hasCustomer = CurrentInvoice.CuNo != 0 && LoadInvoiceCustomer(CurrentInvoice.CuNo);
  in.customer = CustBuf;
  const BuyerDetails buyer = in.hasCustomer ? ReadBuyerDetails(CustBuf.cuno) : BuyerDetails();
  const InvoiceStateRecord state = ReadInvoiceState(CurrentInvoice.IvNo);
  in.supplied = state.supplied;
  if (state.isCreditNote()) {
    in.creditOf = state.refNo;
    d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
    if (SeekNumber(Inv5.d, Inv5.IvNo, state.refNo)) in.creditOfDate = FieldDate(Inv5.IDate);
  }
  return BuildEInvoice(in, Settings(), ReadSellerDetails(), buyer, format);
}

bool WriteEInvoice(const EInvoiceBuilt& built, EInvoiceFormat format, const QString& path,
                   QString* why) {
  const bool written = format == EInvoiceFormat::FacturX ? WriteFacturX(built, path, why)
                                                         : WriteXml(XmlOf(built.invoice, format), path, why);
  // Saved or sent for the customer: the invoice is issued.
  if (written) IssueStoredInvoice(built.invoice.number.toLong());
  return written;
}

QStringList SaveEInvoices(const QList<long>& invoices, EInvoiceFormat format, const QString& folder,
                          const std::function<void(int, int)>& progress) {
  QStringList refused;
  int done = 0;
  for (long n : invoices) {
    d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
    if (!SeekNumber(Inv5.d, Inv5.IvNo, n)) {
      refused << RefusedInvoice(n, Tr::tr("there is no such invoice"));
    } else {
      const EInvoiceBuilt built = EInvoiceOfRecord(format);
      QString why;
      if (!built.problems.isEmpty())
        refused << RefusedInvoice(n, built.problems.join(QStringLiteral("; ")));
      else if (!WriteEInvoice(built, format,
                              QDir(folder).filePath(EInvoiceFileName(n, format)),
                              &why))
        refused << RefusedInvoice(n, why);
    }
    if (progress) progress(++done, int(invoices.size()));
  }
  return refused;
}

QList<long> InvoicesOfSpan(TDate from, TDate to) {
  QList<long> numbers;
  DATA4* inv = Inv5.d;
  d4tagSelect(inv, d4tag(inv, "InvD"));
  for (int rc = d4seek(inv, DateKey(from).constData()); rc == r4success || rc == r4after;
       rc = d4skip(inv, 1)) {
    if (FieldDate(Inv5.IDate) > to) break;
    numbers << f4long(Inv5.IvNo);
  }
  return numbers;
}
