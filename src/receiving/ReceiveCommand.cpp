#include "receiving/ReceiveCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/FolderCommand.h"
#include "data/dbFiles.h"

#include "platform/SubcommandParser.h"
#include "receiving/PdfAttachment.h"
#include "receiving/ReceiveFiles.h"
#include "receiving/ReceivedBooking.h"
#include "receiving/ReceivedChecks.h"
#include "receiving/ReceivedJson.h"
#include "receiving/ReceivedRead.h"
#include "receiving/OfficialRules.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(ReceiveCommand)
};

// The files named: each folder stands for its XML and PDF files, in name
// order (a mail folder's other files are not e-invoices).
QStringList FilesNamed(const QStringList& args) {
  QStringList files;
  for (const QString& arg : args) {
    if (!QFileInfo(arg).isDir()) {
      files << arg;
      continue;
    }
    const QDir dir(arg);
    for (const QString& n : dir.entryList({"*.xml", "*.pdf", "*.XML", "*.PDF"}, QDir::Files, QDir::Name))
      files << dir.filePath(n);
  }
  return files;
}

// The file's bytes; false, *error set, when it cannot be read or is larger
// than any e-invoice read.
bool ReadFile(const QString& name, QByteArray* bytes, QString* error) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = Tr::tr("%1 cannot be read: %2").arg(name, file.errorString());
    return false;
  }
  if (file.size() > kLargestPdf) {
    //: %1 a file, %2 the largest size read in MB.
    *error = Tr::tr("%1 is refused: it is larger than %2 MB").arg(name).arg(kLargestPdf >> 20);
    return false;
  }
  *bytes = file.read(kLargestPdf + 1);
  return true;
}

// What booking did with each line, one line each.
QStringList BookingLines(const QList<BookingLine>& lines) {
  QStringList text;
  for (const BookingLine& l : lines) {
    const QString what = l.itemId.isEmpty() ? l.name : QStringLiteral("%1 (%2)").arg(l.name, l.itemId);
    if (l.product.isEmpty())
      //: %1 the line's number, %2 its item.
      text << Tr::tr("line %1, %2: not booked, no product of that item").arg(l.lineId, what);
    else
      //: %1 the line's number, %2 its item, %3 a product code, %4 the quantity.
      text << Tr::tr("line %1, %2: booked as %3, quantity %4").arg(l.lineId, what, l.product).arg(l.quantity);
  }
  return text;
}

}  // namespace

int RunReceiveCommand(const QStringList& args, QTextStream& out, QTextStream& err) {
  SubcommandParser command(
      QStringLiteral("receive"), QStringLiteral("tallowby receive [--official] --show FILE | --data DIR [--book] FILE...|FOLDER"),
      Tr::tr("Reads received e-invoices (XRechnung, ZUGFeRD or Factur-X CII, Peppol or XRechnung UBL, Factur-X "
             "or ZUGFeRD PDFs), checks them and shows their terms, or keeps them in a data folder's register."),
      out, err);
  QCommandLineParser& parser = command.parser();
  const QCommandLineOption show("show", Tr::tr("Prints the invoice's business terms and the findings as JSON."));
  const QCommandLineOption book("book", Tr::tr("Books the lines whose items are products as purchases."));
  const QCommandLineOption official("official", Tr::tr("Also runs the official EN 16931 rules (and XRechnung's or "
                                                       "Peppol's), where Saxon HE and Java are installed."));
  parser.addOption(show);
  parser.addOption(official);
  parser.addOption(book);
  parser.addPositionalArgument("FILE", Tr::tr("The received e-invoices, or folders of them."), "FILE...");
  if (const std::optional<int> ended = command.parse(args)) return *ended;
  const auto say = [&command](const QString& text) { command.say(text); };
  const auto unusable = [&command](const QString& text) { return command.unusable(text); };
  const QStringList named = parser.positionalArguments();
  if (parser.isSet(show)) {
    if (parser.isSet("data") || parser.isSet(book)) return unusable(Tr::tr("--show writes nothing: no --data or --book"));
    if (named.size() != 1) return unusable(Tr::tr("--show takes one file"));
    QByteArray bytes;
    QString error;
    if (!ReadFile(named.first(), &bytes, &error)) {
      say(error);
      return 1;
    }
    const ReceivedRead read = ReadReceived(bytes);
    if (!read.ok()) {
      //: %1 a file, %2 why it is no e-invoice.
      say(Tr::tr("%1 is not an e-invoice that can be read: %2").arg(named.first(), read.error));
      return 1;
    }
    out << QString::fromUtf8(ReceivedJson(read, ReceivedFindings(read, parser.isSet(official)))) << Qt::flush;
    return 0;
  }
  if (!parser.isSet("data"))
    return unusable(Tr::tr("say what to do with the files: --show, or --data DIR to keep them in its register"));
  if (named.isEmpty()) return unusable(Tr::tr("name at least one received file or folder"));
  const QDir dataDir(command.dataFolder());
  if (!dataDir.exists()) {
    say(Tr::tr("no such data folder: %1").arg(parser.value("data")));
    return 1;
  }
  const QStringList files = FilesNamed(named);
  return RunOnDataFolder(dataDir.absolutePath(), FolderUse::Writes, say, [&] {
    if (!DataFilesPresent()) {
      say(Tr::tr("%1 holds no tables of the program").arg(dataDir.absolutePath()));
      return 1;
    }
    TablesClosedAtEnd tables;
    if (parser.isSet(book) && (!OpenProd5() || !OpenPur5())) return 1;
    int status = 0;
    for (const QString& name : files) {
      QByteArray bytes;
      QString error;
      if (!ReadFile(name, &bytes, &error)) {
        say(error);
        status = 1;
        continue;
      }
      const ReceiveOutcome received = ReceiveFile(name, bytes, parser.isSet(official));
      if (!received.ok()) {
        say(received.line);
        status = 1;
        continue;
      }
      out << received.line << Qt::endl;
      if (!parser.isSet(book)) continue;
      const ReceivedRecord& r = received.record;
      const QList<BookingLine> lines = ProposeBooking(received.read.invoice);
      const ReceivedBookingOutcome booked = BookReceived(r, r.date > 0 ? r.date : r.received, lines);
      if (!booked.ok) {
        //: %1 a file, %2 why it was not booked.
        say(Tr::tr("%1 was not booked: %2").arg(name, booked.error));
        status = 1;
        continue;
      }
      for (const QString& line : BookingLines(lines)) out << "  " << line << Qt::endl;
      //: %n purchases booked from the invoice.
      out << "  " << Tr::tr("%n purchase(s) booked.", nullptr, booked.booked) << Qt::endl;
    }
    return status;
  });
}

int RunReceiveCommand(int argc, char* argv[]) {
  QStringList args;
  for (int i = 2; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QTextStream out(stdout);
  QTextStream err(stderr);
  return RunReceiveCommand(args, out, err);
}
