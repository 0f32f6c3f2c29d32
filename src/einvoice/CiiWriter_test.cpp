// The CII and UBL writers on a hand-made invoice, checked by the official
// validators of each format.
#include "einvoice/CiiWriter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "einvoice/TestSupport.h"
#include "einvoice/UblWriter.h"

namespace {

TEST(Writers, SampleIsValidInEveryFormat) {
  QTemporaryDir dir;
  const EInvoice inv = SampleInvoice();
  ExpectValid(dir.path(), "cii.xml", WriteCii(inv, CiiFlavour::FacturX), "cii");
  ExpectValid(dir.path(), "xr.xml", WriteCii(inv, CiiFlavour::XRechnung), "xrechnung");
  ExpectValid(dir.path(), "ubl.xml", WriteUbl(inv), "ubl");
}

}  // namespace
