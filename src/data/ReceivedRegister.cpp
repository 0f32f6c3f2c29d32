#include "data/ReceivedRegister.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "data/CodeBase.h"
#include "data/Cp1252.h"
#include "data/dbFiles.h"
#include "platform/BesideFile.h"
#include "platform/FileCopy.h"

namespace {

constexpr int kKeyWidth = 40;  // SELLERKEY, NUMBER and ITEMID alike
const QString kHalfWritten = QStringLiteral(".tbcopy");

DATA4*& OpenedRegister() {
  static DATA4* d = nullptr;
  return d;
}

DATA4*& OpenedMappings() {
  static DATA4* d = nullptr;
  return d;
}

DATA4* Lazily(DATA4*& d, const TableDef& def, DATA4* (*open)()) {
  if (!d && cb && DataFileExists(QString::fromLatin1(def.fileName))) d = open();
  return d;
}

DATA4* Register() { return Lazily(OpenedRegister(), RECEIVEDDef(), &OpenRECEIVED); }
DATA4* Mappings() { return Lazily(OpenedMappings(), RECVMAPDef(), &OpenRECVMAP); }

FIELD4* F(DATA4* d, const char* name) { return d4field(d, name); }

// Two key fields as their tag keys them: each padded to its width.
QByteArray PairKey(const QString& a, const QString& b) {
  return ToCp1252(a.left(kKeyWidth)).leftJustified(kKeyWidth, ' ') + ToCp1252(b.left(kKeyWidth)).leftJustified(kKeyWidth, ' ');
}

// A text as the field gives it back (cut, Windows-1252, no trailing blanks),
// so what is looked up compares with what is stored.
QString AsStored(const QString& text) { return FromCp1252(ToCp1252(text.left(kKeyWidth))).trimmed(); }

double Number(FIELD4* f) {
  double v = 0;
  f4double2(f, &v);
  return v;
}

ReceivedRecord Current(DATA4* d) {
  ReceivedRecord r;
  r.recNo = d4recNo(d);
  r.sellerKey = FieldText(F(d, "SELLERKEY")).trimmed();
  r.seller = FieldText(F(d, "SELLER")).trimmed();
  r.sellerVat = FieldText(F(d, "SELLERVAT")).trimmed();
  r.number = FieldText(F(d, "NUMBER")).trimmed();
  r.typeCode = FieldText(F(d, "TYPE")).trimmed();
  r.date = FieldDate(F(d, "INVDATE"));
  r.dueDate = FieldDate(F(d, "DUEDATE"));
  r.currency = FieldText(F(d, "CURRENCY")).trimmed();
  r.net = Number(F(d, "NET"));
  r.vat = Number(F(d, "VAT"));
  r.total = Number(F(d, "TOTAL"));
  r.due = Number(F(d, "DUE"));
  r.buyerReference = FieldText(F(d, "BUYERREF")).trimmed();
  r.file = FieldText(F(d, "FILE")).trimmed();
  r.sha256 = FieldText(F(d, "SHA256")).trimmed();
  r.received = FieldDate(F(d, "RECEIVED"));
  const QString verdict = FieldText(F(d, "VERDICT")).trimmed();
  r.verdict = verdict.isEmpty() ? QLatin1Char('I') : verdict[0];
  r.booked = FieldLogical(F(d, "BOOKED"));
  r.bookFrom = f4long(F(d, "BOOKFROM"));
  code4errorCode(cb, 0);
  return r;
}

QByteArray Sha256Of(const QString& path, bool* read) {
  QFile f(path);
  QCryptographicHash hash(QCryptographicHash::Sha256);
  *read = f.open(QIODevice::ReadOnly) && hash.addData(&f);
  return hash.result().toHex();
}

bool SameBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) && f.size() == bytes.size() && f.readAll() == bytes;
}

// Writes bytes to a new file beside target and links it in place: the link
// fails (EEXIST) rather than replace a file that is there. 0, or errno.
int WriteOnce(const QString& target, const QByteArray& bytes) {
  QString temporary;
  const int fd = OpenFileBeside(target, kHalfWritten, &temporary);
  if (fd < 0) return errno;
  int error = 0;
  for (qsizetype done = 0; done < bytes.size() && !error;) {
    const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) error = n == 0 ? ENOSPC : errno;
    else done += n;
  }
  if (!error && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && !error) error = errno;
  const QByteArray from = QFile::encodeName(temporary);
  if (!error && ::link(from.constData(), QFile::encodeName(target).constData()) != 0) error = errno;
  ::unlink(from.constData());
  if (!error && !FileCopy::sync(QFileInfo(target).absolutePath())) error = errno;
  return error;
}

}  // namespace

QString ReceivedSellerKey(const QString& vatId, const QString& name) {
  const QString vat = AsStored(vatId.simplified().remove(QLatin1Char(' ')).toUpper());
  return vat.isEmpty() ? AsStored(name.simplified().toUpper()) : vat;
}

QList<ReceivedRecord> AllReceived() {
  QList<ReceivedRecord> all;
  DATA4* d = Register();
  if (!d) return all;
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1))
    if (!d4deleted(d)) all.append(Current(d));
  return all;
}

QList<ReceivedRecord> ReceivedOf(const QString& sellerKey, const QString& number) {
  QList<ReceivedRecord> found;
  DATA4* d = Register();
  if (!d) return found;
  const QString key = AsStored(sellerKey), no = AsStored(number);
  for (int rc = d4seek(d, PairKey(key, no).constData()); rc == r4success; rc = d4skip(d, 1)) {
    const ReceivedRecord r = Current(d);
    if (r.sellerKey != key || r.number != no) break;
    if (!d4deleted(d)) found.append(r);
  }
  code4errorCode(cb, 0);
  return found;
}

bool AppendReceived(ReceivedRecord& r) {
  DATA4* d = Register();
  if (!d || d4appendBlank(d) != r4success) return false;
  AssignText(F(d, "SELLERKEY"), r.sellerKey, kKeyWidth);
  AssignText(F(d, "SELLER"), r.seller, 80);
  AssignText(F(d, "SELLERVAT"), r.sellerVat, 20);
  AssignText(F(d, "NUMBER"), r.number, kKeyWidth);
  AssignText(F(d, "TYPE"), r.typeCode, 3);
  AssignDate(F(d, "INVDATE"), r.date);
  AssignDate(F(d, "DUEDATE"), r.dueDate);
  AssignText(F(d, "CURRENCY"), r.currency, 3);
  f4assignDouble(F(d, "NET"), r.net);
  f4assignDouble(F(d, "VAT"), r.vat);
  f4assignDouble(F(d, "TOTAL"), r.total);
  f4assignDouble(F(d, "DUE"), r.due);
  AssignText(F(d, "BUYERREF"), r.buyerReference, kKeyWidth);
  AssignText(F(d, "FILE"), r.file, 100);
  AssignText(F(d, "SHA256"), r.sha256, 64);
  AssignDate(F(d, "RECEIVED"), r.received);
  AssignText(F(d, "VERDICT"), QString(r.verdict), 1);
  AssignLogical(F(d, "BOOKED"), r.booked);
  f4assignLong(F(d, "BOOKFROM"), r.bookFrom);
  WriteCurrentRecord(d);
  r.recNo = d4recNo(d);
  return code4errorCode(cb, 0) >= 0;
}

ReceivedRecord ReceivedAt(long recNo) {
  DATA4* d = Register();
  if (!d || recNo < 1 || d4go(d, recNo) != r4success) return {};
  return Current(d);
}

bool WriteReceivedBooking(long recNo, long bookFrom, bool booked) {
  DATA4* d = Register();
  if (!d || d4go(d, recNo) != r4success) return false;
  f4assignLong(F(d, "BOOKFROM"), bookFrom);
  AssignLogical(F(d, "BOOKED"), booked);
  WriteCurrentRecord(d);
  return code4errorCode(cb, 0) >= 0;
}

QString ReceivedArchiveDir() { return QDir(DataDirectory()).filePath(QString::fromLatin1(kReceivedFolder)); }

bool ArchiveReceived(const QString& stem, const QString& extension, const QByteArray& bytes, QString* name,
                     QString* error) {
  const QString dir = ReceivedArchiveDir();
  if (!QDir().mkpath(dir)) {
    *error = dir + ": " + QString::fromLocal8Bit(std::strerror(errno));
    return false;
  }
  for (int n = 1; n < 1000; ++n) {
    const QString candidate = (n == 1 ? stem : QStringLiteral("%1-%2").arg(stem).arg(n)) + extension;
    const QString path = QDir(dir).filePath(candidate);
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
      if (QFileInfo(path).isFile() && !QFileInfo(path).isSymLink() && SameBytes(path, bytes)) {
        *name = candidate;
        return true;
      }
      continue;
    }
    const int written = WriteOnce(path, bytes);
    if (written == EEXIST) continue;  // taken meanwhile: the next name
    if (written != 0) {
      *error = path + ": " + QString::fromLocal8Bit(std::strerror(written));
      return false;
    }
    *name = candidate;
    return true;
  }
  *error = QDir(dir).filePath(stem + extension) + ": " + QString::fromLocal8Bit(std::strerror(EEXIST));
  return false;
}

QStringList ArchivedFiles() {
  QStringList files;
  const QString folder = QString::fromLatin1(kReceivedFolder);
  for (const QString& n : QDir(ReceivedArchiveDir()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
    if (!n.endsWith(kHalfWritten)) files << folder + QLatin1Char('/') + n;
  return files;
}

bool IsArchivedFileName(const QString& name) {
  const QString prefix = QString::fromLatin1(kReceivedFolder) + QLatin1Char('/');
  const QString file = name.mid(prefix.size());
  return name.startsWith(prefix) && !file.isEmpty() && !file.contains(QLatin1Char('/')) &&
         file != QLatin1String(".") && file != QLatin1String("..");
}

QStringList ArchiveProblems() {
  QStringList lines;
  const QDir archive(ReceivedArchiveDir());
  for (const ReceivedRecord& r : AllReceived()) {
    const QString file = QString::fromLatin1(kReceivedFolder) + QLatin1Char('/') + r.file;
    bool read = false;
    const QByteArray sha = Sha256Of(archive.filePath(r.file), &read);
    // The check's lines are stable and English, like the engine's.
    if (!read)
      lines << QStringLiteral("RECEIVED: %1, invoice %2 of %3, is missing")  // untranslated
                   .arg(file, r.number, r.seller);
    else if (QString::fromLatin1(sha) != r.sha256)
      lines << QStringLiteral("RECEIVED: %1 no longer matches the SHA-256 in the register")  // untranslated
                   .arg(file);
  }
  return lines;
}

QString RememberedProduct(const QString& sellerKey, const QString& itemId) {
  DATA4* d = Mappings();
  if (!d) return QString();
  QString product;
  if (d4seek(d, PairKey(AsStored(sellerKey), AsStored(itemId)).constData()) == r4success)
    product = FieldText(F(d, "PRID")).trimmed();
  code4errorCode(cb, 0);
  return product;
}

bool RememberProduct(const QString& sellerKey, const QString& itemId, const QString& productCode) {
  DATA4* d = Mappings();
  if (!d) return false;
  if (d4seek(d, PairKey(AsStored(sellerKey), AsStored(itemId)).constData()) != r4success) {
    if (d4appendBlank(d) != r4success) return false;
    AssignText(F(d, "SELLERKEY"), sellerKey, kKeyWidth);
    AssignText(F(d, "ITEMID"), itemId, kKeyWidth);
  }
  AssignText(F(d, "PRID"), productCode, 10);
  WriteCurrentRecord(d);
  return code4errorCode(cb, 0) >= 0;
}

void CloseReceivedTables() {
  for (DATA4** d : {&OpenedRegister(), &OpenedMappings()}) {
    if (*d) d4close(*d);
    *d = nullptr;
  }
}

void ForgetReceivedHandles() {
  OpenedRegister() = nullptr;
  OpenedMappings() = nullptr;
}
