#include "printing/ReportStream.h"

#include <QIODevice>

#include "platform/PainterCanvas.h"
#include "printing/ReportRender.h"

namespace {

class TextStream : public ReportFileStream {
 public:
  TextStream(QIODevice* file, ExportFormat format)
      : file_(file), format_(format), ok_(file->isWritable()) {}
  void put(const QStringList& cells) override {
    if (!ok_) return;
    QByteArray bytes = ExportLine(cells, format_).toUtf8();
    bytes += "\r\n";
    ok_ = file_->write(bytes) == bytes.size();
  }
  bool close() override { return ok_; }

 private:
  QIODevice* file_;
  ExportFormat format_;
  bool ok_;
};

class PrintStream : public ReportFileStream {
 public:
  explicit PrintStream(QPrinter* printer) : printer_(printer) {}
  void put(const QStringList& cells) override {
    if (!canvas_) {
      canvas_ = std::make_unique<PainterCanvas>(printer_);
      layout_ = LayoutReport(*canvas_, ReportFont(), Report().LineWidth, canvas_->pageSize().width());
      top_ = y_ = 3 * layout_.lh;
    }
    y_ = DrawReportLine(*canvas_, cells, layout_, y_, top_);
  }
  bool close() override {
    if (canvas_) canvas_->end();
    return true;
  }

 private:
  QPrinter* printer_;
  std::unique_ptr<PainterCanvas> canvas_;  // begun with the first line
  ReportLayout layout_;
  int top_ = 0, y_ = 0;
};

}  // namespace

std::unique_ptr<ReportFileStream> TextReportStream(QIODevice* file, ExportFormat format) {
  return std::make_unique<TextStream>(file, format);
}

std::unique_ptr<ReportFileStream> PrintReportStream(QPrinter* printer) {
  return std::make_unique<PrintStream>(printer);
}
