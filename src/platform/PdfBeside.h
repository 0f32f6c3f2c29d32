// Printing into a PDF file without ever leaving a cut-short one: the print
// job writes beside the target (a new file TARGET.XXXXXX.tbprint) and the finished file is
// renamed over the target only once it is complete, that is, once it ends
// with the PDF end-of-file mark (a full disk cuts the file short without the
// print job saying so). A failure leaves an older file of that name intact.
// For a printer that is not a PDF file this does nothing.
#ifndef PLATFORM_PDFBESIDE_H
#define PLATFORM_PDFBESIDE_H

#include <QString>

class QPrinter;

// True when the print job finished the PDF at path (it ends with the PDF
// end-of-file mark); otherwise *why says why not, as far as the folder
// tells: "No space left on device" on a full disk.
bool PdfWrittenWhole(const QString& path, QString* why);

class PdfBeside {
 public:
  // Points printer (which must outlive this) at the file beside its target.
  explicit PdfBeside(QPrinter* printer);
  // Removes what is left beside the target and points the printer at the
  // target again.
  ~PdfBeside();
  PdfBeside(const PdfBeside&) = delete;
  PdfBeside& operator=(const PdfBeside&) = delete;

  enum class Result { NothingPrinted, Saved, Failed };
  // After the print job ended: the file in place of the target, or why not
  // ("No space left on device", "the file could not be written in full").
  Result finish(QString* why);
  // The target, as the user chose it.
  const QString& target() const { return target_; }

 private:
  QPrinter* printer_ = nullptr;  // nullptr: not a PDF file
  QString target_;
  QString beside_;      // empty: it could not be created
  QString notCreated_;  // why not
};

#endif  // PLATFORM_PDFBESIDE_H
