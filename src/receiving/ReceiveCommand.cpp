#include "receiving/ReceiveCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include "Version.h"
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
  const auto say = [&](const QString& text) { err << "tallowby receive: " << text.simplified() << Qt::endl; };
  QCommandLineParser parser;
  parser.setApplicationDescription(
      Tr::tr("Reads a received e-invoice (XRechnung, ZUGFeRD or Factur-X CII, Peppol or XRechnung UBL, a Factur-X "
             "or ZUGFeRD PDF), checks it and shows its terms."));
  const QCommandLineOption help({"h", "help"}, Tr::tr("Displays this help."));
  const QCommandLineOption version({"v", "version"}, Tr::tr("Displays version information."));
  const QCommandLineOption show("show", Tr::tr("Prints the invoice's business terms and the findings as JSON."));
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption({"language", Tr::tr("Language of the messages: de, fr or en."), "LANG"});
  parser.addOption(show);
  parser.addPositionalArgument("FILE", Tr::tr("The received e-invoice."), "FILE");
  const auto unusable = [&](const QString& text) {
    say(text);
    err << Tr::tr("usage: %1 (see tallowby %2 --help)")
               .arg(QStringLiteral("tallowby receive --show FILE"), QStringLiteral("receive"))
        << Qt::endl;
    return 2;
  };
  if (!parser.parse(QStringList{QStringLiteral("tallowby receive")} + args)) return unusable(parser.errorText());
  if (parser.isSet(help)) {
    out << parser.helpText() << Qt::flush;
    return 0;
  }
  if (parser.isSet(version)) {
    out << "tallowby " << TALLOWBY_VERSION << Qt::endl;
    return 0;
  }
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
