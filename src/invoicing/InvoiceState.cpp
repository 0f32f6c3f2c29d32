#include "invoicing/InvoiceState.h"

#include <QCoreApplication>
#include <QHash>
#include <cmath>

#include "data/EInvoiceTables.h"
#include "data/dbFiles.h"
#include "invoicing/InvoiceLegalText.h"
#include "invoicing/InvoiceRecords.h"
#include "platform/Clock.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(InvoiceState)
};

// An item as a credit note counts it: its product code and unit price.
using ItemKey = QPair<QString, qint64>;

qint64 Hundredths(double x) { return qint64(std::llround(x * 100)); }

ItemKey KeyOf(const QString& code, double price) { return {code.trimmed(), Hundredths(price)}; }

// The quantities of invoice ivNo's items in ITM5, by item, added to *sums
// with sign.
void AddStoredQuantities(long ivNo, int sign, QHash<ItemKey, qint64>* sums) {
  for (bool on = SeekNumber(Itm5.d, Itm5.IvNo, ivNo); on; on = NextOfNumber(Itm5.d, Itm5.IvNo, ivNo)) {
    if (d4deleted(Itm5.d)) continue;
    (*sums)[KeyOf(FieldText(Itm5.PrID), f4double(Itm5.UPR))] += sign * Hundredths(f4double(Itm5.Qty));
  }
}

}  // namespace

bool IssuedInvoicesAreFinal() {
  return cb && DataFileExists(QString::fromLatin1(EINVSETDef().fileName)) && ReadSellerDetails().finalInvoices;
}

bool SellerShowsLegalText() {
  return cb && DataFileExists(QString::fromLatin1(EINVSETDef().fileName)) && ShowsLegalText(ReadSellerDetails());
}

QString CustomerVatTreatment(long cuno) {
  if (cuno == 0 || !cb || !DataFileExists(QString::fromLatin1(CUSTEIDef().fileName))) return QString();
  return ReadBuyerDetails(cuno).vatTreatment;
}

bool IssueInvoice(long ivNo, const QString& hash) {
  if (!IssuedInvoicesAreFinal()) return true;
  InvoiceStateRecord state = ReadInvoiceState(ivNo);
  if (state.isIssued()) return true;
  state.issued = DateFromQDate(Clock::today());
  state.hash = hash;
  return WriteInvoiceState(state);
}

bool IssueStoredInvoice(long ivNo) {
  if (!IssuedInvoicesAreFinal()) return true;
  const QString hash = StoredInvoiceHash(ivNo);
  return hash.isEmpty() || IssueInvoice(ivNo, hash);
}

QString DeleteRefusal(long ivNo) {
  if (!IssuedInvoicesAreFinal()) return QString();
  const InvoiceStateRecord state = ReadInvoiceState(ivNo);
  if (state.isIssued()) {
    return Tr::tr("Invoice %1 has been issued and cannot be deleted. To cancel or correct it, "
                  "make a credit note for it with \"Credit Note...\".")
        .arg(ivNo);
  }
  const long recNo = d4recNo(Inv5.d);
  const long highest = NextInvoiceNumber() - 1;
  if (recNo >= 1 && recNo <= d4recCountDo(Inv5.d)) d4go(Inv5.d, recNo);
  if (ivNo < highest) {
    return Tr::tr("Only the invoice with the highest number (%1) can be deleted, so that no number "
                  "goes missing. To cancel invoice %2, issue it and make a credit note for it.")
        .arg(highest)
        .arg(ivNo);
  }
  return QString();
}

QString CreditNoteRefusal(long refNo, long creditNo, const QList<ItemRecord>& items) {
  QHash<ItemKey, qint64> left;  // what may still be credited, in hundredths
  AddStoredQuantities(refNo, 1, &left);
  for (long note : CreditNotesOf(refNo)) {
    if (note != creditNo) AddStoredQuantities(note, 1, &left);  // their quantities are negative
  }
  for (const ItemRecord& item : items) {
    if (Hundredths(item.Qty) > 0) {
      return Tr::tr("A credit note takes items back: the quantity of %1 must be negative.")
          .arg(item.PrID.trimmed());
    }
    left[KeyOf(item.PrID, item.UPR)] += Hundredths(item.Qty);
  }
  for (auto it = left.cbegin(); it != left.cend(); ++it) {
    if (it.value() < 0) {
      return Tr::tr("The credit note credits more of %1 than invoice %2 holds, counting its earlier "
                    "credit notes.")
          .arg(it.key().first, QString::number(refNo));
    }
  }
  return QString();
}

QString CreditNoteMemo(long refNo, TDate refDate) {
  //: The memo of a new credit note: %1 the invoice's number, %2 its date.
  return Tr::tr("Credit note for invoice %1 of %2").arg(refNo).arg(FormatShortDate(refDate));
}

QString StateLine(const InvoiceStateRecord& state, bool final) {
  QString line;
  if (state.isCreditNote()) line = Tr::tr("Credit note for invoice %1.").arg(state.refNo);
  if (state.isIssued()) {
    if (!line.isEmpty()) line += QLatin1Char(' ');
    line += Tr::tr("Issued on %1.").arg(FormatShortDate(state.issued));
    if (final) line += QLatin1Char(' ') + Tr::tr("An issued invoice cannot be changed; correct it with a credit note.");
  }
  return line;
}
