#include "receiving/TermPaths.h"

#include "receiving/XmlTree.h"

ReceivedAllowanceCharge ReadAllowanceCharge(const XmlElement& e, const AllowanceChargePaths& paths) {
  ReceivedAllowanceCharge ac;
  ac.charge = e.textAt(paths.indicator) == QLatin1String("true");
  ac.amount = {e.textAt(paths.amount)};
  ac.base = {e.textAt(paths.base)};
  ac.percent = e.textAt(paths.percent);
  ac.reason = e.textAt(paths.reason);
  ac.reasonCode = e.textAt(paths.reasonCode);
  ac.vatCategory = e.textAt(paths.category);
  ac.vatRate = e.textAt(paths.rate);
  return ac;
}

void ReadAddress(const XmlElement& p, const AddressPaths& paths, ReceivedParty* party) {
  const XmlElement* a = p.at(paths.address);
  if (!a) return;
  party->hasAddress = true;
  party->line1 = a->textAt(paths.line1);
  party->line2 = a->textAt(paths.line2);
  party->city = a->textAt(paths.city);
  party->postcode = a->textAt(paths.postcode);
  party->subdivision = a->textAt(paths.subdivision);
  party->country = a->textAt(paths.country);
}
