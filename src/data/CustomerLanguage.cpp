#include "data/CustomerLanguage.h"

#include <QCoreApplication>

#include "data/CodeBase.h"
#include "data/dbFiles.h"
#include "platform/Language.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(CustomerLanguage)
};

// Closes the table when the call ends, also after an error (other tables of
// the command may be open).
struct Closed {
  DATA4* d;
  ~Closed() {
    if (d) d4close(d);
  }
};

bool SeekCustomer(DATA4* d, long cuno) {
  return d4seek(d, NumberTagKey(cuno).constData()) == r4success &&
         f4long(d4field(d, "CUNO")) == cuno;
}

// The current record's language; a code another tool wrote that the program
// does not speak is the user's.
QString LanguageOfRecord(DATA4* d) {
  const QString code = FieldText(d4field(d, "LANG")).trimmed().toLower();
  return IsLanguageCode(code) ? code : QString();
}

// A folder of an earlier version may not hold the table yet.
bool TableThere() { return cb && DataFileExists(QString::fromLatin1(CUSTLANGDef().fileName)); }

}  // namespace

QString CustomerLanguage(long customerNumber) {
  if (!TableThere()) return QString();
  Closed table{OpenCUSTLANG()};
  DATA4* d = table.d;
  if (!d || !SeekCustomer(d, customerNumber)) return QString();
  return LanguageOfRecord(d);
}

CustomerLanguages CustomerLanguages::Read() {
  CustomerLanguages all;
  if (!TableThere()) return all;
  Closed table{OpenCUSTLANG()};
  DATA4* d = table.d;
  if (!d) return all;
  // In the index's order, the first record of a customer counts, as for the
  // seek of CustomerLanguage.
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1)) {
    const long cuno = f4long(d4field(d, "CUNO"));
    if (!all.codes_.contains(cuno)) all.codes_.insert(cuno, LanguageOfRecord(d));
  }
  code4errorCode(cb, 0);
  return all;
}

bool SetCustomerLanguage(long customerNumber, const QString& code, QString* error) {
  if (!code.isEmpty() && !IsLanguageCode(code)) {
    *error = Tr::tr("%1 is not a language of the program.").arg(code);
    return false;
  }
  const QString failed = Tr::tr("Unable to save the document language of customer %1.").arg(customerNumber);
  Closed table{OpenCUSTLANG()};
  DATA4* d = table.d;
  if (!d) {
    *error = failed;
    return false;
  }
  // A blank language is left as a blank record rather than deleted: the
  // record would only wait for the next pack.
  if (!SeekCustomer(d, customerNumber)) {
    if (code.isEmpty()) return true;
    if (d4appendBlank(d) != r4success) {
      *error = failed;
      return false;
    }
    f4assignLong(d4field(d, "CUNO"), customerNumber);
  }
  AssignText(d4field(d, "LANG"), code, 2);
  const int rc = d4close(d);
  table.d = nullptr;
  if (rc != r4success) {
    *error = failed;
    return false;
  }
  return true;
}
