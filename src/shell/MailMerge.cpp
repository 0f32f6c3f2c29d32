#include "shell/MailMerge.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include "data/Progress.h"
#include "data/dbFiles.h"
#include "platform/Ui.h"
#include "printing/MultGroupU.h"

const char* const kMailMergeHeader[8] = {"Title", "FirstName", "LastName", "Company",
                                         "Addr1", "Addr2",     "Addr3",    "PostalCode"};

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(MailMerge)
};

// The first address line is the company, so the address columns begin with
// the second.
QByteArray CustomerLine() {
  const CustomerRecord& c = CustBuf;
  const QStringList columns{c.title, c.first, c.last,  c.addr1,
                            c.addr2, c.addr3, c.addr4, c.zip};
  QStringList trimmed;
  for (const QString& s : columns) trimmed << s.trimmed();
  return trimmed.join('\t').toUtf8() + "\r\n";
}
}  // namespace

bool WriteMailMergeFile(const QString& fileName, const QList<int>& groups, long* customers) {
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) return false;
  DATA4* d = Cust5.d;
  const long n = d4recCountDo(d);
  ShowProgress(true, Tr::tr("Exporting Mail Merge File"));
  QStringList header;
  for (const char* h : kMailMergeHeader) header << QString::fromLatin1(h);
  file.write(header.join('\t').toUtf8() + "\r\n");
  long i = 0;
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1)) {
    // Records marked deleted wait for a pack; they are no longer customers.
    if (!d4deleted(d) && IndexInList(&groups, f4int(Cust5.ngroup)) >= 0) {
      ReadCustomer();
      file.write(CustomerLine());
      if (customers) ++*customers;
    }
    ++i;
    SetProgress(int(i * 100 / n));
  }
  const bool written = file.commit();
  ShowProgress(false);
  return written;
}

QString MailMergeExport(QWidget* parent) {
  TablesClosedAtEnd closeAll;
  if (!OpenCUST5() || !OpenGROUPS()) return QString();
  d4tagSelect(Cust5.d, d4tag(Cust5.d, "CZip"));
  if (!RunMultGroup()) return QString();
  // The file dialog may change the current folder; the tables live there.
  const QString folder = QDir::currentPath();
  const QString name = Ui::get().saveFileName(
      parent, Tr::tr("Generate a Mail Merge File"), QString(),
      //: A file dialog's filters: description, "|", pattern, "|", the next description...
      Tr::tr("Delimited files (*.doc)|*.doc|Text files (*.txt)|*.txt"), QStringLiteral("doc"));
  QDir::setCurrent(folder);
  if (name.isEmpty()) return QString();
  long written = 0;
  if (!WriteMailMergeFile(name, ChosenGroups, &written)) {
    Ui::get().information(Tr::tr("Unable to save to: %1").arg(name));
    return Tr::tr("Mail merge: nothing was written.");
  }
  return Tr::tr("Mail merge: %1 customers written to %2.").arg(written).arg(name);
}
