// The paging of a grid pick list, without widgets: which ten records of the
// table, in the order of its selected tag, the grid shows. The list keeps
// the number of records above its first row (top offset), the largest
// sensible top offset, the record to highlight at the next fill and the
// last text sought.
//
// Only ten records are read per fill, whatever the size of the table. The
// list keeps the record on its first row and moves from it by short skips;
// the top offset (for the scroll bar) comes from the engine's position
// estimate and is exact at the two ends, where a short skip can tell. Only
// a released thumb asks for an exact place in the order (a long skip from
// the first record), so opening and paging a large table take the same
// time as a small one.
#ifndef PICKLISTS_PICKPAGING_H
#define PICKLISTS_PICKPAGING_H

#include <QByteArray>
#include <QString>
#include <functional>

#include "tbengine/engine.h"

class PickPaging {
 public:
  static constexpr int kRows = 10;

  // What moves the list (the keys are those of the grid).
  enum class Event {
    LineUp,
    LineDown,
    PageUp,
    PageDown,
    ThumbReleased,  // at the scroll-bar position given to page()
    Top,
    Bottom,
    Tracking,  // the thumb is being dragged: nothing moves until it is released
    KeyPageDown,
    KeyPageUp,
    KeyEnd,
    KeyHome,
    KeyDownOnLastRow,
    KeyUpOnFirstRow,
  };

  struct FillResult {
    int rows = 0;       // rows written, 0 to 10
    int notedRow = 0;   // 1-based row of the remembered record; 0 when not shown
  };
  // Called with the table on the record of a row (row 1 to 10).
  using RowWriter = std::function<void(int row, long recNo)>;

  // Starts a showing on table d (open, with its tag selected): the last
  // seek text is cleared, the maximum top offset set from the record count
  // and the top offset set so that highlightRec (a record number; 0 for
  // none) is on the first row, or as near it as the end of the table allows.
  void start(DATA4* d, long highlightRec);

  // Writes the rows from the top offset (clamped first) through write;
  // the remembered record is cleared afterwards.
  FillResult fill(const RowWriter& write);

  // Applies a paging event; true when the top offset changed, so the rows
  // must be filled again.
  bool page(Event event, int thumbPosition = 0);

  // Seeks the typed text (trimmed; upper-cased when the tag's keys are) unless it equals the last
  // text sought. True when a record was found (or the next one after it):
  // it is then remembered and the top offset puts it on the first row.
  bool seekText(const QString& text);
  // True when the selected tag's key expression upper-cases its text.
  bool keysUpperCased() const;
  // Seeks key as given in the selected tag, with the same outcome.
  bool seekKey(const QByteArray& key);

  // Puts the remembered record on the first row (or, for one of the last
  // ten, the last ten records on the rows) and returns the top offset:
  // estimated, exact at the ends. With no remembered record: 0, and the
  // first record becomes the remembered one.
  long positionOfRemembered();

  // Scroll-bar position, 0 to 100.
  int scrollPosition() const;
  // More than ten records: the list pages (and shows its scroll bar).
  bool pages() const { return maxTopOffset_ > 0; }

  long topOffset() const { return topOffset_; }
  // An exact top offset: the next fill finds its first row from the top.
  void setTopOffset(long offset) {
    topOffset_ = offset;
    topRecord_ = 0;
  }
  long maxTopOffset() const { return maxTopOffset_; }
  long rememberedRecord() const { return remembered_; }
  const QString& lastSeekText() const { return lastSeekText_; }

 private:
  long clamp(long offset) const;
  // The first row's record, found from the top offset when not known.
  void ensureTopRecord();
  // First row on rec, or the last ten when fewer than ten follow it.
  void placeTop(long rec);
  void placeAtBottom();
  // The top offset of topRecord_: 0 or the maximum when a short skip shows
  // it is at an end, else the estimate kept between them.
  long offsetOfTop(long estimate);
  // Moves the first row by rows records; true when it moved.
  bool moveBy(long rows);
  bool jumpTo(long offset);

  DATA4* d_ = nullptr;
  long topRecord_ = 0;  // record on the first row; 0 when not known yet
  long topOffset_ = 0;
  long maxTopOffset_ = 0;
  long remembered_ = 0;
  QString lastSeekText_;
};

#endif  // PICKLISTS_PICKPAGING_H
