// Bulk build of an index file from all its entries at once (reindex).
//
// The sorted entries are cut into the fewest evenly filled leaves that hold
// them: with N > M entries, P = ceil((N + 1) / (M + 1)) leaves, and the entry
// between two neighbouring leaves goes up to the level above as their
// separator. That level is cut the same way until one page, the root, is
// left. Leaves are written first and the root last; the header follows.
//
// Pages are numbered in the order they are written, so they go to the file
// in file order through one large buffer.
#include <algorithm>
#include <cstring>

#include "Bytes.h"
#include "Ntx.h"
#include "NtxImpl.h"

namespace tbengine {

void NtxKeys::reserve(size_t n) {
  keys_.reserve(n * static_cast<size_t>(k_));
  recnos_.reserve(n);
}

void NtxKeys::Add(std::string_view key, uint32_t recno) {
  if (key.size() != static_cast<size_t>(k_)) {
    if (wrongRecno_ == 0) {
      wrongLength_ = key.size();
      wrongRecno_ = recno;
    }
    return;
  }
  keys_.insert(keys_.end(), key.begin(), key.end());
  recnos_.push_back(recno);
}

void NtxKeys::Release() {
  std::vector<char>().swap(keys_);
  std::vector<uint32_t>().swap(recnos_);
}

namespace {

constexpr size_t kWriteBuffer = 1 << 20;

// Up to 8 key bytes as one number that orders as the bytes do.
uint64_t Word(const char* p, size_t n) {
  uint64_t w = 0;
  for (size_t i = 0; i < 8; ++i) w = (w << 8) | (i < n ? static_cast<unsigned char>(p[i]) : 0u);
  return w;
}

void PutWord(uint64_t w, char* p, size_t n) {
  for (size_t i = 0; i < n; ++i) p[i] = static_cast<char>(w >> (8 * (7 - i)));
}

// Sort records of fixed size that carry the key (its first 8 x W bytes) and
// the record number, so comparisons stay inside the array being sorted. Keys
// longer than 64 bytes fall back to the packed keys for the bytes beyond.
template <int W>
struct SortItem {
  uint64_t w[W];
  uint32_t recno;
  uint32_t index;
};

template <int W>
void SortWords(NtxKeys& keys, NtxKeys* sorted) {
  const size_t k = static_cast<size_t>(keys.keyLength());
  const size_t carried = std::min<size_t>(k, 8 * W);
  const bool whole = carried == k;
  std::vector<SortItem<W>> items(keys.size());
  for (size_t i = 0; i < items.size(); ++i) {
    const char* key = keys.key(i);
    for (size_t j = 0; j < W; ++j) items[i].w[j] = 8 * j < carried ? Word(key + 8 * j, std::min<size_t>(8, carried - 8 * j)) : 0;
    items[i].recno = keys.recno(i);
    items[i].index = static_cast<uint32_t>(i);
  }
  if (whole) keys.Release();
  std::sort(items.begin(), items.end(), [&](const SortItem<W>& a, const SortItem<W>& b) {
    for (int j = 0; j < W; ++j)
      if (a.w[j] != b.w[j]) return a.w[j] < b.w[j];
    if (!whole) {
      int c = std::memcmp(keys.key(a.index) + carried, keys.key(b.index) + carried, k - carried);
      if (c != 0) return c < 0;
    }
    return a.recno < b.recno;
  });
  sorted->reserve(items.size());
  char key[kNtxMaxKeyLength];
  for (const SortItem<W>& it : items) {
    if (whole) {
      for (size_t j = 0; 8 * j < k; ++j) PutWord(it.w[j], key + 8 * j, std::min<size_t>(8, k - 8 * j));
    } else {
      std::memcpy(key, keys.key(it.index), k);
    }
    sorted->Add(std::string_view(key, k), it.recno);
  }
}

// The entries by key, then record number.
NtxKeys Sorted(NtxKeys keys) {
  NtxKeys sorted(keys.keyLength());
  switch (std::min(8, (keys.keyLength() + 7) / 8)) {
    case 1: SortWords<1>(keys, &sorted); break;
    case 2: SortWords<2>(keys, &sorted); break;
    case 3: SortWords<3>(keys, &sorted); break;
    case 4: SortWords<4>(keys, &sorted); break;
    case 5: SortWords<5>(keys, &sorted); break;
    case 6: SortWords<6>(keys, &sorted); break;
    case 7: SortWords<7>(keys, &sorted); break;
    default: SortWords<8>(keys, &sorted); break;
  }
  return sorted;
}

// Hands out pages in file order from offset 1024 and writes them in large
// pieces; the header goes last.
class PageWriter {
 public:
  explicit PageWriter(File* file) : file_(file) {}

  // A zeroed page at the next offset.
  Status NewPage(uint32_t* offset, char** bytes) {
    if (buffer_.size() + kNtxPageSize > kWriteBuffer) TB_RETURN_IF_ERROR(Flush());
    *offset = next_;
    next_ += kNtxPageSize;
    buffer_.resize(buffer_.size() + kNtxPageSize, '\0');
    *bytes = buffer_.data() + buffer_.size() - kNtxPageSize;
    return Status::Ok();
  }
  Status Flush() {
    if (buffer_.empty()) return Status::Ok();
    IoStatus io = file_->WriteAt(start_, buffer_.data(), buffer_.size());
    if (!io.ok()) return Status::Error(e4write, io.message());
    start_ += buffer_.size();
    buffer_.clear();
    return Status::Ok();
  }
  Status WriteHeader(const NtxHeader& header) {
    TB_RETURN_IF_ERROR(Flush());
    char bytes[kNtxPageSize];
    EncodeNtxHeader(header, bytes);
    IoStatus io = file_->WriteAt(0, bytes, kNtxPageSize);
    return io.ok() ? Status::Ok() : Status::Error(e4write, io.message());
  }

 private:
  File* file_;
  std::vector<char> buffer_;
  uint64_t start_ = kNtxPageSize;
  uint32_t next_ = kNtxPageSize;
};

// One page of the identity layout (as EncodeNtxPage writes it) holding the
// sorted entries at items[0..n) and, above the leaves, children[0..n].
void EncodePage(const NtxGeometry& g, const NtxKeys& sorted, const uint32_t* items, size_t n,
                const uint32_t* children, char* bytes) {
  PutU16(bytes, static_cast<uint16_t>(n));
  const int k = g.keyLength;
  for (int s = 0; s <= g.maxKeys; ++s) {
    const int off = g.slotsStart() + s * g.itemSize();
    PutU16(bytes + 2 + 2 * s, static_cast<uint16_t>(off));
    if (static_cast<size_t>(s) > n) continue;
    char* item = bytes + off;
    PutU32(item + ntxitem::kChild, children != nullptr ? children[s] : 0);
    if (static_cast<size_t>(s) < n) {
      PutU32(item + ntxitem::kRecno, sorted.recno(items[s]));
      std::memcpy(item + ntxitem::kKey, sorted.key(items[s]), k);
    }
  }
}

// Writes one level of pages over items (positions in sorted) and, above the
// leaves, the pages below them (children, one more than items). Returns the
// separators and the pages written, which form the next level up.
Status WriteLevel(PageWriter* out, const NtxGeometry& g, const NtxKeys& sorted, const std::vector<uint32_t>& items,
                  const std::vector<uint32_t>& children, std::vector<uint32_t>* upItems, std::vector<uint32_t>* pages) {
  const size_t e = items.size();
  const size_t m = static_cast<size_t>(g.maxKeys);
  const size_t count = e <= m ? 1 : (e + 1 + m) / (m + 1);
  const size_t inPages = e - (count - 1);
  size_t at = 0, childAt = 0;
  for (size_t j = 0; j < count; ++j) {
    const size_t n = inPages / count + (j < inPages % count ? 1 : 0);
    uint32_t offset = 0;
    char* bytes = nullptr;
    TB_RETURN_IF_ERROR(out->NewPage(&offset, &bytes));
    EncodePage(g, sorted, items.data() + at, n, children.empty() ? nullptr : children.data() + childAt, bytes);
    pages->push_back(offset);
    at += n;
    childAt += n + 1;
    if (j + 1 < count) upItems->push_back(items[at++]);
  }
  return Status::Ok();
}

Status WriteTree(File* file, const NtxHeader& base, const NtxKeys& sorted) {
  PageWriter out(file);
  std::vector<uint32_t> items(sorted.size()), children;
  for (size_t i = 0; i < items.size(); ++i) items[i] = static_cast<uint32_t>(i);
  for (;;) {
    std::vector<uint32_t> upItems, pages;
    TB_RETURN_IF_ERROR(WriteLevel(&out, base.geometry, sorted, items, children, &upItems, &pages));
    if (pages.size() == 1) {
      NtxHeader header = base;
      header.root = pages[0];
      return out.WriteHeader(header);
    }
    items.swap(upItems);
    children.swap(pages);
  }
}

}  // namespace

Status NtxFile::Build(Env* env, const std::string& path, const std::string& expression,
                      int keyLength, int keyDecimals, std::vector<NtxEntry> entries,
                      int maxKeysPerPage) {
  NtxKeys keys(keyLength);
  keys.reserve(entries.size());
  for (const NtxEntry& e : entries) keys.Add(e.key, e.recno);
  entries.clear();
  return Build(env, path, expression, keyLength, keyDecimals, std::move(keys), maxKeysPerPage);
}

Status NtxFile::Build(Env* env, const std::string& path, const std::string& expression,
                      int keyLength, int keyDecimals, NtxKeys keys, int maxKeysPerPage) {
  auto refuse = [&](const std::string& what) {
    return Status::Error(e4parm, "Cannot build index file " + path + ": " + what);
  };
  if (keys.keyLength() != keyLength)
    return refuse("keys of " + std::to_string(keys.keyLength()) + " bytes for a key size of " + std::to_string(keyLength));
  if (keyLength < 1 || keyLength > kNtxMaxKeyLength)
    return refuse("key size " + std::to_string(keyLength) + " out of range");
  if (expression.size() >= kNtxExpressionSize) return refuse("key expression too long");
  if (keys.wrongRecno() != 0)
    return refuse("key of " + std::to_string(keys.wrongLength()) + " bytes for record " +
                  std::to_string(keys.wrongRecno()));
  NtxHeader header;
  header.geometry.keyLength = keyLength;
  header.geometry.maxKeys = maxKeysPerPage > 0 ? maxKeysPerPage : NtxMaxKeys(keyLength);
  header.keyDecimals = keyDecimals;
  header.expression = expression;
  if (!header.geometry.fits()) return refuse("pages of " + std::to_string(header.geometry.maxKeys) + " keys");

  const NtxKeys sorted = Sorted(std::move(keys));
  for (size_t i = 1; i < sorted.size(); ++i) {
    if (sorted.recno(i - 1) == sorted.recno(i) && std::memcmp(sorted.key(i - 1), sorted.key(i), keyLength) == 0)
      return refuse("record " + std::to_string(sorted.recno(i)) + " listed twice under one key");
  }

  const std::string temp = path + ".tmp";
  std::unique_ptr<File> file;
  IoStatus io = env->Open(temp, OpenMode::kCreateTruncate, &file);
  if (!io.ok()) return Status::Error(e4create, io.message());
  Status s = WriteTree(file.get(), header, sorted);
  if (s.ok()) {
    io = file->Sync();
    if (!io.ok()) s = Status::Error(e4write, io.message());
  }
  file.reset();
  if (s.ok()) {
    io = env->Rename(temp, path);
    if (!io.ok()) s = Status::Error(e4rename, io.message());
  }
  if (!s.ok()) env->Remove(temp);
  return s;
}

}  // namespace tbengine
