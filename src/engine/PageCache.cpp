#include "PageCache.h"

#include <algorithm>

namespace tbengine {

PageCache::PageCache(File* file, const NtxGeometry& geometry, uint64_t fileSize, size_t capacity)
    : file_(file), geometry_(geometry), fileSize_(fileSize), capacity_(capacity) {}

Status PageCache::Get(uint32_t offset, std::shared_ptr<const NtxPage>* out) {
  const size_t number = offset / kNtxPageSize;
  if (offset % kNtxPageSize == 0 && number < slots_.size() && slots_[number].page) {
    slots_[number].used = true;
    *out = slots_[number].page;
    return Status::Ok();
  }
  const std::string& path = file_->path();
  if (offset == 0 || offset % kNtxPageSize != 0 || offset + uint64_t{kNtxPageSize} > fileSize_)
    return Status::CorruptIndex(path, "page offset " + std::to_string(offset) + " out of range");
  char bytes[kNtxPageSize];
  size_t got = 0;
  IoStatus io = file_->ReadAt(offset, bytes, kNtxPageSize, &got);
  ++fileReads_;
  if (!io.ok()) return Status::Error(e4read, io.message());
  if (got != kNtxPageSize)
    return Status::CorruptIndex(path, "page at offset " + std::to_string(offset) + " is cut short");
  auto page = std::make_shared<NtxPage>();
  std::string why;
  if (!DecodeNtxPage(bytes, geometry_, offset, page.get(), &why))
    return Status::CorruptIndex(path, "page at offset " + std::to_string(offset) + ": " + why);
  Keep(offset, page);
  *out = std::move(page);
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
  const std::string& path = file_->path();
  if (offset == 0 || offset % kNtxPageSize != 0 || offset + uint64_t{kNtxPageSize} > fileSize_)
    return Status::CorruptIndex(path, "page offset " + std::to_string(offset) + " out of range");
  char bytes[kNtxPageSize];
  size_t got = 0;
  IoStatus io = file_->ReadAt(offset, bytes, kNtxPageSize, &got);
  ++fileReads_;
  if (!io.ok()) return Status::Error(e4read, io.message());
  if (got != kNtxPageSize)
    return Status::CorruptIndex(path, "page at offset " + std::to_string(offset) + " is cut short");
  std::string why;
  if (!DecodeNtxShape(bytes, geometry_, n, children, &why, recnos))
    return Status::CorruptIndex(path, "page at offset " + std::to_string(offset) + ": " + why);
  return Status::Ok();
}

Status PageCache::Put(const NtxPage& page) {
  char bytes[kNtxPageSize];
  EncodeNtxPage(page, geometry_, bytes);
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
      if (clock_[hand_] != number) old = Slot();
      clock_[hand_] = number;
      hand_ = (hand_ + 1) % clock_.size();
      return;
    }
    old.used = false;
    hand_ = (hand_ + 1) % clock_.size();
  }
}

}  // namespace tbengine
