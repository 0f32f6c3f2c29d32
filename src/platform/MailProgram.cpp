#include "platform/MailProgram.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(MailProgram)
};

std::function<bool(const MailDraft&, QString*)>& Replacement() {
  static std::function<bool(const MailDraft&, QString*)> program;
  return program;
}

bool StartXdgEmail(const MailDraft& draft, QString* why) {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
  if (program.isEmpty()) {
    *why = Tr::tr("no mail program can be opened: xdg-email is not installed (package xdg-utils)");
    return false;
  }
  QStringList arguments{QStringLiteral("--utf8"), QStringLiteral("--subject"), draft.subject,
                        QStringLiteral("--attach"), draft.attachment};
  if (!draft.to.isEmpty()) arguments << draft.to;
  // Detached: the mail program outlives the question that opened it.
  if (QProcess::startDetached(program, arguments)) return true;
  *why = Tr::tr("the mail program could not be started (xdg-email)");
  return false;
}

}  // namespace

bool OpenMailProgram(const MailDraft& draft, QString* why) {
  if (Replacement()) return Replacement()(draft, why);
  return StartXdgEmail(draft, why);
}

void SetMailProgramForTests(std::function<bool(const MailDraft&, QString*)> program) {
  Replacement() = std::move(program);
}
