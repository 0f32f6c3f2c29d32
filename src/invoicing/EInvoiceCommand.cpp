#include "invoicing/EInvoiceCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "data/EInvoiceTables.h"
#include "data/FolderLock.h"
#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "invoicing/EInvoiceFiles.h"
#include "printing/BatchRunner.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(EInvoiceCommand)
};

class EInvoiceJob {
 public:
  bool read(const QCommandLineParser& parser, QString* error);
  BatchResult build(BatchOutput& output);

 private:
  QList<long> invoices_;
  TDate from_ = 0, to_ = 0;
  bool span_ = false;
  EInvoiceFormat format_ = EInvoiceFormat::FacturX;
};

bool EInvoiceJob::read(const QCommandLineParser& parser, QString* error) {
  if (!parser.positionalArguments().isEmpty()) {
    //: %1 the words given that the command does not take.
    *error = Tr::tr("unexpected: %1").arg(parser.positionalArguments().join(' '));
    return false;
  }
  const bool listed = parser.isSet("invoice");
  span_ = parser.isSet("from") || parser.isSet("to");
  if (listed == span_) {
    *error = Tr::tr("give either --invoice N[,N...] or --from and --to");
    return false;
  }
  if (listed && !ParseNumberList("invoice", parser.value("invoice"), 999999, &invoices_, error))
    return false;
  if (span_) {
    if (!parser.isSet("from") || !parser.isSet("to")) {
      *error = Tr::tr("a span needs both --from and --to");
      return false;
    }
    if (!ParseDateOption("from", parser.value("from"), &from_, error) ||
        !ParseDateOption("to", parser.value("to"), &to_, error))
      return false;
    if (from_ > to_) {
      *error = Tr::tr("Ending Date must be greater than or equal to Starting Date.");
      return false;
    }
  }
  if (!FormatOfWord(parser.value("format"), &format_)) {
    //: facturx, xrechnung and ubl are typed as they are.
    *error = Tr::tr("--format is facturx, xrechnung or ubl");
    return false;
  }
  return true;
}

BatchResult EInvoiceJob::build(BatchOutput& output) {
  TablesClosedAtEnd tables;
  if (!OpenInvoiceTables()) return {BatchResult::Kind::Failed, QString()};
  if (span_) invoices_ = InvoicesOfSpan(from_, to_);
  if (invoices_.isEmpty())
    return {BatchResult::Kind::Nothing, Tr::tr("No Invoices within selected dates.")};

  // Issuing writes the invoices' states: beside no program holding the
  // folder, whose open tables would overwrite them.
  std::unique_ptr<FolderLock> lock;
  if (ReadSellerDetails().finalInvoices) {
    QString why;
    if (!(lock = HoldFolderForWriting(DataDirectory(), &why))) return {BatchResult::Kind::Failed, why};
  }
  QStringList refused;
  const QString& target = output.target();
  if (!span_ && invoices_.size() == 1) {
    // One invoice: the target is its file.
    const long n = invoices_.first();
    d4tagSelect(Inv5.d, d4tag(Inv5.d, "inv"));
    if (!SeekNumber(Inv5.d, Inv5.IvNo, n))
      return {BatchResult::Kind::Unusable, Tr::tr("--invoice: there is no invoice %1").arg(n)};
    const EInvoiceBuilt built = EInvoiceOfRecord(format_);
    QString why;
    if (!built.problems.isEmpty())
      refused << RefusedInvoice(n, built.problems.join(QStringLiteral("; ")));
    else if (!WriteEInvoice(built, format_, target, &why))
      refused << RefusedInvoice(n, why);
  } else {
    if (!QDir().mkpath(target))
      return {BatchResult::Kind::Failed, Tr::tr("Unable to save to: %1").arg(target)};
    refused = SaveEInvoices(invoices_, format_, target);
  }
  if (refused.isEmpty()) return {};
  return {BatchResult::Kind::Failed, refused.join(QLatin1Char('\n'))};
}

BatchCommand EInvoiceCommand(EInvoiceJob& job) {
  BatchCommand c;
  c.name = QStringLiteral("einvoice");
  //: The command, its options and the format words are typed as they are.
  c.usage = Tr::tr(
      "tallowby einvoice (--invoice N[,N...] | --from YYYY-MM-DD --to YYYY-MM-DD) "
      "--format facturx|xrechnung|ubl --out FILE|DIR");
  c.description = Tr::tr(
      "Saves invoices of the data folder as electronic invoices (EN 16931): Factur-X PDF, "
      "XRechnung (CII) or Peppol (UBL). One invoice goes into FILE, several into DIR, one file "
      "per invoice named by its number.");
  c.options = {
      {"invoice", Tr::tr("The invoices by number."), "N,N,..."},
      {"from", Tr::tr("First invoice date of the span."), "YYYY-MM-DD"},
      {"to", Tr::tr("Last invoice date of the span."), "YYYY-MM-DD"},
      //: facturx, xrechnung and ubl are typed as they are.
      {"format", Tr::tr("facturx (PDF), xrechnung (CII XML) or ubl (Peppol UBL XML)."),
       "facturx|xrechnung|ubl"},
  };
  c.read = [&job](const QCommandLineParser& parser, QString* error) { return job.read(parser, error); };
  c.outputKind = [] { return BatchOutput::Kind::Files; };
  c.build = [&job](BatchOutput& output) { return job.build(output); };
  return c;
}

}  // namespace

int RunEInvoiceCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  EInvoiceJob job;
  return RunBatchCommand(EInvoiceCommand(job), args, out, err);
}

int RunEInvoiceCommand(int argc, char* argv[]) {
  EInvoiceJob job;
  return RunBatchCommand(EInvoiceCommand(job), argc, argv);
}
