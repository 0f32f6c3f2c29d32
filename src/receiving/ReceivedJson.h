// What `tallowby receive --show` prints: a read e-invoice as JSON keyed by
// its business terms ("BT-1": "R-1007"), in the order of the terms. Terms
// are strings as written in the file (amounts too), dates YYYY-MM-DD where
// they could be read (else as written), absent terms null; the repeated
// groups ("allowances_charges", "vat", "lines") are arrays in the file's
// order, and "findings" lists the checks' [{rule, severity, text}].
#ifndef RECEIVING_RECEIVEDJSON_H
#define RECEIVING_RECEIVEDJSON_H

#include <QByteArray>
#include <QList>

struct ReceivedRead;
struct ReceivedFinding;

QByteArray ReceivedJson(const ReceivedRead& read, const QList<ReceivedFinding>& findings);

#endif  // RECEIVING_RECEIVEDJSON_H
