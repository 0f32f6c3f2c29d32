// A small sample business for trying the program: a candle and soap maker
// with a few customer groups, about forty customers, twenty products (some
// of them stocked, with purchases) and about sixty invoices of the last
// three months with their items and payments. Always the same data for the
// same day (fixed seed; dates counted back from today).
#ifndef TOOLS_DEMOBUSINESS_H
#define TOOLS_DEMOBUSINESS_H

#include <QString>
#include <functional>

// Fills the supplied (empty) tables in dir through the data layer and builds
// their indexes. False with *error set when dir does not hold them.
bool WriteDemoBusiness(const QString& dir, QString* error);

// With the engine started on dir and its indexes built: runs fill, which
// writes through the data layer. False with *error set when dir does not
// hold the supplied tables, fill fails or the engine reports an error.
bool FillSuppliedTables(const QString& dir, QString* error, const std::function<bool(QString*)>& fill);

// The same business in Germany ("de") or France ("fr"), small, for trying
// the European invoice cycle: EUR and the country's VAT rate, complete
// e-invoice details with an IBAN, five customers (a buyer reference, a
// SIREN, a private person, one abroad in the other language, one under
// reverse charge), six products and thirteen invoices, nine of them issued
// and one a credit note. False with *error set as above.
bool WriteEuropeanDemo(const QString& dir, const QString& country, QString* error);

#endif  // TOOLS_DEMOBUSINESS_H
