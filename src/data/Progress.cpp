#include "data/Progress.h"

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
