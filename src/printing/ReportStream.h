// Writing a report straight to its file while it is built (the report
// command): every line is written as soon as it is complete, so a report of
// millions of lines is never held whole. Text and tab-delimited text go to a
// file the caller opened; print goes to a printer (a PDF file), which writes
// each page as it is finished.
#ifndef PRINTING_REPORTSTREAM_H
#define PRINTING_REPORTSTREAM_H

#include <memory>

#include "printing/ReportExport.h"
#include "printing/RptUtil.h"

class QIODevice;
class QPrinter;

class ReportFileStream : public ReportLineSink {
 public:
  // Completes the output (ends the print job). False when a line could not
  // be written in full.
  virtual bool close() = 0;
};

// The lines as ExportReport writes them, into file (not owned, open for
// writing, outliving the stream).
std::unique_ptr<ReportFileStream> TextReportStream(QIODevice* file, ExportFormat format);
// The lines as PrintDocument prints them, on printer (not owned, outlives
// the stream), in the report font fitted to the page when the first line
// comes.
std::unique_ptr<ReportFileStream> PrintReportStream(QPrinter* printer);

#endif  // PRINTING_REPORTSTREAM_H
