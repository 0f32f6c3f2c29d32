#include "data/TableSwap.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "data/Leftovers.h"
#include "platform/FileCopy.h"

namespace {

struct Tr {
  Q_DECLARE_TR_FUNCTIONS(TableSwap)
};

const QString kStaging = QStringLiteral(".tbswap");
const QString kJournal = QStringLiteral("journal");
const QByteArray kJournalHead = "tallowby swap 1";

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

QByteArray Native(const QString& path) { return QFile::encodeName(path); }

struct JournalEntry {
  bool put;  // else remove
  QString staged, target;
};

bool ReadJournal(const QString& path, QList<JournalEntry>* entries, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = path + ": " + file.errorString();
    return false;
  }
  const QList<QByteArray> lines = file.readAll().split('\n');
  if (lines.isEmpty() || lines.first() != kJournalHead) {
    *error = Tr::tr("%1: not a journal of this program").arg(path);
    return false;
  }
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QList<QByteArray> parts = lines[i].split('\t');
    if (parts.size() == 3 && parts[0] == "put") {
      entries->append({true, QFile::decodeName(parts[1]), QFile::decodeName(parts[2])});
    } else if (parts.size() == 2 && parts[0] == "remove") {
      entries->append({false, QString(), QFile::decodeName(parts[1])});
    } else {
      *error = Tr::tr("%1: unreadable line %2").arg(path, QString::number(i + 1));
      return false;
    }
  }
  return true;
}

// Carries out a committed journal; each step may have been done already.
bool RunJournal(const QString& dataDir, const QString& staging, QString* error) {
  QList<JournalEntry> entries;
  if (!ReadJournal(QDir(staging).filePath(kJournal), &entries, error)) return false;
  const QDir data(dataDir);
  for (const JournalEntry& e : entries) {
    if (e.put) continue;
    if (::unlink(Native(data.filePath(e.target)).constData()) != 0 && errno != ENOENT) {
      *error = data.filePath(e.target) + ": " + SystemError();
      return false;
    }
  }
  QStringList folders{dataDir};
  for (const JournalEntry& e : entries) {
    if (!e.put) continue;
    const QString from = QDir(staging).filePath(e.staged);
    const QString to = data.filePath(e.target);
    if (!QFile::exists(from)) {
      if (QFile::exists(to)) continue;  // put in place before the interruption
      *error = Tr::tr("%1: missing, and %2 too").arg(from, to);
      return false;
    }
    // A file of a subfolder (the received files' archive) goes into it.
    const QString folder = QFileInfo(to).absolutePath();
    if (!folders.contains(folder)) {
      QDir().mkpath(folder);
      folders << folder;
    }
    if (::rename(Native(from).constData(), Native(to).constData()) != 0) {
      *error = to + ": " + SystemError();
      return false;
    }
  }
  for (const QString& folder : folders) {
    if (!FileCopy::sync(folder)) {
      *error = folder + ": " + SystemError();
      return false;
    }
  }
  return true;
}

bool RemoveStaging(const QString& staging) { return QDir(staging).removeRecursively(); }

}  // namespace

QString ExistingName(const QString& dir, const QString& fileName) {
  const QStringList names = QDir(dir).entryList(QDir::Files | QDir::Hidden);
  for (const QString& n : names) {
    if (n.compare(fileName, Qt::CaseInsensitive) == 0) return n;
  }
  return fileName;
}

TableSwap::TableSwap(const QString& dataDir) : dataDir_(QDir(dataDir).absolutePath()) {}

TableSwap::~TableSwap() {
  if (hold_.held()) discard();
}

QString TableSwap::stagingDir() const { return QDir(dataDir_).filePath(kStaging); }

QString TableSwap::stagedPath(const QString& fileName) const {
  return QDir(stagingDir()).filePath(fileName);
}

bool TableSwap::begin(QString* error) {
  switch (FinishInterruptedSwap(dataDir_, error, &hold_, FolderHold::Mode::Exclusive)) {
    case SwapRecovery::Busy:
      *error = FolderBusyReason(dataDir_);
      return false;
    case SwapRecovery::Failed:
      return false;
    default:
      break;
  }
  if (!QDir(dataDir_).mkdir(kStaging)) {
    *error = Tr::tr("%1: cannot create the folder").arg(stagingDir());
    hold_.release();
    return false;
  }
  FolderHold::SetSwapRunning(dataDir_, true);
  return true;
}

bool TableSwap::commit(const QStringList& files, const QStringList& remove, QString* error) {
  QByteArray journal = kJournalHead + "\n";
  for (const QString& f : files) {
    if (!FileCopy::sync(stagedPath(f))) {
      *error = stagedPath(f) + ": " + SystemError();
      return false;
    }
    journal += "put\t" + Native(f) + "\t" + Native(ExistingName(dataDir_, f)) + "\n";
  }
  for (const QString& f : remove) {
    if (QFile::exists(QDir(dataDir_).filePath(ExistingName(dataDir_, f))))
      journal += "remove\t" + Native(ExistingName(dataDir_, f)) + "\n";
  }
  // The commit point: once the journal is in place the swap is finished,
  // now or after a crash.
  QString detail;
  if (FileCopy::write(stagedPath(kJournal), journal, &detail) != FileCopy::Result::Ok) {
    *error = stagedPath(kJournal) + ": " + detail;
    return false;
  }
  if (!RunJournal(dataDir_, stagingDir(), error)) {
    // The journal stays for the next FinishInterruptedSwap.
    FolderHold::SetSwapRunning(dataDir_, false);
    hold_.release();
    return false;
  }
  discard();
  return true;
}

void TableSwap::discard() {
  RemoveStaging(stagingDir());
  FolderHold::SetSwapRunning(dataDir_, false);
  hold_.release();
}

namespace {

// Finishes (journal written) or undoes (not) the swap whose staging folder
// lies in dir; the caller holds dir exclusively.
SwapRecovery RecoverSwap(const QString& dir, QString* error) {
  const QString staging = QDir(dir).filePath(kStaging);
  if (!QFileInfo(staging).isDir()) return SwapRecovery::None;
  SwapRecovery result = SwapRecovery::Undone;
  if (QFile::exists(QDir(staging).filePath(kJournal))) {
    if (!RunJournal(dir, staging, error)) return SwapRecovery::Failed;
    result = SwapRecovery::Finished;
  }
  if (!RemoveStaging(staging)) {
    *error = Tr::tr("%1: cannot remove the folder").arg(staging);
    return SwapRecovery::Failed;
  }
  return result;
}

bool SwapLeftIn(const QString& dir) { return QFileInfo(QDir(dir).filePath(kStaging)).isDir(); }

// How long a command waits for another one's recovery (a few renames) to
// end before it says the folder is busy.
constexpr int kPatienceMs = 2000;

}  // namespace

SwapRecovery FinishInterruptedSwap(const QString& dir, QString* error, FolderHold* hold,
                                   FolderHold::Mode mode) {
  QString ignored;
  if (!error) error = &ignored;
  if (!QFileInfo(dir).isDir()) return SwapRecovery::None;  // the open says what is missing
  if (FolderHold::SwapRunningHere(dir)) return SwapRecovery::Busy;
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    // Exclusively when there is work, or the caller asks for it; a folder
    // with half-written files that others are reading is held shared and
    // cleaned by a later command.
    const bool swapLeft = SwapLeftIn(dir);
    const bool untidy = !swapLeft && !LeftoversIn(dir).isEmpty();
    const bool exclusive = mode == FolderHold::Mode::Exclusive || swapLeft;
    FolderHold h;
    bool held = h.take(dir, exclusive || untidy ? FolderHold::Mode::Exclusive : FolderHold::Mode::Shared);
    const bool cleaning = held && (exclusive || untidy);
    if (!held && !exclusive) held = h.take(dir, FolderHold::Mode::Shared);
    if (!held) {
      if (waited.elapsed() >= kPatienceMs) return SwapRecovery::Busy;
      QThread::msleep(20);
      continue;
    }
    if (!cleaning && SwapLeftIn(dir)) continue;  // cut short since we looked
    SwapRecovery result = SwapRecovery::None;
    if (cleaning) {
      result = RecoverSwap(dir, error);
      if (result == SwapRecovery::Failed) return result;
      RemoveLeftovers(dir);
      if (mode == FolderHold::Mode::Shared) {
        FolderHold shared;
        shared.take(dir, FolderHold::Mode::Shared);  // within this process: always granted
        h = std::move(shared);                       // the exclusive hold is lowered
      }
    }
    if (hold) *hold = std::move(h);
    return result;
  }
}

bool SwapUnderWay(const QString& dir) {
  return (SwapLeftIn(dir) && !FolderHold::SwapRunningHere(dir)) ||
         FolderHold::HeldExclusivelyElsewhere(dir);
}

QString FolderBusyReason(const QString& dir) {
  const QString shown = QDir::toNativeSeparators(QDir(dir).absolutePath());
  if (FolderHold::HeldExclusivelyElsewhere(dir))
    return Tr::tr("Another program is restoring, converting or backing up the data files in %1.").arg(shown);
  return Tr::tr("The data files in %1 are in use by another program.").arg(shown);
}
