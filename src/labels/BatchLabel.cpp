#include "labels/BatchLabel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <stdexcept>

#include "data/BatchFile.h"
#include "data/CodeBase.h"
#include "data/KeyText.h"
#include "platform/Ui.h"

namespace {
struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BatchLabel)
};
}  // namespace

const QString kBatchLabelFile = QStringLiteral("BatchLab.dat");

QString BatchLabelPath() {
  const QDir folder(DataDirectory());
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
    if (name.compare(kBatchLabelFile, Qt::CaseInsensitive) == 0) return folder.filePath(name);
  }
  return QString();
}

void AddBatchLabel(long customerNumber) {
  if (customerNumber == 0) {
    Ui::get().information(Tr::tr("Customer Not Selected"));
    return;
  }
  QString path = BatchLabelPath();
  bool append = false;
  if (!path.isEmpty()) {
    append = Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                               //: %1 is the file's name (BatchLab.dat)
                               Tr::tr("APPEND ADDRESS TO FILE? %1").arg(kBatchLabelFile));
  } else {
    path = QDir(DataDirectory()).filePath(kBatchLabelFile);
  }
  QString error;
  if (!WriteBatchLine(path, PadLeft(customerNumber, 6).toLatin1(), append, false, &error))
    Ui::get().information(Tr::tr("Unable to save to: %1").arg(kBatchLabelFile));
}

QStringList ReadBatchLabels() {
  const QString path = BatchLabelPath();
  if (path.isEmpty()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(Tr::tr("Unable to read %1").arg(path).toStdString());
  QStringList lines;
  while (!file.atEnd()) {
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    lines << QString::fromLatin1(line);
  }
  return lines;
}
