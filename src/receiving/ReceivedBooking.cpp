#include "receiving/ReceivedBooking.h"

#include <QCoreApplication>
#include <cmath>

#include "data/dbFiles.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceivedBooking)
};

QString Code(const QString& text) { return text.trimmed().toUpper(); }

// Moves Prod5 to the product whose code id is (trimmed, without regard to
// case); false when there is none.
bool GoToProduct(const QString& id) {
  const QString code = Code(id);
  if (code.isEmpty() || code.size() > Prod5Def().field("PrID")->width) return false;
  DATA4* d = Prod5.d;
  TAG4* before = d4tagSelected(d);
  d4tagSelect(d, d4tag(d, "Prod"));
  const bool found = d4seek(d, SeekKey(code).constData()) == r4success && Code(FieldText(Prod5.PrID)) == code;
  d4tagSelect(d, before);
  code4errorCode(cb, 0);
  return found;
}

bool IsCreditNote(const ReceivedInvoice& inv) {
  return inv.syntax == ReceivedInvoice::Syntax::UblCreditNote || inv.typeCode.trimmed() == QLatin1String("381");
}

bool Same(double a, double b) { return std::fabs(a - b) < 0.005; }

// Whether Pur5's record recNo is the purchase of line l dated date.
bool IsPurchaseOf(long recNo, const BookingLine& l, TDate date) {
  if (d4go(Pur5.d, recNo) != r4success) return false;
  double qty = 0, cost = 0;
  f4double2(Pur5.PURQty, &qty);
  f4double2(Pur5.PURCost, &cost);
  return Code(FieldText(Pur5.PURProd)) == Code(l.product) && FieldDate(Pur5.PURDate) == date &&
         Same(qty, l.quantity) && Same(cost, l.cost);
}

}  // namespace

QString ProductCodeOf(const QString& id) { return GoToProduct(id) ? FieldText(Prod5.PrID).trimmed() : QString(); }

QList<BookingLine> ProposeBooking(const ReceivedInvoice& inv) {
  const QString seller = ReceivedSellerKey(inv.seller.vatId, inv.seller.name);
  const double sign = IsCreditNote(inv) ? -1 : 1;
  QList<BookingLine> lines;
  for (const ReceivedLine& line : inv.lines) {
    BookingLine b;
    b.lineId = line.id;
    b.name = line.name;
    b.itemId = !line.sellerItemId.trimmed().isEmpty() ? line.sellerItemId.trimmed() : line.buyerItemId.trimmed();
    b.quantity = sign * double(line.quantity.value());
    b.cost = sign * double(line.net.cents()) / 100;
    if (!b.itemId.isEmpty()) b.product = ProductCodeOf(RememberedProduct(seller, b.itemId));
    b.remembered = !b.product.isEmpty();
    if (b.product.isEmpty()) b.product = ProductCodeOf(line.sellerItemId);
    if (b.product.isEmpty()) b.product = ProductCodeOf(line.buyerItemId);
    lines << b;
  }
  return lines;
}

ReceivedBookingOutcome BookReceived(const ReceivedRecord& record, TDate date, const QList<BookingLine>& lines) {
  ReceivedBookingOutcome out;
  const ReceivedRecord now = ReceivedAt(record.recNo);
  if (now.recNo == 0 || now.booked) {
    out.error = now.recNo == 0 ? Tr::tr("it is not in the register") : Tr::tr("it was booked before");
    return out;
  }
  // Where this booking's purchases begin is on disk before the first is
  // written; a booking cut short finds those it wrote from there on.
  long next = now.bookFrom;
  const long count = d4recCountDo(Pur5.d);
  if (next == 0 && !WriteReceivedBooking(record.recNo, next = count + 1, false)) {
    out.error = Tr::tr("the register cannot be written");
    return out;
  }
  for (const BookingLine& l : lines) {
    if (l.product.isEmpty()) continue;
    if (l.chosen && !l.itemId.isEmpty() && !RememberProduct(record.sellerKey, l.itemId, l.product)) {
      out.error = Tr::tr("the mapping of item %1 cannot be written").arg(l.itemId);
      return out;
    }
    ++out.booked;
    if (next <= count && IsPurchaseOf(next, l, date)) {
      ++next;
      continue;
    }
    next = count + 1;  // nothing further was written before
    if (d4appendBlank(Pur5.d) != r4success) {
      out.error = Tr::tr("the purchases cannot be written");
      return out;
    }
    PurBuf = PurchaseRecord{};
    PurBuf.PURProd = l.product;
    PurBuf.PURDate = date;
    PurBuf.PURQty = l.quantity;
    PurBuf.PURCost = l.cost;
    WritePurchase();
    WriteCurrentRecord(Pur5.d);
    if (code4errorCode(cb, 0) < 0) {
      out.error = Tr::tr("the purchases cannot be written");
      return out;
    }
    // A product bought is one kept in stock, as the purchase window makes it.
    if (GoToProduct(l.product)) {
      ReadProduct();
      ProdBuf.lInven = true;
      WriteProduct();
      WriteCurrentRecord(Prod5.d);
    }
  }
  if (!WriteReceivedBooking(record.recNo, now.bookFrom ? now.bookFrom : count + 1, true)) {
    out.error = Tr::tr("the register cannot be written");
    return out;
  }
  out.ok = true;
  return out;
}
