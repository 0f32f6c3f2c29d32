// Any bytes as a bank statement: read, and every payment it holds matched
// against a few open invoices. Nothing may crash, hang or grow without
// bound; a refusal is a result like any other.
#include <cstddef>
#include <cstdint>

#include "payments/BankMatch.h"
#include "payments/CamtReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const OpenInvoices open = [] {
    OpenInvoices o;
    o.add({1007, 2000, QStringLiteral("Lovelace Candles GmbH")});
    o.add({1008, 1050, QStringLiteral("Difference Works")});
    return o;
  }();
  const CamtRead read = ReadCamt(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (read.ok) {
    for (const BankEntry& e : read.statement.entries)
      for (const BankTransaction& t : e.transactions) (void)MatchPayment(t, open);
  }
  return 0;
}
