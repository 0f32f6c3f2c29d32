// Received e-invoices: `tallowby receive --data DIR FOLDER` checking,
// archiving and registering a folder of 100 and of 1 000 XRechnung files
// (two lines each, every file another invoice number), each into a fresh
// data folder; prints the wall-clock and CPU seconds, the milliseconds per
// file and the program's peak memory, then the ratios 1 000 / 100 of the
// time (10 when it grows with the files alone) and of the peak memory (1
// when it stays flat). Then one invoice of 10 000 lines read,
// checked and made into the report window's document, in a child process
// (about 10 MB: a CII line takes about 1 kB even without indentation).
//   receive_bench [--keep DIR]
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "ChildRun.h"
#include "data/SupplyTables.h"
#include "einvoice/CiiWriter.h"
#include "einvoice/TestSupport.h"
#include "printing/RptUtil.h"
#include "receiving/ReceivedChecks.h"
#include "receiving/ReceivedDocument.h"
#include "receiving/ReceivedRead.h"

namespace {

constexpr int kSizes[] = {100, 1000};
constexpr int kLargeLines = 10000;

[[noreturn]] void Fail(const QString& what) {
  std::fprintf(stderr, "receive_bench: %s\n", qPrintable(what));
  std::exit(1);
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) Fail(path + ": cannot be written");
}

// One invoice of n lines with its totals in step.
EInvoice LargeInvoice(int n) {
  EInvoice inv = SampleInvoice();
  const InvoiceLine first = inv.lines.first();
  inv.lines.clear();
  for (int i = 1; i <= n; ++i) {
    InvoiceLine l = first;
    l.id = QString::number(i);
    l.sellerItemId = QStringLiteral("CANDLE-%1").arg(i % 500);
    l.name = QStringLiteral("Candle %1").arg(i);
    l.note.clear();
    inv.lines << l;
  }
  inv.lineTotal = first.net * n;
  inv.taxBasis = inv.lineTotal + inv.chargeTotal;
  inv.taxTotal = (inv.taxBasis * 19 + 50) / 100;
  inv.vat = {{first.vat, inv.taxBasis, inv.taxTotal, QString()}};
  inv.grandTotal = inv.taxBasis + inv.taxTotal;
  inv.paid = 0;
  inv.due = inv.grandTotal;
  return inv;
}

// Counts a document's lines and keeps none.
struct CountingSink : ReportLineSink {
  long lines = 0;
  void put(const QStringList&) override { ++lines; }
};

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QString keep;
  if (argc == 3 && QByteArray(argv[1]) == "--keep") keep = QString::fromLocal8Bit(argv[2]);
  else if (argc != 1) Fail("usage: receive_bench [--keep DIR]");
  QTemporaryDir temp;
  const QString root = keep.isEmpty() ? temp.path() : keep;

  std::printf("%8s %9s %9s %10s %9s\n", "files", "wall s", "cpu s", "ms/file", "peak MB");
  bench::ChildRun runs[2];
  for (int k = 0; k < 2; ++k) {
    const int n = kSizes[k];
    const QString files = QStringLiteral("%1/files-%2").arg(root).arg(n);
    const QString data = QStringLiteral("%1/data-%2").arg(root).arg(n);
    QDir(files).removeRecursively();
    QDir(data).removeRecursively();
    QDir().mkpath(files);
    QDir().mkpath(data);
    if (!bench::RunApart([&] {
          QString error;
          if (!WriteSuppliedTables(data, &error)) Fail(error);
          EInvoice inv = SampleInvoice();
          for (int i = 0; i < n; ++i) {
            inv.number = QString::number(100000 + i);
            Write(QStringLiteral("%1/%2.xml").arg(files, inv.number), WriteCii(inv, CiiFlavour::XRechnung));
          }
        }).ok)
      Fail("cannot write the files");
    // The program's line per file is not the measure.
    std::fflush(stdout);
    const int saved = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    runs[k] = bench::RunProgram(TALLOWBY_PROGRAM, {"receive", "--data", data, files});
    dup2(saved, 1);
    close(null);
    close(saved);
    if (!runs[k].ok) Fail(QStringLiteral("tallowby receive failed for %1 files").arg(n));
    const qsizetype archived = QDir(data + "/Received").entryList(QDir::Files).size();
    if (archived != n) Fail(QStringLiteral("%1 files archived, not %2").arg(archived).arg(n));
    std::printf("%8d %9.2f %9.2f %10.2f %9.1f\n", n, runs[k].wall, runs[k].cpu, runs[k].wall * 1000 / n,
                runs[k].peakMb);
    std::fflush(stdout);
  }
  std::printf("ratio %d/%d: time %.2f (files %.0f), peak memory %.2f\n", kSizes[1], kSizes[0],
              runs[1].wall / runs[0].wall, double(kSizes[1]) / kSizes[0], runs[1].peakMb / runs[0].peakMb);

  std::fflush(stdout);  // not written again by the children
  const QString large = root + "/large.xml";
  // Without the indentation between the elements, as many senders write.
  if (!bench::RunApart([&] {
        Write(large, QString::fromUtf8(WriteCii(LargeInvoice(kLargeLines), CiiFlavour::XRechnung))
                         .replace(QRegularExpression(">\\s+<"), "><")
                         .toUtf8());
      }).ok)
    Fail("cannot write the large invoice");
  const bench::ChildRun read = bench::RunApart([&] {
    QFile f(large);
    if (!f.open(QIODevice::ReadOnly)) std::_Exit(1);
    const ReceivedRead got = ReadReceived(f.readAll());
    if (!got.ok() || got.invoice.lines.size() != kLargeLines) std::_Exit(1);
    ReceivedDocumentRequest request{got.invoice, CheckReceived(got.invoice), large};
    CountingSink sink;
    BuildReceivedDocument(request, sink);
    FinishReport();
    std::printf("%d lines, %.1f MB: read, checked (%ld findings) and made a document of %ld lines\n",
                kLargeLines, double(QFileInfo(large).size()) / (1 << 20), long(request.findings.size()), sink.lines);
    std::fflush(stdout);
  });
  if (!read.ok) Fail("the large invoice was not read");
  std::printf("large invoice: wall %.2f s, cpu %.2f s, peak %.1f MB\n", read.wall, read.cpu, read.peakMb);
  return 0;
}
