// A small sample business for trying the program: a candle and soap maker
// with a few customer groups, about forty customers, twenty products (some
// of them stocked, with purchases) and about sixty invoices of the last
// three months with their items and payments. Always the same data for the
// same day (fixed seed; dates counted back from today).
#ifndef TOOLS_DEMOBUSINESS_H
#define TOOLS_DEMOBUSINESS_H

#include <QString>

// Fills the supplied (empty) tables in dir through the data layer and builds
// their indexes. False with *error set when dir does not hold them.
bool WriteDemoBusiness(const QString& dir, QString* error);

#endif  // TOOLS_DEMOBUSINESS_H
