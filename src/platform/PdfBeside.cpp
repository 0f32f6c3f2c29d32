#include "platform/PdfBeside.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStorageInfo>
#include <algorithm>
#include <cstdio>

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

// Why a PDF could not be written, as far as the folder tells.
QString Failure(const QString& path) {
  const QStorageInfo disk(QFileInfo(path).absolutePath());
  if (disk.isValid() && disk.bytesAvailable() < 64 * 1024) return Tr::tr("the disk is full");
  return Tr::tr("the file could not be written in full");
}

}  // namespace

PdfBeside::PdfBeside(QPrinter* printer) {
  if (!printer || printer->outputFormat() != QPrinter::PdfFormat || printer->outputFileName().isEmpty()) return;
  printer_ = printer;
  target_ = printer->outputFileName();
  beside_ = target_ + QStringLiteral(".tbprint");
  QFile::remove(beside_);  // left by a job that was cut short
  printer->setOutputFileName(beside_);
}

PdfBeside::~PdfBeside() {
  if (!printer_) return;
  QFile::remove(beside_);
  printer_->setOutputFileName(target_);
}

PdfBeside::Result PdfBeside::finish(QString* why) {
  if (!printer_ || !QFile::exists(beside_)) return Result::NothingPrinted;
  if (Complete(beside_) && std::rename(QFile::encodeName(beside_).constData(),
                                       QFile::encodeName(target_).constData()) == 0)
    return Result::Saved;
  *why = Failure(target_);
  QFile::remove(beside_);
  return Result::Failed;
}
