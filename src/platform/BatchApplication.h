// What the commands that run without windows (`tallowby report`,
// `tallowby labels`) run in: an offscreen application when none exists yet
// (the command shows no window, so it works without a display; a platform
// the user chose is kept), in the user's language and locale, with only Qt's critical
// messages on the error stream: the window system's notes (no runtime
// folder, an offscreen window that cannot be sized) mean nothing to someone
// running a command. Both end with the object.
#ifndef PLATFORM_BATCHAPPLICATION_H
#define PLATFORM_BATCHAPPLICATION_H

#include <QString>
#include <QtGlobal>
#include <memory>

class DocumentLanguage;
class QApplication;

class BatchApplication {
 public:
  // language: --language's value, or empty for the user's language.
  explicit BatchApplication(const QString& language = QString());
  ~BatchApplication();
  BatchApplication(const BatchApplication&) = delete;
  BatchApplication& operator=(const BatchApplication&) = delete;

 private:
  QtMessageHandler previous_;
  std::unique_ptr<QApplication> app_;  // none when the caller had one
  std::unique_ptr<DocumentLanguage> language_;
};

// Whether a print job may write path (an existing file, or a new one in a
// folder that exists). The job cannot say why it failed, so a command checks
// the place before it builds anything.
bool CanWriteFile(const QString& path);

#endif  // PLATFORM_BATCHAPPLICATION_H
