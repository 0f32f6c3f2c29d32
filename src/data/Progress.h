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

// Shows the progress box with caption for the time of a walk; hidden at the
// end, also when the walk is abandoned.
class ProgressShown {
 public:
  explicit ProgressShown(const QString& caption);
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;
  ~ProgressShown();
  // fraction of the walk done (0 to 1); the box is set when the percentage
  // changes.
  void set(double fraction);
  // The percentage itself (0 to 100).
  void setPercent(int percent);
  // After record n (from 0) of total: truncate((n * 100 + 100) / total).
  void recordDone(long n, long total);
  // Hides the box at the end of the walk, before anything is shown.
  void hide();

 private:
  int percent_ = 0;
  bool shown_ = true;
};

#endif  // DATA_PROGRESS_H
