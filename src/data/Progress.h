// The progress box of long operations. The main window installs the sink
// that shows it; without one nothing is shown.
#ifndef DATA_PROGRESS_H
#define DATA_PROGRESS_H

#include <QString>

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // Bar to 0, caption set, box shown or hidden.
  virtual void showProgress(bool visible, const QString& caption) = 0;
  virtual void setProgress(int percent) = 0;
};

void ShowProgress(bool visible, const QString& caption = QString());
void SetProgress(int percent);
// Installs sink (not owned); nullptr removes it.
void SetProgressSink(ProgressSink* sink);
void resetProgressForTests();

#endif  // DATA_PROGRESS_H
