#include "printing/ReportView.h"

#include <algorithm>

int VisibleLines(int height, int lineHeight) {
  if (height <= 0 || lineHeight <= 0) return 0;
  return height / lineHeight;
}

ReportScroll ScrollFor(int lines, int visible) {
  ReportScroll scroll;
  if (lines <= visible) return scroll;
  scroll.enabled = true;
  scroll.maximum = lines - visible;
  scroll.largeChange = std::max(visible - 1, 1);
  return scroll;
}
