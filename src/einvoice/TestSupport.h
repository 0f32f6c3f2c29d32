// Shared pieces of the e-invoice tests: the official validators (kept
// outside this repository, in ../shared/einvoice beside it, or where
// TB_EINVOICE_VALIDATOR points) and a sample invoice.
#ifndef EINVOICE_TESTSUPPORT_H
#define EINVOICE_TESTSUPPORT_H

#include <QList>
#include <QString>
#include <utility>
#include <gtest/gtest.h>

#include "einvoice/EInvoice.h"

struct Validation {
  bool ran = false;  // the validators are there and could run
  int fatal = 0;
  QString output;    // what they said
};

// Checks file with validate.sh FILE format (cii, xrechnung, ubl, facturx).
Validation Validate(const QString& file, const QString& format);
// Checks each (file, format), two at a time (about three seconds each), and
// expects nothing fatal in any (says so, and passes, where the validators
// are absent).
void ExpectAllValid(const QList<std::pair<QString, QString>>& files);
// Writes bytes to a file in dir and expects the validators to find nothing
// fatal in it (says so, and passes, where they are absent).
void ExpectValid(const QString& dir, const QString& name, const QByteArray& bytes,
                 const QString& format);

// A German seller and buyer, two lines at 19%, a shipping charge at 19%,
// partly paid; every detail XRechnung and Peppol ask for is set.
EInvoice SampleInvoice();

#endif  // EINVOICE_TESTSUPPORT_H
