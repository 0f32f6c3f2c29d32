// How much of a report the report window shows and how its scroll bar
// moves: the scroll position is the first line in view.
#ifndef PRINTING_REPORTVIEW_H
#define PRINTING_REPORTVIEW_H

// Whole lines of height lineHeight that fit into height (0 for no height).
int VisibleLines(int height, int lineHeight);

struct ReportScroll {
  bool enabled = false;  // only when the document is longer than the view
  int maximum = 0;       // lines - visible: the last page ends at the bottom
  int largeChange = 1;   // a page less one line, so one line stays in view
};
ReportScroll ScrollFor(int lines, int visible);

#endif  // PRINTING_REPORTVIEW_H
