// Bulk build of an index file from all its entries at once (reindex).
//
// The sorted entries are cut into the fewest evenly filled leaves that hold
// them: with N > M entries, P = ceil((N + 1) / (M + 1)) leaves, and the entry
// between two neighbouring leaves goes up to the level above as their
// separator. That level is cut the same way until one page, the root, is
// left. Leaves are written first and the root last; the header follows.
#include <algorithm>
#include <cstring>

#include "Ntx.h"
#include "NtxImpl.h"

namespace tbengine {

namespace {

// Writes one level of pages over items (indexes into entries) and, above the
// leaves, the pages below them (children, one more than items). Returns the
// separators and the pages written, which form the next level up.
Status WriteLevel(PageCache* cache, const NtxGeometry& g, const std::vector<NtxEntry>& entries,
                  const std::vector<uint32_t>& items, const std::vector<uint32_t>& children,
                  std::vector<uint32_t>* upItems, std::vector<uint32_t>* pages) {
  const size_t e = items.size();
  const size_t m = static_cast<size_t>(g.maxKeys);
  const size_t count = e <= m ? 1 : (e + 1 + m) / (m + 1);
  const size_t inPages = e - (count - 1);
  size_t at = 0, childAt = 0;
  for (size_t j = 0; j < count; ++j) {
    const size_t n = inPages / count + (j < inPages % count ? 1 : 0);
    NtxPage page;
    page.offset = cache->Allocate();
    page.n = static_cast<int>(n);
    page.keys.reserve(n * g.keyLength);
    for (size_t t = 0; t <= n; ++t) {
      page.child.push_back(children.empty() ? 0 : children[childAt + t]);
      if (t == n) break;
      const NtxEntry& entry = entries[items[at + t]];
      page.keys.append(entry.key);
      page.recno.push_back(entry.recno);
    }
    TB_RETURN_IF_ERROR(cache->Put(page));
    pages->push_back(page.offset);
    at += n;
    childAt += n + 1;
    if (j + 1 < count) upItems->push_back(items[at++]);
  }
  return Status::Ok();
}

// The order of entries by key, then record number. Sorting small records
// that carry the first 16 key bytes keeps most comparisons away from the
// keys themselves, which lie scattered in memory.
std::vector<uint32_t> SortedOrder(const std::vector<NtxEntry>& entries, int k) {
  struct Item {
    uint64_t head[2];
    uint32_t recno, index;
  };
  std::vector<Item> items(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    Item& it = items[i];
    it.head[0] = it.head[1] = 0;
    for (int b = 0; b < std::min(k, 16); ++b)
      it.head[b / 8] |= uint64_t{static_cast<unsigned char>(entries[i].key[b])} << (8 * (7 - b % 8));
    it.recno = entries[i].recno;
    it.index = static_cast<uint32_t>(i);
  }
  std::sort(items.begin(), items.end(), [&](const Item& a, const Item& b) {
    if (a.head[0] != b.head[0]) return a.head[0] < b.head[0];
    if (a.head[1] != b.head[1]) return a.head[1] < b.head[1];
    if (k > 16) {
      int c = std::memcmp(entries[a.index].key.data() + 16, entries[b.index].key.data() + 16, k - 16);
      if (c != 0) return c < 0;
    }
    return a.recno < b.recno;
  });
  std::vector<uint32_t> order(items.size());
  for (size_t i = 0; i < items.size(); ++i) order[i] = items[i].index;
  return order;
}

Status WriteTree(File* file, const NtxHeader& base, const std::vector<NtxEntry>& entries,
                 std::vector<uint32_t> items) {
  PageCache cache(file, base.geometry, 0, 0);  // pages from 1024; the header last
  std::vector<uint32_t> children;
  for (;;) {
    std::vector<uint32_t> upItems, pages;
    TB_RETURN_IF_ERROR(WriteLevel(&cache, base.geometry, entries, items, children, &upItems, &pages));
    if (pages.size() == 1) {
      NtxHeader header = base;
      header.root = pages[0];
      return cache.WriteHeader(header);
    }
    items.swap(upItems);
    children.swap(pages);
  }
}

}  // namespace

Status NtxFile::Build(Env* env, const std::string& path, const std::string& expression,
                      int keyLength, int keyDecimals, std::vector<NtxEntry> entries,
                      int maxKeysPerPage) {
  auto refuse = [&](const std::string& what) {
    return Status::Error(e4parm, "Cannot build index file " + path + ": " + what);
  };
  if (keyLength < 1 || keyLength > kNtxMaxKeyLength)
    return refuse("key size " + std::to_string(keyLength) + " out of range");
  if (expression.size() >= kNtxExpressionSize) return refuse("key expression too long");
  for (const NtxEntry& e : entries)
    if (static_cast<int>(e.key.size()) != keyLength)
      return refuse("key of " + std::to_string(e.key.size()) + " bytes for record " + std::to_string(e.recno));
  NtxHeader header;
  header.geometry.keyLength = keyLength;
  header.geometry.maxKeys = maxKeysPerPage > 0 ? maxKeysPerPage : NtxMaxKeys(keyLength);
  header.keyDecimals = keyDecimals;
  header.expression = expression;
  if (!header.geometry.fits()) return refuse("pages of " + std::to_string(header.geometry.maxKeys) + " keys");

  std::vector<uint32_t> order = SortedOrder(entries, keyLength);
  for (size_t i = 1; i < order.size(); ++i) {
    const NtxEntry& a = entries[order[i - 1]];
    const NtxEntry& b = entries[order[i]];
    if (a.recno == b.recno && a.key == b.key)
      return refuse("record " + std::to_string(b.recno) + " listed twice under one key");
  }

  const std::string temp = path + ".tmp";
  std::unique_ptr<File> file;
  IoStatus io = env->Open(temp, OpenMode::kCreateTruncate, &file);
  if (!io.ok()) return Status::Error(e4create, io.message());
  Status s = WriteTree(file.get(), header, entries, std::move(order));
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
