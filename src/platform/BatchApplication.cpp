#include "platform/BatchApplication.h"

#include <QApplication>
#include <QFileInfo>

#include "platform/Language.h"

namespace {

QtMessageHandler& Previous() {
  static QtMessageHandler previous = nullptr;
  return previous;
}

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if ((type == QtCriticalMsg || type == QtFatalMsg) && Previous()) Previous()(type, context, text);
}

}  // namespace

BatchApplication::BatchApplication(const QString& language)
    : previous_(qInstallMessageHandler(QuietHandler)) {
  Previous() = previous_;
  if (QCoreApplication::instance()) {
    // A command run inside a program (or a test) speaks the language asked
    // for until it ends.
    if (!language.isEmpty()) language_ = std::make_unique<DocumentLanguage>(language);
    return;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "tallowby";
  static char* argv[] = {name, nullptr};
  app_ = std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Tallowby"));
  QCoreApplication::setApplicationName(QStringLiteral("Tallowby"));
  UseLanguage(ChooseLanguage(language));
}

BatchApplication::~BatchApplication() {
  language_.reset();
  app_.reset();
  qInstallMessageHandler(previous_);
}

bool CanWriteFile(const QString& path) {
  const QFileInfo file(path);
  if (file.exists()) return file.isFile() && file.isWritable();
  const QFileInfo folder(file.absolutePath());
  return folder.isDir() && folder.isWritable();
}
