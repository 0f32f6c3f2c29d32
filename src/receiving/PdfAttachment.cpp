#include "receiving/PdfAttachment.h"

#include <QCoreApplication>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFEmbeddedFileDocumentHelper.hh>
#include <qpdf/QPDFFileSpecObjectHelper.hh>
#include <qpdf/QPDFLogger.hh>
#include <exception>

#include "platform/GuardedXml.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(PdfAttachment)
};

const char* const kNames[] = {"factur-x.xml", "zugferd-invoice.xml", "xrechnung.xml"};

// Collects a stream's decoded bytes up to a bound and stops the decoding
// beyond it, so that a small compressed stream cannot unpack into memory
// without end.
class BoundedSink : public Pipeline {
 public:
  struct Full {};
  explicit BoundedSink(qsizetype largest) : Pipeline("bounded sink", nullptr), largest_(largest) {}
  void write(unsigned char const* data, size_t len) override {
    if (full_ || qsizetype(len) > largest_ - bytes_.size()) {
      full_ = true;
      throw Full{};
    }
    bytes_.append(reinterpret_cast<const char*>(data), qsizetype(len));
  }
  void finish() override {}
  bool full() const { return full_; }
  const QByteArray& bytes() const { return bytes_; }

 private:
  qsizetype largest_;
  QByteArray bytes_;
  bool full_ = false;
};

PdfAttachment Failed(PdfAttachment::Result result, const QString& why) {
  PdfAttachment a;
  a.result = result;
  a.error = why;
  return a;
}

QString DamagedReason() { return Tr::tr("it is a damaged PDF file that cannot be read"); }

}  // namespace

bool LooksLikePdf(const QByteArray& bytes) { return bytes.left(1024).contains("%PDF-"); }

PdfAttachment ReadPdfAttachment(const QByteArray& bytes) {
  if (bytes.size() > kLargestPdf)
    //: %1 the largest size read, in MB.
    return Failed(PdfAttachment::Result::TooLarge,
                  Tr::tr("it is larger than %1 MB, the most that is read of a PDF file").arg(kLargestPdf >> 20));
  try {
    // qpdf's warnings mean nothing to the person and would spoil the
    // command's one line on standard error. Those about objects that
    // belong to no document (a number where a file's dictionary should
    // be) go to qpdf's default logger, so that one is kept quiet too.
    static const std::shared_ptr<QPDFLogger> quiet = [] {
      std::shared_ptr<QPDFLogger> logger = QPDFLogger::defaultLogger();
      logger->setWarn(logger->discard());
      logger->setError(logger->discard());
      logger->setInfo(logger->discard());
      return logger;
    }();
    QPDF pdf;
    pdf.setLogger(quiet);
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("received PDF", bytes.constData(), size_t(bytes.size()));
    QPDFEmbeddedFileDocumentHelper files(pdf);
    for (const auto& [key, attached] : files.getEmbeddedFiles()) {
      const QString name = QString::fromStdString(attached->getFilename());
      bool ours = false;
      for (const char* wanted : kNames) ours = ours || name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
      if (!ours) continue;
      QPDFObjectHandle stream = attached->getEmbeddedFileStream();
      if (!stream.isStream()) continue;
      BoundedSink sink(GuardedXml::kLargest);
      bool decoded = false;
      try {
        decoded = stream.pipeStreamData(&sink, 0, qpdf_dl_generalized, true, false);
      } catch (const BoundedSink::Full&) {
      }
      if (sink.full())
        return Failed(PdfAttachment::Result::TooLarge, GuardedXml::TooLargeReason(GuardedXml::kLargest + 1));
      if (!decoded)
        //: %1 the embedded file's name.
        return Failed(PdfAttachment::Result::Damaged, Tr::tr("its embedded file %1 cannot be unpacked").arg(name));
      PdfAttachment found;
      found.result = PdfAttachment::Result::Found;
      found.name = name;
      found.xml = sink.bytes();
      return found;
    }
    if (pdf.anyWarnings()) return Failed(PdfAttachment::Result::Damaged, DamagedReason());
  } catch (const std::exception&) {
    return Failed(PdfAttachment::Result::Damaged, DamagedReason());
  }
  return Failed(PdfAttachment::Result::NoEInvoice,
                Tr::tr("it is a PDF file that contains no e-invoice (no factur-x.xml, zugferd-invoice.xml or "
                       "xrechnung.xml)"));
}
