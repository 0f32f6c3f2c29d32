// A registered e-invoice booked into stock: each line whose item maps to a
// product becomes an inventory purchase (Pur5: the product, the invoice's
// date, the quantity, the line's net as the total cost; a credit note's
// lines with the quantity and cost negative). A line maps by the product
// remembered for the seller's item id (RECVMAP, from a mapping a person
// confirmed), else by the seller's item id (BT-155), else the buyer's
// (BT-156), where one equals a product code. The other lines are not
// booked. Before the first purchase is written the register keeps where in
// Pur5 the booking's purchases begin (BOOKFROM), and BOOKED is set last; a
// booking cut short between the two, run again, takes the purchases it
// finds there (same product, date, quantity and cost, in line order) as
// written and writes the rest, so nothing is booked twice or lost.
#ifndef RECEIVING_RECEIVEDBOOKING_H
#define RECEIVING_RECEIVEDBOOKING_H

#include <QList>
#include <QString>

#include "data/ReceivedRegister.h"
#include "receiving/ReceivedInvoice.h"

struct BookingLine {
  QString lineId;    // BT-126
  QString itemId;    // the seller's item id, else the buyer's: what a mapping is remembered by
  QString name;      // BT-153
  QString product;   // the product booked; empty: not booked
  bool remembered = false;  // product came from RECVMAP
  bool chosen = false;      // a person chose product: remembered for the seller's item
  double quantity = 0, cost = 0;  // as booked
};

// The code of the product id names (trimmed, case aside) as Prod5 holds it;
// empty when there is none. Prod5 must be open.
QString ProductCodeOf(const QString& id);
// The lines as they would be booked. Prod5 must be open.
QList<BookingLine> ProposeBooking(const ReceivedInvoice& invoice);

struct ReceivedBookingOutcome {
  bool ok = false;
  int booked = 0;   // purchases written
  QString error;    // why not, one sentence in lower case
};

// Books lines (those with a product) as purchases dated date and sets the
// register record's flag; the products a person chose are remembered for
// the seller's items. Refused when the record is
// booked already. Prod5 and Pur5 must be open.
ReceivedBookingOutcome BookReceived(const ReceivedRecord& record, TDate date, const QList<BookingLine>& lines);

#endif  // RECEIVING_RECEIVEDBOOKING_H
