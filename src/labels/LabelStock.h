// The label stocks of LABELS as the print dialog offers them: by name, in
// the order of the Labels tag; the one last used for printing (LabID)
// chosen first next time.
#ifndef LABELS_LABELSTOCK_H
#define LABELS_LABELSTOCK_H

#include <QList>
#include <QString>

// A stock's name (trimmed) and record.
struct StockLine {
  QString name;
  long record = 0;
};
// Every stock of LABELS (open), in tag order.
QList<StockLine> StockLines();
// The first stock named name into LabelBuf; false when there is none.
bool FindStock(const QString& name);
// Stores name as the stock last used (LabID) when it is another; the
// settings record is written then.
void RememberStock(const QString& name);

#endif  // LABELS_LABELSTOCK_H
