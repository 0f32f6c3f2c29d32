#include "picklists/PickPaging.h"

#include <algorithm>

#include "data/CodeBase.h"
#include "data/DateText.h"
#include "tbengine/inspect.h"

namespace {
// How far the estimate is lowered each time a skip back overshoots the top.
constexpr long kEstimateStep = 15;
}  // namespace

void PickPaging::start(DATA4* d, long highlightRec) {
  d_ = d;
  lastSeekText_.clear();
  topOffset_ = 0;
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
    if (d4top(d_) != r4success) return remembered_ = 0;
    remembered_ = d4recNo(d_);
    return 0;
  }
  d4go(d_, remembered_);
  long n = static_cast<long>(static_cast<double>(count) * d4position(d_));
  while (n > 0) {
    if (d4skip(d_, -n) != r4bof) break;
    d4go(d_, remembered_);
    n = n > kEstimateStep ? n - kEstimateStep : 0;
  }
  long steps = 0;
  while (d4skip(d_, -1) == r4success) ++steps;
  return std::min(n + steps, maxTopOffset_);
}

PickPaging::FillResult PickPaging::fill(const RowWriter& write) {
  FillResult result;
  topOffset_ = clamp(topOffset_);
  int at = d4top(d_);
  if (at == r4success && topOffset_ > 0) at = d4skip(d_, topOffset_);
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

bool PickPaging::page(Event event, int thumbPosition) {
  long offset = topOffset_;
  switch (event) {
    case Event::LineUp:
    case Event::KeyUpOnFirstRow:
      offset -= 1;
      break;
    case Event::LineDown:
    case Event::KeyDownOnLastRow:
      offset += 1;
      break;
    case Event::PageUp:
    case Event::KeyPageUp:
      offset -= kRows;
      break;
    case Event::PageDown:
    case Event::KeyPageDown:
      offset += kRows;
      break;
    case Event::ThumbReleased:
      offset = static_cast<long>(static_cast<long long>(thumbPosition) * maxTopOffset_ / 100);
      break;
    case Event::Top:
    case Event::KeyHome:
      offset = 0;
      break;
    case Event::Bottom:
    case Event::KeyEnd:
      offset = maxTopOffset_;
      break;
    case Event::Tracking:
      break;
  }
  offset = clamp(offset);
  if (offset == topOffset_) return false;
  topOffset_ = offset;
  return true;
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
