// The batch label file BatchLab.dat in the data folder: one line per label,
// the customer number right-aligned in six characters (the customer-number
// key), lines ended by CR LF. The invoice editor adds to it; label printing
// reads it and leaves it as it is. The same number may stand several times.
#ifndef LABELS_BATCHLABEL_H
#define LABELS_BATCHLABEL_H

#include <QString>
#include <QStringList>

// The file's name as the program says it.
extern const QString kBatchLabelFile;

// The file in the data folder (its name matched without regard to case);
// "" when there is none.
QString BatchLabelPath();

// The invoice editor's "Batch Label": customer 0 gives "Customer Not
// Selected"; an existing file is appended to (Yes to "APPEND ADDRESS TO
// FILE? ") or started afresh (No). The file is written beside and renamed,
// so a failed write leaves the old file whole; it is reported as "Unable to
// save to: " and the file name.
void AddBatchLabel(long customerNumber);

// The lines of the file without their line ends; none when there is no
// file. A file that cannot be read throws std::runtime_error.
QStringList ReadBatchLabels();

#endif  // LABELS_BATCHLABEL_H
