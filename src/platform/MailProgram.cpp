#include "platform/MailProgram.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(MailProgram)
};

constexpr char kFolderPrefix[] = "tallowby-mail-";
// How long xdg-email may take to say whether it opened the message; one
// still running then is the mail program itself, left to run.
constexpr int kVerdictMs = 3000;
constexpr qint64 kFolderLifeSeconds = 24 * 60 * 60;

std::function<bool(const MailDraft&, QString*)>& Replacement() {
  static std::function<bool(const MailDraft&, QString*)> program;
  return program;
}

// What xdg-email said last on its error output, or its exit status.
QString Failure(QProcess& process) {
  const QStringList lines =
      QString::fromLocal8Bit(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  if (!lines.isEmpty()) return lines.last().trimmed();
  //: %1 is a number.
  return Tr::tr("xdg-email ended with exit status %1").arg(process.exitCode());
}

bool StartXdgEmail(const MailDraft& draft, QString* why) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (program.isEmpty()) {
    *why = Tr::tr("no mail program can be opened: xdg-email is not installed (package xdg-utils)");
    return false;
  }
  QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), draft.subject,
                        QStringLiteral("--attach"), draft.attachment};
  if (IsPlainMailAddress(draft.to)) arguments << draft.to;
  // Never deleted while it runs: that would end the mail program too.
  auto* process = new QProcess;
  process->setStandardOutputFile(QProcess::nullDevice());
  process->start(program, arguments);
  if (!process->waitForStarted()) {
    delete process;
    *why = Tr::tr("the mail program could not be started (xdg-email)");
    return false;
  }
  if (!process->waitForFinished(kVerdictMs)) {
    QObject::connect(process, &QProcess::readyReadStandardError, process,
                     [process] { process->readAllStandardError(); });
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    return true;
  }
  const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
  //: %1 what xdg-email said ("xdg-email: unexpected option ...") or its exit status.
  if (!opened) *why = Tr::tr("the mail program did not open the message (%1)").arg(Failure(*process));
  delete process;
  return opened;
}

}  // namespace

bool IsPlainMailAddress(const QString& address) {
  if (address.count(QLatin1Char('@')) != 1 || address.startsWith(QLatin1Char('-')) ||
      address.startsWith(QLatin1Char('@')) || address.endsWith(QLatin1Char('@')) ||
      address.contains(QLatin1String("mailto:"), Qt::CaseInsensitive))
    return false;
  for (const QChar c : address) {
    if (c.isSpace() || c.category() == QChar::Other_Control || c == QLatin1Char('?') ||
        c == QLatin1Char('&') || c == QLatin1Char('%'))
      return false;
  }
  return true;
}

bool OpenMailProgram(const MailDraft& draft, QString* why) {
  if (Replacement()) return Replacement()(draft, why);
  return StartXdgEmail(draft, why);
}

QString NewMailFolder(QString* why) {
  QTemporaryDir folder(QDir::temp().filePath(QLatin1String(kFolderPrefix) + QStringLiteral("XXXXXX")));
  if (!folder.isValid()) {
    *why = folder.errorString();
    return QString();
  }
  folder.setAutoRemove(false);
  return folder.path();
}

void RemoveOldMailFolders(const QDateTime& now) {
  const QDir temp = QDir::temp();
  const QFileInfoList folders = temp.entryInfoList({QLatin1String(kFolderPrefix) + QLatin1Char('*')},
                                                   QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
  for (const QFileInfo& folder : folders) {
    if (folder.isDir() && !folder.isSymLink() && folder.lastModified().secsTo(now) > kFolderLifeSeconds &&
        folder.ownerId() == ::getuid())
      QDir(folder.filePath()).removeRecursively();
  }
}

void SetMailProgramForTests(std::function<bool(const MailDraft&, QString*)> program) {
  Replacement() = std::move(program);
}
