#include "payments/BankCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "data/EInvoiceTables.h"
#include "data/FolderCommand.h"
#include "data/InvoiceLoad.h"
#include "data/dbFiles.h"
#include "payments/BankBooking.h"
#include "platform/SubcommandParser.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(BankCommand)
};

}  // namespace

QStringList ProposalLines(const StatementProposal& proposal) {
  QStringList lines;
  for (const ProposedPayment& p : proposal.payments) {
    const QString what = QStringLiteral("%1  %2 %3  %4").arg(p.date.toString(Qt::ISODate), AmountText(p.payment.amount),
                                                            p.payment.currency, p.payment.payer);
    if (p.alreadyBooked)
      lines << Tr::tr("%1: booked before").arg(what);
    else if (p.invoice > 0)
      //: %1 the payment, %2 the invoice's number, %3 why.
      lines << Tr::tr("%1: invoice %2 (%3)").arg(what).arg(p.invoice).arg(p.match.reason);
    else
      //: %1 the payment, %2 why it matches no invoice.
      lines << Tr::tr("%1: open (%2)").arg(what, p.match.reason);
  }
  for (const QString& passed : proposal.passedBy) lines << Tr::tr("passed by: %1").arg(passed);
  return lines;
}

int RunBankCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  SubcommandParser command(
      QStringLiteral("bank"), QStringLiteral("tallowby bank [--data DIR] [--dry-run] FILE..."),
      Tr::tr("Books the payments of bank statements (camt.052, camt.053, camt.054) to the invoices they pay."), out,
      err);
  QCommandLineParser& parser = command.parser();
  const QCommandLineOption dryRun("dry-run", Tr::tr("Lists what would be booked and changes nothing."));
  parser.addOption(dryRun);
  parser.addPositionalArgument("FILE", Tr::tr("The bank statements, one or more."), "FILE...");
  if (const std::optional<int> ended = command.parse(args)) return *ended;
  const auto say = [&command](const QString& text) { command.say(text); };
  const QStringList files = parser.positionalArguments();
  if (files.isEmpty()) return command.unusable(Tr::tr("name at least one bank statement"));
  const QDir dataDir(command.dataFolder());
  if (!dataDir.exists()) {
    say(Tr::tr("no such data folder: %1").arg(parser.value("data")));
    return 1;
  }
  // Every statement read before anything is booked: an unreadable one
  // stops the command with nothing done.
  QList<BankStatement> statements;
  for (const QString& name : files) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
      say(Tr::tr("%1 cannot be read: %2").arg(name, file.errorString()));
      return 1;
    }
    const CamtRead read = ReadCamt(file.read(64 * 1024 * 1024 + 1));
    if (!read.ok) {
      //: %1 a file, %2 why it is no bank statement.
      say(Tr::tr("%1 is not a bank statement that can be read: %2").arg(name, read.error));
      return 1;
    }
    statements << read.statement;
  }

  return RunOnDataFolder(dataDir.absolutePath(), FolderUse::Writes, say, [&] {
    int status = 0;
    const QString currency = ReadSellerDetails().currency;
    TablesClosedAtEnd tables;
    if (!OpenInvoiceTables()) return 1;
    if (const QString why = UndoCutShortBooking(); !why.isEmpty()) {
      //: %1 why the earlier booking could not be taken back.
      say(Tr::tr("a booking cut short could not be taken back: %1").arg(why));
      return 1;
    }
    for (qsizetype i = 0; i < statements.size(); ++i) {
      const StatementProposal proposal = ProposeBookings(statements[i], currency, ReadOpenInvoices());
      out << files[i] << ":" << Qt::endl;
      for (const QString& line : ProposalLines(proposal)) out << "  " << line << Qt::endl;
      if (parser.isSet(dryRun)) continue;
      const BookingOutcome booked = BookPayments(proposal.payments);
      if (!booked.ok) {
        say(Tr::tr("%1: nothing was booked: %2").arg(files[i], booked.error));
        status = 1;
        continue;
      }
      //: %n payments booked from the statement.
      out << "  " << Tr::tr("%n payment(s) booked.", nullptr, booked.booked) << Qt::endl;
    }
    return status;
  });
}

int RunBankCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunBankCommand(args, out, err);
}
