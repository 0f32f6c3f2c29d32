#include "labels/LabelStock.h"

#include "data/Settings.h"
#include "data/dbFiles.h"

QList<StockLine> StockLines() {
  QList<StockLine> lines;
  DATA4* d = Labels.d;
  d4tagSelect(d, d4tag(d, "Labels"));
  for (int rc = d4top(d); rc == r4success; rc = d4skip(d, 1))
    lines.append({FieldText(Labels.Name).trimmed(), d4recNo(d)});
  return lines;
}

bool FindStock(const QString& name) {
  for (const StockLine& line : StockLines()) {
    if (line.name != name) continue;
    d4go(Labels.d, line.record);
    ReadLabel();
    return true;
  }
  return false;
}

void RememberStock(const QString& name) {
  if (name == Settings().LabID.trimmed()) return;
  Settings().LabID = name;
  WriteSettings();
}
