#include "picklists/PickPaging.h"

#include <algorithm>
#include <cmath>

#include "data/CodeBase.h"
#include "data/KeyText.h"
#include "tbengine/inspect.h"

void PickPaging::start(DATA4* d, long highlightRec) {
  d_ = d;
  lastSeekText_.clear();
  topOffset_ = 0;
  topRecord_ = 0;
  remembered_ = highlightRec;
  const long count = d4recCountDo(d);
  maxTopOffset_ = count > kRows ? count - kRows : 0;
  if (maxTopOffset_ > 0) topOffset_ = positionOfRemembered();
}

long PickPaging::clamp(long offset) const {
  return std::clamp(offset, 0L, maxTopOffset_);
}

long PickPaging::positionOfRemembered() {
  const long count = d4recCountDo(d_);
  // A record number the table does not hold (it shrank) counts as none.
  if (remembered_ <= 0 || remembered_ > count) {
    topRecord_ = 0;
    if (d4top(d_) != r4success) return remembered_ = 0;
    remembered_ = topRecord_ = d4recNo(d_);
    return 0;
  }
  d4go(d_, remembered_);
  const long estimate = std::lround(static_cast<double>(count) * d4position(d_));
  placeTop(remembered_);
  return offsetOfTop(estimate);
}

void PickPaging::placeTop(long rec) {
  d4go(d_, rec);
  if (d4skip(d_, kRows - 1) == r4eof) {
    placeAtBottom();
    return;
  }
  topRecord_ = rec;
}

void PickPaging::placeAtBottom() {
  topRecord_ = 0;
  if (d4bottom(d_) != r4success) return;
  d4skip(d_, -(kRows - 1));  // stops on the first record in a short table
  topRecord_ = d4recNo(d_);
}

long PickPaging::offsetOfTop(long estimate) {
  if (maxTopOffset_ <= 0 || topRecord_ <= 0) return 0;
  d4go(d_, topRecord_);
  if (d4skip(d_, -1) == r4bof) return 0;
  d4go(d_, topRecord_);
  if (d4skip(d_, kRows) == r4eof) return maxTopOffset_;
  return maxTopOffset_ < 2 ? maxTopOffset_ : std::clamp(estimate, 1L, maxTopOffset_ - 1);
}

void PickPaging::ensureTopRecord() {
  if (topRecord_ > 0 && topRecord_ <= d4recCountDo(d_)) return;
  topRecord_ = 0;
  topOffset_ = clamp(topOffset_);
  int at = d4top(d_);
  if (at == r4success && topOffset_ > 0) at = d4skip(d_, topOffset_);  // exact: counts entries
  if (at == r4success) topRecord_ = d4recNo(d_);
}

PickPaging::FillResult PickPaging::fill(const RowWriter& write) {
  FillResult result;
  topOffset_ = clamp(topOffset_);
  ensureTopRecord();
  int at = topRecord_ > 0 ? d4go(d_, topRecord_) : r4eof;
  while (at == r4success && result.rows < kRows) {
    const long recNo = d4recNo(d_);
    ++result.rows;
    write(result.rows, recNo);
    if (recNo == remembered_) result.notedRow = result.rows;
    at = d4skip(d_, 1);
  }
  remembered_ = 0;
  return result;
}

bool PickPaging::moveBy(long rows) {
  if (maxTopOffset_ <= 0 || rows == 0) return false;
  ensureTopRecord();
  const long before = topRecord_;
  d4go(d_, topRecord_);
  if (rows > 0) {
    if (d4skip(d_, rows + kRows - 1) == r4eof) {
      placeAtBottom();
      topOffset_ = maxTopOffset_;
      return topRecord_ != before;
    }
    d4skip(d_, -(kRows - 1));
  } else {
    d4skip(d_, rows);  // running into the beginning leaves the first record
  }
  topRecord_ = d4recNo(d_);
  if (topRecord_ == before) return false;
  topOffset_ = offsetOfTop(topOffset_ + rows);
  return true;
}

bool PickPaging::jumpTo(long offset) {
  if (maxTopOffset_ <= 0) return false;
  offset = clamp(offset);
  const long before = topRecord_;
  if (offset == maxTopOffset_) {
    placeAtBottom();
  } else {
    topRecord_ = 0;
    topOffset_ = offset;
    ensureTopRecord();
  }
  topOffset_ = offset;
  return topRecord_ != before;
}

bool PickPaging::page(Event event, int thumbPosition) {
  switch (event) {
    case Event::LineUp:
    case Event::KeyUpOnFirstRow:
      return moveBy(-1);
    case Event::LineDown:
    case Event::KeyDownOnLastRow:
      return moveBy(1);
    case Event::PageUp:
    case Event::KeyPageUp:
      return moveBy(-kRows);
    case Event::PageDown:
    case Event::KeyPageDown:
      return moveBy(kRows);
    case Event::ThumbReleased:
      return jumpTo(static_cast<long>(static_cast<long long>(thumbPosition) * maxTopOffset_ / 100));
    case Event::Top:
    case Event::KeyHome:
      return jumpTo(0);
    case Event::Bottom:
    case Event::KeyEnd:
      return jumpTo(maxTopOffset_);
    case Event::Tracking:
      return false;
  }
  return false;
}

bool PickPaging::seekText(const QString& text) {
  // The typed text is upper-cased for tags whose keys are upper-cased; a tag
  // on the text as stored (the company tag) is sought as typed, or mixed-case
  // names would sort after every upper-case text.
  const QString wanted = (keysUpperCased() ? text.toUpper() : text).trimmed();
  if (wanted == lastSeekText_) return false;
  lastSeekText_ = wanted;
  return seekKey(SeekKey(wanted));
}

bool PickPaging::keysUpperCased() const {
  TAG4* tag = d4tagSelected(d_);
  return tag == nullptr || QString::fromLatin1(t4expr(tag)).trimmed().startsWith("upper(", Qt::CaseInsensitive);
}

bool PickPaging::seekKey(const QByteArray& key) {
  const int found = d4seek(d_, key.constData());
  if (found != r4success && found != r4after) return false;
  remembered_ = d4recNo(d_);
  topOffset_ = positionOfRemembered();
  return true;
}

int PickPaging::scrollPosition() const {
  if (maxTopOffset_ <= 0) return 0;
  return static_cast<int>(static_cast<long long>(topOffset_) * 100 / maxTopOffset_);
}
