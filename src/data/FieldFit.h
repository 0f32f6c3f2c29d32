// Numbers checked against their fields before a save writes anything: a
// value wider than its numeric field (with the field's decimals) cannot be
// stored, and a save that went ahead would stop part-way with the record
// half written. Texts need no check: they are cut to their field.
#ifndef DATA_FIELDFIT_H
#define DATA_FIELDFIT_H

#include <QList>
#include <QString>

#include "data/dbFiles.h"

struct NumberForField {
  FIELD4* field;
  double value;
};

// The message naming the first value that its field cannot hold; empty
// when every value fits.
QString FirstMisfit(const QList<NumberForField>& values);

// For an editor's Save, before the first write: true when every value fits;
// otherwise the message is shown (one information box) and false returned,
// and nothing may be written.
bool NumbersFit(const QList<NumberForField>& values);

// The numbers a record buffer writes into its open table.
QList<NumberForField> NumbersOf(const InvoiceRecord& invoice);
QList<NumberForField> NumbersOf(const ItemRecord& item);
QList<NumberForField> NumbersOf(const PaymentRecord& payment);
QList<NumberForField> NumbersOf(const ProductRecord& product);
QList<NumberForField> NumbersOf(const PurchaseRecord& purchase);

#endif  // DATA_FIELDFIT_H
