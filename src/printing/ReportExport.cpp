#include "printing/ReportExport.h"

#include <QSaveFile>

#include <memory>

#include "printing/ReportCell.h"
#include "printing/ReportStream.h"

namespace {

bool IsTextCell(const QString& cell) {
  const QChar letter = CodeLetter(cell);
  return letter == QLatin1Char('L') || letter == QLatin1Char('R') || letter == QLatin1Char('C');
}

int StartColumn(const QString& cell, qsizetype length) {
  const int column = CodeColumn(cell);
  switch (CodeLetter(cell).unicode()) {
    case 'R':
      return column - int(length);
    case 'C':
      return column - int(length / 2);
    default:
      return column;
  }
}

}  // namespace

QString ExportLine(const QStringList& cells, ExportFormat format) {
  QString line;
  // The last cell is the line's style, never exported.
  for (qsizetype c = 0; c + 1 < cells.size(); ++c) {
    const QString& cell = cells[c];
    if (!IsTextCell(cell)) continue;
    const QString text = CodeText(cell);
    if (format == ExportFormat::TabDelimited) {
      if (!line.isEmpty()) line += QLatin1Char('\t');
    } else {
      const int start = StartColumn(cell, text.size());
      if (line.size() < start) line = line.leftJustified(start, QLatin1Char(' '));
    }
    line += text;
  }
  return line;
}

QString ExportText(const ReportDocument& document, ExportFormat format) {
  QString text;
  for (int i = 0; i < document.lineCount(); ++i) {
    text += ExportLine(document.line(i), format);
    text += QLatin1String("\r\n");
  }
  return text;
}

bool ExportReport(const QString& path, ExportFormat format, const ReportDocument& document) {
  // Line by line into a file beside the target, renamed over it once
  // complete, so a failed write leaves no half-written file behind.
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  const std::unique_ptr<ReportFileStream> stream = TextReportStream(&file, format);
  for (int i = 0; i < document.lineCount(); ++i) stream->put(document.line(i));
  if (stream->close()) return file.commit();
  file.cancelWriting();
  return false;
}
