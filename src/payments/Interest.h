// Statutory default interest on an overdue amount: the reference rate of
// each half-year (Germany: the Bundesbank's base rate, §247 BGB; France:
// the ECB's main refinancing rate of the half-year's start, art. L441-10
// Code de commerce) plus the law's points (Germany: 9 between businesses, 5
// for consumers, §288 BGB; France: 10), per day, actual/365. The rates ship
// with the program (values and sources in docs/decisions.md) and the user
// adds or corrects them in the folder (REFRATE); interest reaching a
// half-year beyond the rates known is not computed at all rather than at a
// rate that may no longer hold.
#ifndef PAYMENTS_INTEREST_H
#define PAYMENTS_INTEREST_H

#include <QDate>
#include <QList>
#include <QString>

#include "einvoice/EInvoice.h"

struct RatePeriod {
  QDate from;   // the first day the rate holds
  double rate;  // percent a year
};

// The rates the program ships with: country "DE" or "FR", else none.
const QList<RatePeriod>& ShippedRates(const QString& country);
// The rates of country in force: the shipped ones, each replaced by the
// folder's row of the same first day, and the folder's others added; by date.
QList<RatePeriod> ReferenceRates(const QString& country);

// The interest in cents on amount for the days after due up to and
// including asOf, each day at its period's rate plus points; 0 when asOf is
// not after due; -1 when a day falls in a half-year the table does not
// reach. Rounded to the cent, halves away from zero.
Cents DefaultInterest(Cents amount, const QDate& due, const QDate& asOf, const QList<RatePeriod>& rates,
                      double points);

#endif  // PAYMENTS_INTEREST_H
