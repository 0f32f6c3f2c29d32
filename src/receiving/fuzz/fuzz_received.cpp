// Any bytes as a received e-invoice: read (XML or PDF), checked and shown
// as JSON. Nothing may crash, hang or grow without bound; a refusal is a
// result like any other.
#include <cstddef>
#include <cstdint>

#include "receiving/ReceivedChecks.h"
#include "receiving/ReceivedJson.h"
#include "receiving/ReceivedRead.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ReceivedRead read = ReadReceived(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  if (read.ok()) (void)ReceivedJson(read, CheckReceived(read.invoice));
  return 0;
}
