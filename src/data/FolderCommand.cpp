#include "data/FolderCommand.h"

#include "data/CodeBase.h"
#include "data/FolderHold.h"
#include "data/FolderLock.h"
#include "data/Settings.h"
#include "data/TableSwap.h"
#include "data/dbFiles.h"
#include "platform/UnattendedUi.h"
#include "tbengine/engine.h"

namespace {

// The engine's fatal hook, as an exception that ends the work.
struct CommandEnded {
  std::string message;
};

}  // namespace

int RunOnDataFolder(const QString& folder, FolderUse use, const std::function<void(const QString&)>& say,
                    const std::function<int()>& work) {
  QString why;
  std::unique_ptr<FolderLock> lock;
  if (use == FolderUse::Writes && !(lock = HoldFolderForWriting(folder, &why))) {
    say(why);
    return 1;
  }
  FolderHold hold;
  const SwapRecovery recovery = FinishInterruptedSwap(folder, &why, &hold);
  if (recovery == SwapRecovery::Busy || recovery == SwapRecovery::Failed) {
    say(recovery == SwapRecovery::Busy ? FolderBusyReason(folder) : why);
    return 1;
  }
  UnattendedUi ui;
  code4setFatalHook([](int, const std::string& message) { throw CommandEnded{message}; });
  int status = 0;
  try {
    StartEngine(folder);
    if (DataFilesPresent()) PrepareTables();
    ReadSettings();
    status = work();
    EndEngine();
  } catch (const CommandEnded& e) {
    if (!e.message.empty()) say(QString::fromLocal8Bit(e.message.c_str()));
    AbandonEngine();
    status = 1;
  }
  code4setFatalHook({});
  for (const QString& message : ui.messages()) say(message);
  return ui.messages().isEmpty() ? status : 1;
}
