#include "PageCache.h"

#include <algorithm>

namespace tbengine {

PageCache::PageCache(File* file, const NtxGeometry& geometry, uint64_t fileSize, size_t capacity)
    : file_(file), geometry_(geometry), fileSize_(fileSize), capacity_(capacity) {}

Status PageCache::Get(uint32_t offset, std::shared_ptr<const NtxPage>* out, PageAccess access) {
  const size_t number = offset / kNtxPageSize;
  if (offset % kNtxPageSize == 0 && number < slots_.size() && slots_[number].page) {
    slots_[number].used = true;
    *out = slots_[number].page;
    return Status::Ok();
  }
  char page[kNtxPageSize];
  const char* bytes = nullptr;
  TB_RETURN_IF_ERROR(Read(offset, access, page, &bytes));
  std::shared_ptr<NtxPage> decoded = spare_ ? std::move(spare_) : std::make_shared<NtxPage>();
  std::string why;
  if (!DecodeNtxPage(bytes, geometry_, offset, decoded.get(), &why))
    return Status::CorruptIndex(file_->path(), "page at offset " + std::to_string(offset) + ": " + why);
  Keep(offset, decoded);
  *out = std::move(decoded);
  return Status::Ok();
}

Status PageCache::Shape(uint32_t offset, int* n, uint32_t* children, uint32_t* recnos) {
  const size_t number = offset / kNtxPageSize;
  if (offset % kNtxPageSize == 0 && number < slots_.size() && slots_[number].page) {
    const NtxPage& page = *slots_[number].page;
    *n = page.n;
    std::copy(page.child.begin(), page.child.end(), children);
    if (recnos != nullptr) std::copy(page.recno.begin(), page.recno.end(), recnos);
    return Status::Ok();
  }
  char page[kNtxPageSize];
  const char* bytes = nullptr;
  TB_RETURN_IF_ERROR(Read(offset, PageAccess::kAlone, page, &bytes));
  std::string why;
  if (!DecodeNtxShape(bytes, geometry_, n, children, &why, recnos))
    return Status::CorruptIndex(file_->path(), "page at offset " + std::to_string(offset) + ": " + why);
  return Status::Ok();
}

Status PageCache::Read(uint32_t offset, PageAccess access, char* page, const char** bytes) {
  const std::string& path = file_->path();
  if (offset == 0 || offset % kNtxPageSize != 0 || offset + uint64_t{kNtxPageSize} > fileSize_)
    return Status::CorruptIndex(path, "page offset " + std::to_string(offset) + " out of range");
  Block* block = &blocks_[0];  // the one to hold what is read, least recently used
  for (Block& b : blocks_) {
    if (b.Holds(offset)) {
      b.lastUse = ++blockUses_;
      *bytes = b.bytes.data() + (offset - b.start);
      return Status::Ok();
    }
    if (b.lastUse < block->lastUse) block = &b;
  }
  // A walk reads the pages it goes on to with this one; alone, one page.
  uint64_t first = offset, last = offset + uint64_t{kNtxPageSize};
  constexpr uint64_t kAhead = uint64_t{kReadAheadPages - 1} * kNtxPageSize;
  if (access == PageAccess::kForward) last = std::max(last, std::min(last + kAhead, fileSize_ / kNtxPageSize * kNtxPageSize));
  if (access == PageAccess::kBackward) first = std::max<uint64_t>(first, kAhead + kNtxPageSize) - kAhead;
  char* into = page;
  if (access != PageAccess::kAlone) {
    block->bytes.resize(last - first);
    block->size = 0;
    into = block->bytes.data();
  }
  size_t got = 0;
  IoStatus io = file_->ReadAt(first, into, last - first, &got);
  ++fileReads_;
  if (!io.ok()) return Status::Error(e4read, io.message());
  if (got < offset - first + kNtxPageSize)
    return Status::CorruptIndex(path, "page at offset " + std::to_string(offset) + " is cut short");
  if (access != PageAccess::kAlone) {
    block->start = static_cast<uint32_t>(first);
    block->size = got / kNtxPageSize * kNtxPageSize;  // a page allocated but not yet written is not there
    block->lastUse = ++blockUses_;
  }
  *bytes = into + (offset - first);
  return Status::Ok();
}

Status PageCache::Put(const NtxPage& page) {
  char bytes[kNtxPageSize];
  EncodeNtxPage(page, geometry_, bytes);
  for (Block& b : blocks_)
    if (b.Holds(page.offset)) b.size = 0;  // it holds the page's old bytes
  IoStatus io = file_->WriteAt(page.offset, bytes, kNtxPageSize);
  if (!io.ok()) {
    Clear();
    return Status::Error(e4write, io.message());
  }
  fileSize_ = std::max<uint64_t>(fileSize_, uint64_t{page.offset} + kNtxPageSize);
  if (capacity_ > 0) Keep(page.offset, std::make_shared<const NtxPage>(page));
  return Status::Ok();
}

Status PageCache::WriteHeader(const NtxHeader& header) {
  char bytes[kNtxPageSize];
  EncodeNtxHeader(header, bytes);
  IoStatus io = file_->WriteAt(0, bytes, kNtxPageSize);
  if (!io.ok()) {
    Clear();
    return Status::Error(e4write, io.message());
  }
  fileSize_ = std::max<uint64_t>(fileSize_, kNtxPageSize);
  return Status::Ok();
}

uint32_t PageCache::Allocate() {
  if (!released_.empty()) {
    uint32_t offset = released_.back();
    released_.pop_back();
    return offset;
  }
  uint64_t end = (fileSize_ + kNtxPageSize - 1) / kNtxPageSize * kNtxPageSize;
  end = std::max<uint64_t>(end, kNtxPageSize);
  fileSize_ = end + kNtxPageSize;  // reserved; written by the caller's Put
  return static_cast<uint32_t>(end);
}

void PageCache::Release(uint32_t offset) {
  // Its place on the clock stays until the hand reaches it.
  const size_t number = offset / kNtxPageSize;
  if (number < slots_.size()) slots_[number] = Slot();
  released_.push_back(offset);
}

void PageCache::Clear() {
  for (Block& b : blocks_) b.size = 0;
  slots_.clear();
  clock_.clear();
  hand_ = 0;
}

void PageCache::Keep(uint32_t offset, std::shared_ptr<const NtxPage> page) {
  if (capacity_ == 0) return;
  const uint32_t number = offset / kNtxPageSize;
  if (number >= slots_.size()) slots_.resize(number + 1);
  Slot& slot = slots_[number];
  const bool kept = slot.page != nullptr;
  slot.page = std::move(page);
  slot.used = true;
  if (kept) return;
  if (clock_.size() < capacity_) {
    clock_.push_back(number);
    return;
  }
  for (;;) {
    Slot& old = slots_[clock_[hand_]];
    if (!old.used || !old.page) {
      if (clock_[hand_] != number) {
        // Nobody else holds it: its buffers serve the next page read.
        if (old.page && old.page.use_count() == 1) spare_ = std::const_pointer_cast<NtxPage>(std::move(old.page));
        old = Slot();
      }
      clock_[hand_] = number;
      hand_ = (hand_ + 1) % clock_.size();
      return;
    }
    old.used = false;
    hand_ = (hand_ + 1) % clock_.size();
  }
}

}  // namespace tbengine
