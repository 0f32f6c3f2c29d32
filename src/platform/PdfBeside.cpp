#include "platform/PdfBeside.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStorageInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/BesideFile.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(PdfBeside)
};

// The print job finished the file: it ends with the end-of-file mark.
bool Complete(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly) || f.size() < 6) return false;
  f.seek(std::max<qint64>(0, f.size() - 32));
  return f.readAll().contains("%%EOF");
}

}  // namespace

bool PdfWrittenWhole(const QString& path, QString* why) {
  if (Complete(path)) return true;
  // Why, as far as the folder tells: the print job does not say.
  const QStorageInfo disk(QFileInfo(path).absolutePath());
  if (disk.isValid() && disk.bytesAvailable() < 64 * 1024)
    *why = QString::fromLocal8Bit(std::strerror(ENOSPC));
  else
    *why = Tr::tr("the file could not be written in full");
  return false;
}

PdfBeside::PdfBeside(QPrinter* printer) {
  if (!printer || printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty()) return;
  printer_ = printer;
  target_ = printer->outputFileName();
  // A new file of a name nobody could guess: the job never writes through
  // a link someone else placed beside the target.
  beside_ = CreateFileBeside(target_, QStringLiteral(".tbprint"));
  if (beside_.isEmpty()) notCreated_ = QString::fromLocal8Bit(std::strerror(errno));
  // Without a file the job goes nowhere (an empty name would turn the
  // printer into a real one), and finish() says why.
  printer->setOutputFileName(beside_.isEmpty() ? QStringLiteral("/dev/null") : beside_);
}

PdfBeside::~PdfBeside() {
  if (!printer_) return;
  if (!beside_.isEmpty()) QFile::remove(beside_);
  printer_->setOutputFileName(target_);
}

PdfBeside::Result PdfBeside::finish(QString* why) {
  if (!printer_) return Result::NothingPrinted;
  if (beside_.isEmpty()) {
    *why = notCreated_;
    return Result::Failed;
  }
  if (QFileInfo(beside_).size() == 0) return Result::NothingPrinted;
  QString reason;
  if (PdfWrittenWhole(beside_, &reason) && std::rename(QFile::encodeName(beside_).constData(),
                                                       QFile::encodeName(target_).constData()) == 0)
    return Result::Saved;
  *why = reason.isEmpty() ? target_ + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno)) : reason;
  QFile::remove(beside_);
  return Result::Failed;
}
