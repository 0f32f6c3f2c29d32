// The export as a folder of CSV files (RFC 4180): one TABLE.csv per table,
// UTF-8 without a byte-order mark, a header row, lines ended by CR LF, ISO
// dates, "." as the decimal point, true/false for logicals. A field is
// quoted when it holds a comma, a quote or a line end, and an empty text is
// written "" so it is told from a missing value (written as nothing). The
// files are written into a folder beside the target, which then takes the
// target's place in one step.
#ifndef EXPORT_CSVWRITER_H
#define EXPORT_CSVWRITER_H

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "export/ExportWriter.h"

class CsvWriter : public ExportWriter {
 public:
  explicit CsvWriter(const QString& target);

  bool begin(const std::vector<ExportTable>& tables, const KeyPlan& keys) override;
  bool beginRows(const ExportTable& table) override;
  bool row(const std::vector<ExportValue>& values) override;
  bool endRows() override;
  bool finish(const std::vector<ExportTable>& tables, const KeyPlan& keys) override;

 private:
  bool flush();

  QString target_;
  // Removed with what it holds when the writer goes: an unfinished export,
  // or after the swap the earlier one.
  std::unique_ptr<QTemporaryDir> staging_;
  QFile file_;
  QByteArray buffer_;
  const ExportTable* table_ = nullptr;
};

#endif  // EXPORT_CSVWRITER_H
