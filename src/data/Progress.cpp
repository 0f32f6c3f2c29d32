#include "data/Progress.h"

#include <algorithm>

namespace {
ProgressSink* sink = nullptr;
}

void ShowProgress(bool visible, const QString& caption) {
  if (sink) sink->showProgress(visible, caption);
}

void SetProgress(int percent) {
  if (sink) sink->setProgress(percent);
}

void SetProgressSink(ProgressSink* s) { sink = s; }

void resetProgressForTests() { sink = nullptr; }

ProgressShown::ProgressShown(const QString& caption) { ShowProgress(true, caption); }

ProgressShown::~ProgressShown() { hide(); }

void ProgressShown::hide() {
  if (shown_) ShowProgress(false);
  shown_ = false;
}

void ProgressShown::set(double fraction) { setPercent(int(fraction * 100)); }

void ProgressShown::recordDone(long n, long total) {
  if (total > 0) setPercent(int((n * 100 + 100) / total));
}

void ProgressShown::setPercent(int percent) {
  percent = std::clamp(percent, 0, 100);
  if (percent == percent_) return;
  percent_ = percent;
  SetProgress(percent);
}
