#include "labels/BatchLabel.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <stdexcept>

#include "data/CodeBase.h"
#include "data/DateText.h"
#include "platform/Ui.h"

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
    Ui::get().information(QStringLiteral("Customer Not Selected"));
    return;
  }
  QString path = BatchLabelPath();
  QByteArray before;
  if (!path.isEmpty()) {
    const bool append = Ui::get().confirm(Ui::Kind::Confirmation, Ui::Buttons::YesNo,
                                          QStringLiteral("APPEND ADDRESS TO FILE? ") + kBatchLabelFile);
    if (append) {
      QFile old(path);
      if (!old.open(QIODevice::ReadOnly)) {
        Ui::get().information(QStringLiteral("Unable to save to: ") + kBatchLabelFile);
        return;
      }
      before = old.readAll();
    }
  } else {
    path = QDir(DataDirectory()).filePath(kBatchLabelFile);
  }
  QSaveFile file(path);
  const QByteArray line = PadLeft(customerNumber, 6).toLatin1() + "\r\n";
  if (!file.open(QIODevice::WriteOnly) || file.write(before + line) != before.size() + line.size() ||
      !file.commit()) {
    Ui::get().information(QStringLiteral("Unable to save to: ") + kBatchLabelFile);
  }
}

QStringList ReadBatchLabels() {
  const QString path = BatchLabelPath();
  if (path.isEmpty()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(("Unable to read " + path).toStdString());
  QStringList lines;
  while (!file.atEnd()) {
    QByteArray line = file.readLine();
    while (line.endsWith('\n') || line.endsWith('\r')) line.chop(1);
    lines << QString::fromLatin1(line);
  }
  return lines;
}
