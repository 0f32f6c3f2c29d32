// The report document as text: one text line per report line, ended by CR LF.
// Only "L", "R" and "C" cells contribute; rules, page breaks, pictures and the
// style cell are left out.
//
// Plain text places each text at its column (a text that would start inside
// what is already there follows it directly, nothing is overwritten).
// Tab-delimited text joins the texts with a tab before each one, except while
// the line is still empty.
#ifndef PRINTING_REPORTEXPORT_H
#define PRINTING_REPORTEXPORT_H

#include <QString>
#include <QStringList>

#include "printing/RptUtil.h"

enum class ExportFormat { PlainText, TabDelimited };

// One report line as text, without the line end.
QString ExportLine(const QStringList& cells, ExportFormat format);
// The whole document, every line ended by CR LF.
QString ExportText(const ReportDocument& document, ExportFormat format);
// Writes the document to path in UTF-8, replacing the file. False when the
// file cannot be created or written; a file that existed is then left as it
// was.
bool ExportReport(const QString& path, ExportFormat format, const ReportDocument& document = Report());

#endif  // PRINTING_REPORTEXPORT_H
