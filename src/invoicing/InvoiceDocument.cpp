#include "invoicing/InvoiceDocument.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QList>
#include <utility>

#include "data/CardText.h"
#include "data/CodeBase.h"
#include "data/CustomerLanguage.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "einvoice/CreditorReference.h"
#include "einvoice/EpcQr.h"
#include "einvoice/EInvoiceBuild.h"
#include "invoicing/InvoiceLegalText.h"
#include "invoicing/InvoiceRecords.h"
#include "invoicing/InvoiceState.h"
#include "platform/Language.h"
#include "platform/NumberText.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(InvoiceDocument)
};

// The seller's account for the payment code, read when a document begins;
// none where the folder has no e-invoice settings (or no engine runs).
SellerDetails& PaymentAccount() {
  static SellerDetails account;
  return account;
}

// The payment code's picture, a file the report's picture cell can name
// (at most 60 characters): one per payload, kept for the run.
QString PaymentCodeFile(const QByteArray& payload) {
  static const QString folder = [] {
    QString dir = QDir::tempPath() + QStringLiteral("/tallowby-qr");
    if (dir.size() > 40) dir = QStringLiteral("/tmp/tallowby-qr");
    QDir().mkpath(dir);
    return dir;
  }();
  const QString name = QString::fromLatin1(
      QCryptographicHash::hash(payload, QCryptographicHash::Sha1).toHex().left(16));
  const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".png");
  if (QFile::exists(path)) return path;
  const QImage code = QrCodeImage(payload);
  // Four pixels a module: the report window draws a picture at its size.
  if (code.isNull() || !code.scaled(code.size() * 4).save(path)) return QString();
  return path;
}

}  // namespace

void PutPaymentCode(const SellerDetails& s, Cents amount, long invoiceNumber) {
  if (s.iban.isEmpty() || s.currency.compare(QLatin1String("EUR"), Qt::CaseInsensitive) != 0) return;
  const QString name = s.legalName.isEmpty() ? Settings().Company.trimmed() : s.legalName;
  CreditTransfer transfer{name, s.iban, s.bic, amount, QString(), CreditorReference(invoiceNumber)};
  const QByteArray payload = EpcPayload(transfer);
  if (payload.isEmpty()) return;
  const QString file = PaymentCodeFile(payload);
  if (file.isEmpty()) return;
  constexpr double kInches = 1.1;  // 28 mm: EPC's code at its size for phones
  CheckPage(Report().LinesOnPage + PictureLines(kInches) + 2, false);
  NewLine();
  PutPicture(QStringLiteral("L01"), file, kInches, kInches);
}

namespace {

void PutInvoiceRules() {
  Cell(0) = QStringLiteral("V00");
  Cell(2) = QStringLiteral("V12");
  Cell(4) = QStringLiteral("V41");
  Cell(6) = QStringLiteral("V50");
  Cell(8) = QStringLiteral("V60");
  Cell(10) = QStringLiteral("V73");
}

// The customers' document languages, read once a document.
CustomerLanguages& KnownLanguages() {
  static CustomerLanguages known;
  return known;
}

// The invoices and bills of the document in hand, with the hash of what
// each shows: issued when the document leaves the program, where issued
// invoices are final.
QList<std::pair<long, QString>>& DocumentInvoices() {
  static QList<std::pair<long, QString>> invoices;
  return invoices;
}

void IssueDocumentInvoices() {
  for (const auto& [number, hash] : DocumentInvoices()) IssueInvoice(number, hash);
  // After its builder the document's tables are closed: so is this one.
  if (!Inv5.d) CloseInvoiceStates();
}

// The folder holds the buyers' e-invoice details: looked for once a
// document, not once an invoice.
bool& BuyerDetailsThere() {
  static bool there = false;
  return there;
}

// Goods when every item's product is an inventory item, services when none
// is; unknown when a product is not found.
Operation OperationOfItems() {
  bool goods = false, services = false;
  for (const ItemRow& item : ItemList) {
    switch (KindOfProduct(item.PrID)) {
      case ProductKind::Goods: goods = true; break;
      case ProductKind::Service: services = true; break;
      case ProductKind::Unknown: return Operation::Unknown;
    }
  }
  if (goods && services) return Operation::Both;
  return goods ? Operation::Goods : services ? Operation::Services : Operation::Unknown;
}

// The invoice's e-invoice mapping, from the working copy; made while the
// user's number format is in force, as the working copy's texts are in it.
EInvoice MappedWorkingInvoice(const InvoiceStateRecord& state) {
  InvoiceInHand in;
  in.header = CurrentInvoice;
  in.items = ItemList;
  in.payments = PaymentList;
  in.hasCustomer = CurrentInvoice.CuNo != 0 && CustBuf.cuno == CurrentInvoice.CuNo;
  in.customer = CustBuf;
  if (state.isCreditNote()) in.creditOf = state.refNo;
  in.supplied = state.supplied;
  BuyerDetails buyer;
  buyer.customer = CurrentInvoice.CuNo;
  if (BuyerDetailsThere()) buyer = ReadBuyerDetails(CurrentInvoice.CuNo);
  return BuildEInvoice(in, Settings(), PaymentAccount(), buyer, EInvoiceFormat::FacturX).invoice;
}

// The legal text under the totals, made from the invoice's e-invoice
// mapping so that the page says what its XML says.
void PutLegalText(const EInvoice& mapped, const InvoiceStateRecord& state) {
  const QStringList lines =
      LegalTextLines(mapped, PaymentAccount(), state.isCreditNote() ? -1 : 1, OperationOfItems());
  NewLine();
  for (const QString& line : lines) {
    QStringList pieces;
    if (!WrapText(line, &pieces)) continue;
    for (const QString& piece : pieces) {
      CheckPage(Report().LinesOnPage + 1, false);
      NewLine();
      Cell(0) = QStringLiteral("L01") + piece;
    }
  }
}

// The title and the reference of a credit note, under the invoice's date.
void PutCreditNoteReference(const InvoiceStateRecord& state) {
  NewLine();
  //: Beside the number of the invoice a credit note corrects.
  Cell(2) = QStringLiteral("R60") + Tr::tr("Credits Invoice:");
  Cell(3) = QStringLiteral("L62") + QString::number(state.refNo);
}

// An amount of the working copy, a text in the user's number format, as
// the document writes it: as it stands where the formats agree (so an
// invoice in the user's language is byte for byte what it always was),
// else in the document's format at the text's width.
QString InDocumentFormat(const QString& text, double value, QChar userSeparator) {
  if (DecimalSeparator() == userSeparator) return text;
  const QByteArray format = "%" + QByteArray::number(text.size()) + ".2f";
  return FormatFloat(format.constData(), value);
}

}  // namespace

QList<std::pair<double, double>> QuantitiesAndPrices(const QList<ItemRow>& items) {
  QList<std::pair<double, double>> amounts;
  for (const ItemRow& item : items) amounts.append({StrToFloat(item.Qty), StrToFloat(item.UPR)});
  return amounts;
}

double PutItemLines(const QList<ItemRow>& items, const QList<std::pair<double, double>>& amounts,
                    QChar userSeparator) {
  double subtotal = 0;
  for (qsizetype i = 0; i < items.size(); ++i) {
    const ItemRow& item = items[i];
    const auto [quantity, price] = amounts[i];
    CheckPage(Report().LinesOnPage + 3, true);
    NewLine();
    PutInvoiceRules();
    const double lineTotal = RoundMoney(quantity * price);
    Cell(1) = QStringLiteral("L01") + WithoutTrailingBlanks(item.PrID);
    Cell(3) = QStringLiteral("L13") + WithoutTrailingBlanks(item.PDesc);
    Cell(5) = QStringLiteral("R49") + InDocumentFormat(item.UPR, price, userSeparator);
    Cell(7) = QStringLiteral("R59") + InDocumentFormat(item.Qty, quantity, userSeparator);
    Cell(9) = QStringLiteral("R72") + FormatFloat("%12.2f", lineTotal);
    if (!item.IComm.trimmed().isEmpty()) {
      NewLine();
      PutInvoiceRules();
      Cell(3) = QStringLiteral("L13") + item.IComm;
    }
    subtotal += lineTotal;
  }
  StyleCell() = QStringLiteral("U");
  return subtotal;
}

void PutTotalLine(const QString& caption, double amount) {
  NewLine();
  Cell(7) = QStringLiteral("R59") + caption;
  Cell(8) = QStringLiteral("V60");
  Cell(9) = QStringLiteral("R72") + FormatFloat("%12.2f", amount);
  Cell(10) = QStringLiteral("V73");
}

// A charge line's caption: the settings' name, or, when that is the name a
// new folder gets in one of the program's languages, that name in the
// document's language (so a French customer reads "Frais de port" and
// "TVA" whoever made the folder).
QString ChargeCaption(const QString& settingsLine, bool first) {
  static const char* const kDefaults[2][3] = {{"Shipping", "Versand", "Frais de port"},
                                              {"Sales Tax", "MwSt.", "TVA"}};
  const QString name = settingsLine.trimmed();
  for (const char* d : kDefaults[first ? 0 : 1]) {
    if (name != QLatin1String(d)) continue;
    //: A charge line's default name on documents, with its colon (German "Versand:", French "Frais de port :").
    return first ? Tr::tr("Shipping:")
                 //: A charge line's default name on documents, with its colon (German "MwSt.:", French "TVA :").
                 : Tr::tr("Sales Tax:");
  }
  return name + QStringLiteral(":");
}

void PutMemo(const QString& text) {
  QStringList pieces;
  if (!WrapText(text, &pieces)) return;
  NewLine();
  for (const QString& piece : pieces) {
    CheckPage(Report().LinesOnPage + 1, false);
    NewLine();
    Cell(0) = QStringLiteral("L00") + piece;
  }
}

void SetInvoiceHeadings() {
  SetHeadings({"", Tr::tr("Item Code"), "", Tr::tr("Description"), "",
               //: Column heading of the printed invoice: the unit price.
               Tr::tr("Price"), "",
               //: Column heading of the printed invoice: the quantity.
               Tr::tr("Qty"), "",
               //: Column heading of the printed invoice: the line's total.
               Tr::tr("Total")});
}

QString DocumentLanguageOf(long cuNo) { return KnownLanguages().of(cuNo); }

void StartInvoices(ReportLineSink& sink) {
  PaymentAccount() = cb && DataFileExists(QString::fromLatin1(EINVSETDef().fileName))
                         ? ReadSellerDetails()
                         : SellerDetails();
  KnownLanguages() = CustomerLanguages::Read();
  DocumentInvoices().clear();
  BuyerDetailsThere() = cb && DataFileExists(QString::fromLatin1(CUSTEIDef().fileName));
  BeginReport(sink, 73, 12, {QString()},
              {"V00", "L01", "V12", "L13", "V41", "R49", "V50", "R59", "V60", "R72", "V73"});
  if (PaymentAccount().finalInvoices) Report().Delivered = IssueDocumentInvoices;
  SetInvoiceHeadings();
}

void PrintInvoice(bool asInvoice) {
  ReportDocument& d = Report();
  const InvoiceRecord& inv = CurrentInvoice;
  // The working copy's amounts are read while its number format is in force.
  const QChar userSeparator = DecimalSeparator();
  const QList<std::pair<double, double>> amounts = QuantitiesAndPrices(ItemList);
  const double paid = PaymentsOfWorkingInvoice();
  const InvoiceStateRecord state = ReadInvoiceState(inv.IvNo);
  const bool legalText = ShowsLegalText(PaymentAccount());
  const EInvoice mapped = legalText ? MappedWorkingInvoice(state) : EInvoice();
  // Every word of the document in the customer's language, dates and
  // numbers too.
  DocumentLanguage language(DocumentLanguageOf(inv.CuNo));
  SetInvoiceHeadings();
  //: The title of the printed invoice.
  QString title = Tr::tr("Invoice");
  //: The title of an invoice printed again while something is due: a reminder (glossary: bill).
  if (!asInvoice) title = inv.Due > 0 ? Tr::tr("Bill") : Tr::tr("Statement");
  //: The title of a printed credit note (German: Rechnungskorrektur, not Gutschrift; French: facture d'avoir).
  if (state.isCreditNote() && (asInvoice || inv.Due > 0)) title = Tr::tr("Credit Note");
  d.TitleLines = {title};
  //: The start of a PDF file's name: invoices-2026-12-09.pdf.
  d.FileStem = Tr::tr("invoices");
  if (PaymentAccount().finalInvoices && (asInvoice || inv.Due > 0))
    DocumentInvoices().append({inv.IvNo, InvoiceContentHash(inv, ItemRecordsOf(ItemList))});

  BeginLetterheadPage();
  NewLine();
  //: Before the customer's address on the printed invoice.
  Cell(0) = QStringLiteral("L00") + Tr::tr("To:");
  Cell(1) = QStringLiteral("L10") + CustomerAddress.value(0);
  Cell(2) = QStringLiteral("R60") + Tr::tr("Invoice No:");
  Cell(3) = QStringLiteral("L62") + QString::number(inv.IvNo);
  NewLine();
  Cell(1) = QStringLiteral("L10") + CustomerAddress.value(1);
  Cell(2) = QStringLiteral("R60") + Tr::tr("Invoice Date:");
  Cell(3) = QStringLiteral("L62") + FormatShortDate(inv.IDate);
  int line = 2;
  if (state.isCreditNote()) {
    PutCreditNoteReference(state);
    Cell(1) = QStringLiteral("L10") + CustomerAddress.value(line++);
  }
  for (int i = line; i < CustomerAddress.size(); ++i) {
    NewLine();
    Cell(1) = QStringLiteral("L10") + CustomerAddress[i];
  }
  PutHeadings();

  const double subtotal = PutItemLines(ItemList, amounts, userSeparator);

  const SettingsRecord& s = Settings();
  CheckPage(d.LinesOnPage + 6, true);
  PutTotalLine(Tr::tr("SubTotal:"), subtotal);
  Cell(0) = QStringLiteral("L01") + MaskedCardText(WithoutTrailingBlanks(inv.IMemo));
  PutTotalLine(ChargeCaption(s.ShipLine, true), inv.Ship);
  PutTotalLine(ChargeCaption(s.TaxLine, false), inv.Tax);
  PutTotalLine(Tr::tr("Total:"), subtotal + inv.Ship + inv.Tax);
  PutTotalLine(Tr::tr("Amount Paid:"), paid);
  PutTotalLine(Tr::tr("Balance Due:"), inv.Due);
  NewLine();
  Cell(10) = QStringLiteral("H6073");
  PutPaymentCode(PaymentAccount(), ToCents(inv.Due), inv.IvNo);
  if (legalText) {
    PutLegalText(mapped, state);
  } else if (!PaymentAccount().iban.isEmpty() && !state.isCreditNote()) {
    NewLine();
    NewLine();
    Cell(0) = QStringLiteral("L01") + Tr::tr("Payment reference: %1").arg(CreditorReference(inv.IvNo));
  }

  if (!asInvoice) return;
  for (const ItemRow& item : ItemList) PutMemo(item.PMemo);
  PutMemo(inv.REM);
}

void PrintWorkingInvoice() {
  struct Released {
    ~Released() { EndReport(); }
  } released;
  StartInvoices(KeptLines());
  PrintInvoice(true);
  ShowReport();
}
