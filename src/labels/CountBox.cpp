#include "labels/CountBox.h"

CountBox::CountBox(const QString& editMask, QWidget* parent) : MaskedBox(editMask, parent) {}

int CountBox::number(int whenEmpty) const {
  bool ok = false;
  const int n = boxText().trimmed().toInt(&ok);
  return ok ? n : whenEmpty;
}

void CountBox::setNumber(int n) { setText(QString::number(n)); }
