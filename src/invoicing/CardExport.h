// The card-payment batch record of an invoice (Batchin.dat): 22 fields,
// each in double quotes: "C1", two empty fields, the card number (its
// digits), the expiry as yymm, the invoice total, and sixteen empty fields.
#ifndef INVOICING_CARDEXPORT_H
#define INVOICING_CARDEXPORT_H

#include <QString>

// The record of the card or check text ("1234 x9/04": number 1234, expiry
// 0409) and the total as shown; false when the text holds no "/".
bool CardBatchRecord(const QString& cardText, const QString& total, QString* record);

#endif  // INVOICING_CARDEXPORT_H
