#include "receiving/ReceiveCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include "platform/SubcommandParser.h"
#include "receiving/PdfAttachment.h"
#include "receiving/ReceivedChecks.h"
#include "receiving/ReceivedJson.h"
#include "receiving/ReceivedRead.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceiveCommand)
};

// What the arguments ask for. Only showing one file for now; registering
// files into a data folder (--data DIR FILE...) takes the same files.
struct ReceiveRequest {
  bool show = false;
  QStringList files;
};

}  // namespace

int RunReceiveCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  SubcommandParser command(
      QStringLiteral("receive"), QStringLiteral("tallowby receive --show FILE"),
      Tr::tr("Reads a received e-invoice (XRechnung, ZUGFeRD or Factur-X CII, Peppol or XRechnung UBL, a Factur-X "
             "or ZUGFeRD PDF), checks it and shows its terms."),
      out, err);
  QCommandLineParser& parser = command.parser();
  const QCommandLineOption show("show", Tr::tr("Prints the invoice's business terms and the findings as JSON."));
  parser.addOption(show);
  parser.addPositionalArgument("FILE", Tr::tr("The received e-invoice."), "FILE");
  if (const std::optional<int> ended = command.parse(args)) return *ended;
  const auto say = [&command](const QString& text) { command.say(text); };
  const auto unusable = [&command](const QString& text) { return command.unusable(text); };
  // Registering into a data folder comes next; until then --data is refused, not ignored.
  if (parser.isSet("data")) return unusable(Tr::tr("--data: received files are not registered yet; use --show"));
  ReceiveRequest request;
  request.show = parser.isSet(show);
  request.files = parser.positionalArguments();
  if (!request.show) return unusable(Tr::tr("say what to do with the file: --show"));
  if (request.files.size() != 1) return unusable(Tr::tr("--show takes one file"));

  const QString name = request.files.first();
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    say(Tr::tr("%1 cannot be read: %2").arg(name, file.errorString()));
    return 1;
  }
  // Nothing larger than the largest PDF is read at all.
  if (file.size() > kLargestPdf) {
    //: %1 a file, %2 the largest size read in MB.
    say(Tr::tr("%1 is refused: it is larger than %2 MB").arg(name).arg(kLargestPdf >> 20));
    return 1;
  }
  const ReceivedRead read = ReadReceived(file.read(kLargestPdf + 1));
  if (!read.ok()) {
    //: %1 a file, %2 why it is no e-invoice.
    say(Tr::tr("%1 is not an e-invoice that can be read: %2").arg(name, read.error));
    return 1;
  }
  out << QString::fromUtf8(ReceivedJson(read, CheckReceived(read.invoice))) << Qt::flush;
  return 0;
}

int RunReceiveCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunReceiveCommand(args, out, err);
}
