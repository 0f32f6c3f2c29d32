// Reading the live records of a held table as exported values, with the
// progress box over the whole export and the count of values that could
// not be read.
#ifndef EXPORT_EXPORTROWS_H
#define EXPORT_EXPORTROWS_H

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "data/Progress.h"
#include "export/ExportLayout.h"

// The progress box over total records.
class ExportProgress {
 public:
  explicit ExportProgress(long total) : total_(total), box_(QStringLiteral("Exporting Data")) {}
  void recordDone() { box_.recordDone(done_++, total_); }

 private:
  long done_ = 0;
  long total_;
  ProgressShown box_;
};

// Values that could not be read, counted per column; reported as findings.
class ValueFindings {
 public:
  void count(const ExportTable& table, const ExportColumn& column, ValueProblem problem);
  // One line for each column and problem, with its count.
  QStringList lines() const;

 private:
  struct Count {
    QString table, column, file, field;
    ValueProblem problem;
    long n;
  };
  std::vector<Count> counts_;
};

// Calls row with the values of the columns picked (indexes into
// table.columns) for every live record of table, in record order; records
// marked deleted are passed by. A table the folder lacks has none. findings,
// when given, counts what could not be read. False, *error naming the file
// and the record, when a record or memo cannot be read or row returns false
// (with *error set).
bool ReadLiveRows(const ExportTable& table, const std::vector<int>& columns,
                  ExportProgress* progress, ValueFindings* findings,
                  const std::function<bool(const std::vector<ExportValue>&)>& row,
                  QString* error);

// The number of records of the tables (deleted ones too).
long RecordCount(const ExportTable& table);

#endif  // EXPORT_EXPORTROWS_H
