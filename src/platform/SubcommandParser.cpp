#include "platform/SubcommandParser.h"

#include <QCoreApplication>
#include <QDir>

#include "Version.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(SubcommandParser)
};

}  // namespace

SubcommandParser::SubcommandParser(const QString& name, const QString& usage, const QString& description,
                                   QTextStream& out, QTextStream& err)
    : name_(name),
      usage_(usage),
      out_(out),
      err_(err),
      help_({"h", "help"}, Tr::tr("Displays this help.")),
      version_({"v", "version"}, Tr::tr("Displays version information.")) {
  parser_.setApplicationDescription(description);
  parser_.addOption(help_);
  parser_.addOption(version_);
  parser_.addOption({"data", Tr::tr("Data folder (default: the current folder)."), "DIR"});
  parser_.addOption({"language", Tr::tr("Language of the messages: de, fr or en."), "LANG"});
}

std::optional<int> SubcommandParser::parse(const QStringList& args) {
  if (!parser_.parse(QStringList{QStringLiteral("tallowby ") + name_} + args)) return unusable(parser_.errorText());
  if (parser_.isSet(help_)) {
    out_ << parser_.helpText() << Qt::flush;
    return 0;
  }
  if (parser_.isSet(version_)) {
    out_ << "tallowby " << TALLOWBY_VERSION << Qt::endl;
    return 0;
  }
  return std::nullopt;
}

void SubcommandParser::say(const QString& text) const {
  err_ << "tallowby " << name_ << ": " << text.simplified() << Qt::endl;
}

int SubcommandParser::unusable(const QString& text) const {
  say(text);
  //: %1 is the command with its arguments, %2 the command's name.
  err_ << Tr::tr("usage: %1 (see tallowby %2 --help)").arg(usage_, name_) << Qt::endl;
  return 2;
}

QString SubcommandParser::dataFolder() const {
  const QString data = parser_.value("data");
  return data.isEmpty() ? QDir::currentPath() : data;
}
