#include "invoicing/InvoiceDocument.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "data/CodeBase.h"
#include "data/EInvoiceTables.h"
#include "data/InvoiceLoad.h"
#include "data/Settings.h"
#include "data/dbFiles.h"
#include "einvoice/EpcQr.h"
#include "printing/ReportU.h"
#include "printing/RptUtil.h"

namespace {

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

// The EPC payment code of the amount due, left under the totals, when the
// seller has an IBAN and invoices in euro.
void PutPaymentCode(const InvoiceRecord& inv) {
  const SellerDetails& s = PaymentAccount();
  if (s.iban.isEmpty() || s.currency.compare(QLatin1String("EUR"), Qt::CaseInsensitive) != 0) return;
  const QString name = s.legalName.isEmpty() ? Settings().Company.trimmed() : s.legalName;
  const QByteArray payload = EpcPayload({name, s.iban, s.bic, ToCents(inv.Due),
                                         QStringLiteral("Invoice %1").arg(inv.IvNo)});
  if (payload.isEmpty()) return;
  const QString file = PaymentCodeFile(payload);
  if (file.isEmpty()) return;
  constexpr double kInches = 1.1;  // 28 mm: EPC's code at its size for phones
  CheckPage(Report().LinesOnPage + PictureLines(kInches) + 2, false);
  NewLine();
  PutPicture(QStringLiteral("L01"), file, kInches, kInches);
}

// A blank line and the text wrapped to the report width, one line per piece;
// nothing for a blank text.
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

void PutInvoiceRules() {
  Cell(0) = QStringLiteral("V00");
  Cell(2) = QStringLiteral("V12");
  Cell(4) = QStringLiteral("V41");
  Cell(6) = QStringLiteral("V50");
  Cell(8) = QStringLiteral("V60");
  Cell(10) = QStringLiteral("V73");
}

void PutTotalLine(const QString& caption, double amount) {
  NewLine();
  Cell(7) = QStringLiteral("R59") + caption;
  Cell(8) = QStringLiteral("V60");
  Cell(9) = QStringLiteral("R72") + FormatFloat("%12.2f", amount);
  Cell(10) = QStringLiteral("V73");
}

QString ChargeCaption(const QString& settingsLine) {
  return settingsLine.trimmed() + QStringLiteral(":");
}

}  // namespace

void StartInvoices(ReportLineSink& sink) {
  PaymentAccount() = cb && DataFileExists(QString::fromLatin1(EINVSETDef().fileName))
                         ? ReadSellerDetails()
                         : SellerDetails();
  BeginReport(sink, 73, 12, {QString()},
              {"V00", "L01", "V12", "L13", "V41", "R49", "V50", "R59", "V60", "R72", "V73"});
  SetHeadings({"", "Item Code", "", "Description", "", "Price", "", "Qty", "", "Total"});
}

void PrintInvoice(bool asInvoice) {
  ReportDocument& d = Report();
  const InvoiceRecord& inv = CurrentInvoice;
  QString title = QStringLiteral("Invoice");
  if (!asInvoice) title = inv.Due > 0 ? QStringLiteral("Bill") : QStringLiteral("Statement");
  d.TitleLines = {title};

  BeginLetterheadPage();
  NewLine();
  Cell(0) = QStringLiteral("L00To:");
  Cell(1) = QStringLiteral("L10") + CustomerAddress.value(0);
  Cell(2) = QStringLiteral("R60Invoice No:");
  Cell(3) = QStringLiteral("L62") + QString::number(inv.IvNo);
  NewLine();
  Cell(1) = QStringLiteral("L10") + CustomerAddress.value(1);
  Cell(2) = QStringLiteral("R60Invoice Date:");
  Cell(3) = QStringLiteral("L62") + FormatShortDate(inv.IDate);
  for (int i = 2; i < CustomerAddress.size(); ++i) {
    NewLine();
    Cell(1) = QStringLiteral("L10") + CustomerAddress[i];
  }
  PutHeadings();

  double subtotal = 0;
  for (const ItemRow& item : ItemList) {
    CheckPage(d.LinesOnPage + 3, true);
    NewLine();
    PutInvoiceRules();
    const double lineTotal = RoundMoney(StrToFloat(item.Qty) * StrToFloat(item.UPR));
    Cell(1) = QStringLiteral("L01") + WithoutTrailingBlanks(item.PrID);
    Cell(3) = QStringLiteral("L13") + WithoutTrailingBlanks(item.PDesc);
    Cell(5) = QStringLiteral("R49") + item.UPR;
    Cell(7) = QStringLiteral("R59") + item.Qty;
    Cell(9) = QStringLiteral("R72") + FormatFloat("%12.2f", lineTotal);
    if (!item.IComm.trimmed().isEmpty()) {
      NewLine();
      PutInvoiceRules();
      Cell(3) = QStringLiteral("L13") + item.IComm;
    }
    subtotal += lineTotal;
  }
  StyleCell() = QStringLiteral("U");

  const SettingsRecord& s = Settings();
  CheckPage(d.LinesOnPage + 6, true);
  PutTotalLine(QStringLiteral("SubTotal:"), subtotal);
  Cell(0) = QStringLiteral("L01") + WithoutTrailingBlanks(inv.IMemo);
  PutTotalLine(ChargeCaption(s.ShipLine), inv.Ship);
  PutTotalLine(ChargeCaption(s.TaxLine), inv.Tax);
  PutTotalLine(QStringLiteral("Total:"), subtotal + inv.Ship + inv.Tax);
  PutTotalLine(QStringLiteral("Amount Paid:"), PaymentsOfWorkingInvoice());
  PutTotalLine(QStringLiteral("Balance Due:"), inv.Due);
  NewLine();
  Cell(10) = QStringLiteral("H6073");
  PutPaymentCode(inv);

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
