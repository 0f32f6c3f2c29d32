// Writing a report straight to its file while it is built (the report
// command): every line is written as soon as it is complete, so a report of
// millions of lines is never held whole. Text and tab-delimited text go into
// a QSaveFile, renamed over the target only once complete; print goes to the
// selected printer (a PDF file), which writes each page as it is finished.
#ifndef REPORTS_REPORTSTREAM_H
#define REPORTS_REPORTSTREAM_H

#include <memory>

#include "reports/ReportExport.h"
#include "reports/RptUtil.h"

class QPrinter;

class ReportFileStream : public ReportLineSink {
 public:
  // Completes the file. False when it could not be written in full; the
  // target is then left as it was (for print, the caller checks the file).
  virtual bool close() = 0;
};

// The lines as ExportReport writes them, into path.
std::unique_ptr<ReportFileStream> TextReportStream(const QString& path, ExportFormat format);
// The lines as PrintDocument prints them, on printer (not owned, outlives
// the stream), in the report font fitted to the page when the first line
// comes.
std::unique_ptr<ReportFileStream> PrintReportStream(QPrinter* printer);

#endif  // REPORTS_REPORTSTREAM_H
