// Groups of terms that CII and UBL both carry, by other paths: read once,
// from where each syntax keeps each term.
#ifndef RECEIVING_TERMPATHS_H
#define RECEIVING_TERMPATHS_H

#include <QStringView>

#include "receiving/ReceivedInvoice.h"

struct XmlElement;

struct AllowanceChargePaths {
  QStringView indicator, amount, base, percent, reason, reasonCode, category, rate;
};

ReceivedAllowanceCharge ReadAllowanceCharge(const XmlElement& e, const AllowanceChargePaths& paths);

// The postal address (BG-5, BG-8): paths below the address element.
struct AddressPaths {
  QStringView address, line1, line2, city, postcode, subdivision, country;
};

// Fills party's address from party element p, where it has one.
void ReadAddress(const XmlElement& p, const AddressPaths& paths, ReceivedParty* party);

#endif  // RECEIVING_TERMPATHS_H
