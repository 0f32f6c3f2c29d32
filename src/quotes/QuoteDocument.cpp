#include "quotes/QuoteDocument.h"

#include <QCoreApplication>
#include <QPrinter>

#include "data/CustomerLanguage.h"
#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "invoicing/InvoiceDocument.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "platform/PainterCanvas.h"
#include "platform/PdfBeside.h"
#include "platform/PrinterChoice.h"
#include "printing/ReportRender.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(QuoteDocument)
};

// The quote into the document begun by StartInvoices.
void PutQuote(const QuoteRecord& q, const QList<ItemRow>& items) {
  const QChar userSeparator = DecimalSeparator();
  const QList<std::pair<double, double>> amounts = QuantitiesAndPrices(items);
  const DocumentLanguage language(DocumentLanguageOf(q.cuno));
  SetInvoiceHeadings();
  //: The title of a printed quote (German Angebot, French Devis).
  Report().TitleLines = {Tr::tr("Quote")};
  //: The start of a PDF file's name: quotes-2026-12-09.pdf.
  Report().FileStem = Tr::tr("quotes");
  BeginLetterheadPage();
  const std::pair<QString, QString> fields[] = {
      //: Beside the quote's number on the printed quote.
      {Tr::tr("Quote No:"), QString::number(q.qno)},
      {Tr::tr("Quote Date:"), FormatShortDate(q.date)},
      //: The last day the quote's prices hold.
      {Tr::tr("Valid Until:"), q.valid > 0 ? FormatShortDate(q.valid) : QString()}};
  const qsizetype lines = std::max<qsizetype>(CustomerAddress.size(), std::size(fields));
  for (qsizetype i = 0; i < lines; ++i) {
    NewLine();
    //: Before the customer's address on the printed quote.
    if (i == 0) Cell(0) = QStringLiteral("L00") + Tr::tr("To:");
    Cell(1) = QStringLiteral("L10") + CustomerAddress.value(i);
    if (i < qsizetype(std::size(fields))) {
      Cell(2) = QStringLiteral("R60") + fields[i].first;
      Cell(3) = QStringLiteral("L62") + fields[i].second;
    }
  }
  PutHeadings();
  const double subtotal = PutItemLines(items, amounts, userSeparator);
  const SettingsRecord& s = Settings();
  CheckPage(Report().LinesOnPage + 4, true);
  PutTotalLine(Tr::tr("SubTotal:"), subtotal);
  PutTotalLine(ChargeCaption(s.ShipLine, true), q.ship);
  PutTotalLine(ChargeCaption(s.TaxLine, false), q.tax);
  PutTotalLine(Tr::tr("Total:"), subtotal + q.ship + q.tax);
  NewLine();
  Cell(10) = QStringLiteral("H6073");
  PutMemo(q.rem);
}

}  // namespace

void ShowQuoteDocument(const QuoteRecord& quote, const QList<ItemRow>& items) {
  DocumentInHand document;
  StartInvoices(KeptLines());
  PutQuote(quote, items);
  ShowReport();
}

bool SaveQuotePdf(const QuoteRecord& quote, const QList<ItemRow>& items, const QString& path) {
  std::unique_ptr<QPrinter> printer = PrinterChoice::pdfPrinter(path);
  {
    const DocumentLanguage language(CustomerLanguage(quote.cuno));
    //: The printed quote's title in its PDF file; %1 is the quote's number.
    printer->setDocName(Tr::tr("Quote %1").arg(quote.qno));
  }
  printer->setCreator(QStringLiteral("Tallowby"));
  const PrinterChoice::StandIn standIn(std::move(printer));
  DocumentInHand document;
  StartInvoices(KeptLines());
  PutQuote(quote, items);
  FinishReport();
  PainterCanvas canvas(PrinterChoice::printer());
  PrintDocument(canvas);
  canvas.end();
  QString reason;
  return PdfWrittenWhole(path, &reason);
}
