#include "data/Leftovers.h"

#include <QDir>
#include <QFile>

#include "data/ReceivedRegister.h"
#include "tbengine/engine.h"

namespace {

bool EndsWith(const QString& name, const char* suffix) {
  return name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive);
}

// Files nobody finishes: they are simply removed.
bool HalfWritten(const QString& name) {
  return EndsWith(name, ".ntx.tmp") || EndsWith(name, ".ntx.tbpack.tmp") ||
         EndsWith(name, ".cgp.tbnew") || name.endsWith(QLatin1String(".tbcopy"));
}

// Files the engine finishes or discards when it opens their table.
bool OfARewrite(const QString& name) {
  return name.endsWith(QLatin1String(".tbpack")) || name.endsWith(QLatin1String(".tbmemo"));
}

// The folder's files and those of the received files' archive, which is
// written beside and linked in place as well.
QStringList Files(const QString& dir) {
  const auto of = [](const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
  };
  QStringList files = of(dir);
  const QString archive = QString::fromLatin1(kReceivedFolder);
  for (const QString& name : of(QDir(dir).filePath(archive))) files << archive + QLatin1Char('/') + name;
  return files;
}

}  // namespace

QStringList LeftoversIn(const QString& dir) {
  QStringList found;
  for (const QString& name : Files(dir)) {
    if (HalfWritten(name) || OfARewrite(name)) found << name;
  }
  return found;
}

void RemoveLeftovers(const QString& dir) {
  const QStringList leftovers = LeftoversIn(dir);
  if (leftovers.isEmpty()) return;
  const QDir folder(dir);
  for (const QString& name : leftovers) {
    if (HalfWritten(name)) QFile::remove(folder.filePath(name));
  }
  bool rewrites = false;
  for (const QString& name : leftovers) rewrites = rewrites || OfARewrite(name);
  if (!rewrites) return;
  CODE4* c = code4initP();
  code4autoOpen(c, 0);
  for (const QString& name : folder.entryList({QStringLiteral("*.dbf")}, QDir::Files)) {
    if (DATA4* d = d4open(c, QFile::encodeName(folder.filePath(name)).constData())) d4close(d);
    code4errorCode(c, 0);
  }
  code4initUndoP(c);
}
