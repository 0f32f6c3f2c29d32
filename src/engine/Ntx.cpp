// NtxFile: opening an index, its cursor, and inserting and removing entries.
// The byte layout is in NtxPage.h; the bulk build is in NtxBuild.cpp and the
// structural checker in NtxCheck.cpp.
#include "Ntx.h"

#include <algorithm>

#include "NtxImpl.h"

namespace tbengine {

namespace {

// Skips up to this many entries step from entry to entry; longer ones go
// through the subtree counts.
constexpr long kStepLimit = 64;
// Indexes up to this many pages count exactly for Position.
constexpr uint64_t kExactPositionBytes = 64 * kNtxPageSize;

// First entry of p not below (key, recno).
int LowerBound(const NtxPage& p, const char* key, uint32_t recno, int k) {
  int lo = 0, hi = p.n;
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (CompareEntry(p.key(mid, k), p.recno[mid], key, recno, k) < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

// First entry of p whose first len bytes are not below text.
int LowerBoundPrefix(const NtxPage& p, const char* text, int len, int k) {
  int lo = 0, hi = p.n;
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (std::memcmp(p.key(mid, k), text, len) < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

std::string At(uint32_t page) { return "page at offset " + std::to_string(page); }

}  // namespace

NtxFile::NtxFile() : impl_(std::make_unique<Impl>()) {}
NtxFile::~NtxFile() = default;

Status NtxFile::Open(Env* env, const std::string& path, std::unique_ptr<NtxFile>* out) {
  std::unique_ptr<File> file;
  IoStatus io = env->Open(path, OpenMode::kReadWrite, &file);
  if (!io.ok() && env->Exists(path)) io = env->Open(path, OpenMode::kReadOnly, &file);
  if (!io.ok()) return Status::Error(e4open, io.message());
  uint64_t size = 0;
  io = file->Size(&size);
  if (!io.ok()) return Status::Error(e4read, io.message());
  if (size < kNtxPageSize)
    return Status::CorruptIndex(path, "file of " + std::to_string(size) + " bytes has no header page");
  char page[kNtxPageSize];
  size_t got = 0;
  io = file->ReadAt(0, page, kNtxPageSize, &got);
  if (!io.ok()) return Status::Error(e4read, io.message());
  if (got != kNtxPageSize) return Status::CorruptIndex(path, "header page cut short");
  NtxHeader header;
  TB_RETURN_IF_ERROR(ParseNtxHeader(page, size, path, &header));

  std::unique_ptr<NtxFile> f(new NtxFile());
  Impl& m = *f->impl_;
  m.env = env;
  m.path = path;
  m.header = header;
  m.cache = std::make_unique<PageCache>(file.get(), header.geometry, size, kNtxCachePages);
  m.file = std::move(file);
  NtxPath probe;
  PageRef root;
  TB_RETURN_IF_ERROR(m.Push(&probe, header.root, 0, &root));
  *out = std::move(f);
  return Status::Ok();
}

const std::string& NtxFile::path() const { return impl_->path; }
const std::string& NtxFile::expression() const { return impl_->header.expression; }
int NtxFile::keyLength() const { return impl_->K(); }
int NtxFile::keyDecimals() const { return impl_->header.keyDecimals; }
bool NtxFile::valid() const { return impl_->valid; }
uint32_t NtxFile::recno() const { return impl_->curRecno; }
std::string_view NtxFile::key() const { return impl_->curKey(); }

// ---- Paths ----------------------------------------------------------------

Status NtxFile::Impl::Push(NtxPath* p, uint32_t page, int idx, PageRef* out, PageSet* seen, PageAccess access) {
  if (p->size() >= kNtxMaxDepth)
    return Corrupt("tree deeper than " + std::to_string(kNtxMaxDepth) + " levels at " + At(page));
  for (const NtxFrame& f : *p)
    if (f.page == page) return Corrupt(At(page) + " lies below itself");
  TB_RETURN_IF_ERROR(Load(page, out, access));  // first: only a page of the file is marked seen
  if (seen && !seen->Insert(page)) return Corrupt(At(page) + " is reached twice");
  if ((*out)->n == 0 && (!p->empty() || !(*out)->leaf()))
    return Corrupt("empty " + At(page) + " inside the tree");
  p->push_back({page, idx});
  return Status::Ok();
}

Status NtxFile::Impl::DescendFirst(NtxPath* p, uint32_t page, PageSet* seen, PageAccess access) {
  for (;;) {
    PageRef node;
    TB_RETURN_IF_ERROR(Push(p, page, 0, &node, seen, access));
    if (node->leaf()) return Status::Ok();
    page = node->child[0];
  }
}

Status NtxFile::Impl::DescendLast(NtxPath* p, uint32_t page, PageSet* seen, PageAccess access) {
  for (;;) {
    PageRef node;
    TB_RETURN_IF_ERROR(Push(p, page, 0, &node, seen, access));
    if (node->leaf()) {
      p->back().idx = node->n - 1;
      return Status::Ok();
    }
    p->back().idx = node->n;
    page = node->child[node->n];
  }
}

Status NtxFile::Impl::Settle(NtxPath* p, bool* onEntry) {
  while (!p->empty()) {
    PageRef node;
    TB_RETURN_IF_ERROR(Load(p->back().page, &node));
    if (p->back().idx >= 0 && p->back().idx < node->n) {
      *onEntry = true;
      return Status::Ok();
    }
    p->pop_back();
  }
  *onEntry = false;
  return Status::Ok();
}

Status NtxFile::Impl::Next(NtxPath* p, bool* moved, PageSet* seen) {
  PageRef node;
  TB_RETURN_IF_ERROR(Load(p->back().page, &node));
  int idx = ++p->back().idx;
  if (!node->leaf()) {
    *moved = true;
    return DescendFirst(p, node->child[idx], seen, PageAccess::kForward);
  }
  return Settle(p, moved);
}

Status NtxFile::Impl::Prev(NtxPath* p, bool* moved, PageSet* seen) {
  PageRef node;
  TB_RETURN_IF_ERROR(Load(p->back().page, &node));
  *moved = true;
  if (!node->leaf()) return DescendLast(p, node->child[p->back().idx], seen, PageAccess::kBackward);
  if (p->back().idx > 0) {
    --p->back().idx;
    return Status::Ok();
  }
  p->pop_back();
  while (!p->empty()) {
    if (p->back().idx > 0) {
      --p->back().idx;
      return Status::Ok();
    }
    p->pop_back();
  }
  *moved = false;
  return Status::Ok();
}

Status NtxFile::Impl::EntryAt(const NtxPath& p, std::string* key, uint32_t* rec) {
  PageRef node;
  TB_RETURN_IF_ERROR(Load(p.back().page, &node));
  key->assign(node->key(p.back().idx, K()), K());
  *rec = node->recno[p.back().idx];
  return Status::Ok();
}

Status NtxFile::Impl::SetCursor(NtxPath p) {
  if (p.empty()) {
    Invalidate();
    return Status::Ok();
  }
  cursor = std::move(p);
  return Stand();
}

Status NtxFile::Impl::Stand() {
  PageRef page;
  Status s = Load(cursor.back().page, &page);
  valid = s.ok();
  if (!valid) return s;
  curPage = std::move(page);
  curIdx = cursor.back().idx;
  curRecno = curPage->recno[curIdx];
  return s;
}

// ---- Counts ---------------------------------------------------------------

Status NtxFile::Impl::CountUpTo(uint32_t page, size_t depth, uint64_t limit, uint64_t* out, bool* exact) {
  auto it = counts.find(page);
  if (it != counts.end()) {
    *out = it->second;
    *exact = true;
    return Status::Ok();
  }
  if (depth > kNtxMaxDepth) return Corrupt("tree deeper than " + std::to_string(kNtxMaxDepth) + " levels");
  int n = 0;
  uint32_t child[kNtxMaxChildren];
  TB_RETURN_IF_ERROR(cache->Shape(page, &n, child));
  uint64_t c = static_cast<uint64_t>(n);
  *exact = true;
  for (int j = 0; child[0] != 0 && j <= n; ++j) {
    if (c > limit) {
      *exact = false;
      break;
    }
    uint64_t below = 0;
    TB_RETURN_IF_ERROR(CountUpTo(child[j], depth + 1, limit - c, &below, exact));
    c += below;
    if (!*exact) break;
  }
  if (*exact) counts[page] = c;
  *out = c;
  return Status::Ok();
}

Status NtxFile::Impl::Rank(const NtxPath& p, uint64_t* rank) {
  uint64_t r = 0;
  for (size_t level = 0; level < p.size(); ++level) {
    PageRef node;
    TB_RETURN_IF_ERROR(Load(p[level].page, &node));
    int idx = p[level].idx;
    r += idx;
    if (node->leaf()) continue;
    int upto = level + 1 == p.size() ? idx + 1 : idx;
    for (int j = 0; j < upto; ++j) {
      uint64_t below = 0;
      TB_RETURN_IF_ERROR(Count(node->child[j], level + 1, &below));
      r += below;
    }
  }
  *rank = r;
  return Status::Ok();
}

Status NtxFile::Impl::PathToRank(uint64_t rank, NtxPath* p, bool* beyond) {
  *beyond = false;
  uint32_t page = header.root;
  for (;;) {
    PageRef node;
    TB_RETURN_IF_ERROR(Push(p, page, 0, &node));
    if (node->leaf() && p->size() == 1 && rank >= static_cast<uint64_t>(node->n)) {
      *beyond = true;
      return Status::Ok();
    }
    if (node->leaf()) {
      if (rank >= static_cast<uint64_t>(node->n)) return Corrupt("entry counts disagree at " + At(page));
      p->back().idx = static_cast<int>(rank);
      return Status::Ok();
    }
    bool down = false;
    for (int j = 0; j <= node->n && !down; ++j) {
      uint64_t below = 0;
      bool exact = true;
      TB_RETURN_IF_ERROR(CountUpTo(node->child[j], p->size(), rank, &below, &exact));
      p->back().idx = j;
      if (rank < below) {
        page = node->child[j];
        down = true;
      } else {
        rank -= below;
        if (j < node->n && rank == 0) return Status::Ok();
        if (j < node->n) --rank;
      }
    }
    if (!down && p->size() == 1) {
      *beyond = true;
      return Status::Ok();
    }
    if (!down) return Corrupt("entry counts disagree at " + At(page));
  }
}

// ---- Cursor ---------------------------------------------------------------

Status NtxFile::First() {
  Impl& m = *impl_;
  m.Invalidate();
  m.EndWalk();
  bool on = false;
  Status s = m.DescendFirst(&m.cursor, m.header.root);
  if (s.ok()) s = m.Settle(&m.cursor, &on);
  return m.Place(s, on);
}

Status NtxFile::Last() {
  Impl& m = *impl_;
  m.Invalidate();
  m.EndWalk();
  bool on = false;
  Status s = m.DescendLast(&m.cursor, m.header.root);
  if (s.ok()) s = m.Settle(&m.cursor, &on);
  return m.Place(s, on);
}

Status NtxFile::Skip(long n, long* moved) {
  Impl& m = *impl_;
  *moved = 0;
  if (n == 0) return Status::Ok();
  if (!m.valid) {
    if (n > 0) return Status::Ok();
    TB_RETURN_IF_ERROR(Last());
    if (!m.valid) return Status::Ok();
    *moved = 1;
    if (++n == 0) return Status::Ok();
  }
  const int direction = n > 0 ? 1 : -1;
  if (m.walkDirection != direction) {
    m.EndWalk();
    m.walkDirection = direction;
    for (const NtxFrame& f : m.cursor) m.walkSeen.Insert(f.page);
  }
  if (n > kStepLimit || n < -kStepLimit) {
    // Counts are needed only for the pages before the target, so a first
    // long skip reads about as many pages as it passes, later ones few.
    uint64_t rank = 0;
    Status s = m.Rank(m.cursor, &rank);
    int64_t target = static_cast<int64_t>(rank) + n;
    if (s.ok() && target < 0) {
      *moved += static_cast<long>(rank);
      return First();
    }
    NtxPath p;
    bool beyond = false;
    if (s.ok()) s = m.PathToRank(static_cast<uint64_t>(target), &p, &beyond);
    uint64_t total = 0;
    if (s.ok() && beyond) s = m.Count(m.header.root, 0, &total);
    if (!s.ok() || beyond) {
      m.Invalidate();
      if (beyond) *moved += static_cast<long>(total - 1 - rank);
      return s;
    }
    *moved += n > 0 ? n : -n;
    m.walkSteps += static_cast<uint64_t>(n > 0 ? n : -n);
    if (m.walkSteps > m.walkLimit) {
      m.Invalidate();
      return m.Corrupt("a walk passed more entries than the table's " + std::to_string(m.walkLimit) + " records");
    }
    m.walkSeen.Clear();  // the walk goes on from the new path
    for (const NtxFrame& f : p) m.walkSeen.Insert(f.page);
    return m.SetCursor(std::move(p));
  }
  const int k = m.K();
  for (long left = n > 0 ? n : -n; left > 0; --left) {
    // The entry stepped from: its page is held until the step is done.
    PageRef from;
    const int fromIdx = m.curIdx;
    const int to = fromIdx + direction;
    if (m.curPage->leaf() && to >= 0 && to < m.curPage->n) {
      // Within the leaf the cursor stands on: no page to find.
      m.cursor.back().idx = m.curIdx = to;
      m.curRecno = m.curPage->recno[to];
    } else {
      from = m.curPage;
      bool stepped = false;
      Status s = n > 0 ? m.Next(&m.cursor, &stepped, &m.walkSeen) : m.Prev(&m.cursor, &stepped, &m.walkSeen);
      if (s.ok() && stepped) s = m.Stand();
      if (!s.ok()) {
        m.Invalidate();
        return s;
      }
      if (!stepped) {
        if (n < 0) return First();  // stays on the first entry
        m.Invalidate();
        return Status::Ok();
      }
    }
    if (++m.walkSteps > m.walkLimit) {
      m.Invalidate();
      return m.Corrupt("a walk passed more entries than the table's " + std::to_string(m.walkLimit) + " records");
    }
    const char* before = (from ? *from : *m.curPage).key(fromIdx, k);
    const int c = std::memcmp(m.curPage->key(m.curIdx, k), before, k);
    if (n > 0 ? c < 0 : c > 0) {
      uint32_t page = m.cursor.back().page;
      m.Invalidate();
      return m.Corrupt("keys out of order at " + At(page));
    }
    ++*moved;
  }
  return Status::Ok();
}

Status NtxFile::Impl::SeekPath(std::string_view text, NtxPath* p, bool* onEntry, PageSet* seen) {
  const int len = std::min<int>(static_cast<int>(text.size()), K());
  uint32_t page = header.root;
  for (;;) {
    PageRef node;
    TB_RETURN_IF_ERROR(Push(p, page, 0, &node, seen));
    int i = LowerBoundPrefix(*node, text.data(), len, K());
    p->back().idx = i;
    if (!node->leaf()) {
      page = node->child[i];
    } else if (i < node->n) {
      *onEntry = true;  // on a key of the leaf: no page to look at again
      return Status::Ok();
    } else {
      return Settle(p, onEntry);
    }
  }
}

Status NtxFile::Seek(std::string_view text, int* result) {
  Impl& m = *impl_;
  m.Invalidate();
  m.EndWalk();
  bool on = false;
  Status s = m.SeekPath(text, &m.cursor, &on);
  TB_RETURN_IF_ERROR(m.Place(s, on));
  if (!on) {
    *result = r4eof;
    return Status::Ok();
  }
  const size_t len = std::min<size_t>(text.size(), m.K());
  *result = std::memcmp(m.curKey().data(), text.data(), len) == 0 ? r4success : r4after;
  return Status::Ok();
}

Status NtxFile::Impl::FindPath(const std::string& key, uint32_t rec, NtxPath* p, bool* found) {
  *found = false;
  // Where the entry belongs when equal keys ascend by record number.
  uint32_t page = header.root;
  for (;;) {
    PageRef node;
    TB_RETURN_IF_ERROR(Push(p, page, 0, &node));
    int i = LowerBound(*node, key.data(), rec, K());
    p->back().idx = i;
    if (i < node->n && CompareEntry(node->key(i, K()), node->recno[i], key.data(), rec, K()) == 0) {
      *found = true;
      return Status::Ok();
    }
    if (node->leaf()) break;
    page = node->child[i];
  }
  // Files from other programs may keep equal keys in another order. The
  // scan enters each page once, so a damaged tree whose pages share
  // children cannot make it run through the same keys again and again.
  p->clear();
  bool on = false;
  PageSet seen;
  TB_RETURN_IF_ERROR(SeekPath(key, p, &on, &seen));
  std::string k;
  uint32_t r = 0;
  while (on) {
    TB_RETURN_IF_ERROR(EntryAt(*p, &k, &r));
    if (k != key) break;
    if (r == rec) {
      *found = true;
      return Status::Ok();
    }
    TB_RETURN_IF_ERROR(Next(p, &on, &seen));
  }
  return Status::Ok();
}

void NtxFile::SetWalkLimit(uint64_t entries) { impl_->walkLimit = entries; }

Status NtxFile::Find(const std::string& key, uint32_t recno, bool* found) {
  Impl& m = *impl_;
  // Back on the entry the walk stands on, the walk goes on (a damaged tree
  // may hold it twice: the walk must not start afresh there); elsewhere it
  // starts anew.
  if (key != m.curKey() || recno != m.curRecno) m.EndWalk();
  m.Invalidate();
  *found = false;
  if (static_cast<int>(key.size()) != m.K())
    return Status::Error(e4parm, "Index file " + m.path + ": key of " + std::to_string(key.size()) +
                                     " bytes for keys of " + std::to_string(m.K()));
  Status s = m.FindPath(key, recno, &m.cursor, found);
  return m.Place(s, *found);
}

Status NtxFile::Position(double* pos) {
  Impl& m = *impl_;
  if (!m.valid) {
    PageRef root;
    TB_RETURN_IF_ERROR(m.Load(m.header.root, &root));
    *pos = root->n == 0 ? 0.0 : 1.0;
    return Status::Ok();
  }
  if (m.cache->fileSize() <= kExactPositionBytes) {
    uint64_t total = 0, rank = 0;
    TB_RETURN_IF_ERROR(m.Count(m.header.root, 0, &total));
    TB_RETURN_IF_ERROR(m.Rank(m.cursor, &rank));
    *pos = static_cast<double>(rank) / static_cast<double>(total);
    return Status::Ok();
  }
  // The entry's place in its page (a leaf entry in the middle of its slot, a
  // branch entry at the end of the child before it), then each parent's
  // child slot, from the bottom up.
  double p = 0.0;
  for (size_t level = m.cursor.size(); level-- > 0;) {
    PageRef node;
    TB_RETURN_IF_ERROR(m.Load(m.cursor[level].page, &node));
    int idx = m.cursor[level].idx;
    if (level + 1 == m.cursor.size())
      p = node->leaf() ? (0.5 + idx) / node->n : (1.0 + idx) / (node->n + 1);
    else
      p = (p + idx) / (node->n + 1);
  }
  *pos = p;
  return Status::Ok();
}

Status NtxFile::ForEach(const std::function<void(const std::string& key, uint32_t recno)>& fn) {
  Impl& m = *impl_;
  NtxPath p;
  PageSet seen;
  bool on = false;
  TB_RETURN_IF_ERROR(m.DescendFirst(&p, m.header.root, &seen));
  TB_RETURN_IF_ERROR(m.Settle(&p, &on));
  std::string key, before;
  uint32_t rec = 0;
  while (on) {
    TB_RETURN_IF_ERROR(m.EntryAt(p, &key, &rec));
    if (!before.empty() && std::memcmp(key.data(), before.data(), m.K()) < 0)
      return m.Corrupt("keys out of order at " + At(p.back().page));
    fn(key, rec);
    before.swap(key);
    TB_RETURN_IF_ERROR(m.Next(&p, &on, &seen));
  }
  return Status::Ok();
}

// ---- Changes --------------------------------------------------------------

Status NtxFile::Impl::Write(const NtxPage& page) {
  counts.erase(page.offset);
  return cache->Put(page);
}

Status NtxFile::Impl::SetRoot(uint32_t root) {
  header.root = root;
  return cache->WriteHeader(header);
}

Status NtxFile::Insert(const std::string& key, uint32_t recno) {
  Impl& m = *impl_;
  m.Invalidate();
  m.EndWalk();
  const int k = m.K();
  if (static_cast<int>(key.size()) != k)
    return Status::Error(e4parm, "Index file " + m.path + ": key of " + std::to_string(key.size()) +
                                     " bytes for keys of " + std::to_string(k));
  NtxPath p;
  PageRef leaf;
  for (uint32_t page = m.header.root;;) {
    TB_RETURN_IF_ERROR(m.Push(&p, page, 0, &leaf));
    int i = LowerBound(*leaf, key.data(), recno, k);
    if (i < leaf->n && CompareEntry(leaf->key(i, k), leaf->recno[i], key.data(), recno, k) == 0)
      return Status::Error(e4index, "Index file " + m.path + " already holds record " +
                                        std::to_string(recno) + " under this key");
    p.back().idx = i;
    if (leaf->leaf()) break;
    page = leaf->child[i];
  }
  m.ForgetCounts(p);
  NtxPage node = *leaf;
  node.InsertEntry(p.back().idx, key.data(), k, recno, 0);
  // A page over M keys splits in two around its middle entry, which moves
  // up into the parent; a split root gets a new root above it.
  for (size_t level = p.size() - 1; node.n > m.M(); --level) {
    const int mid = node.n / 2;
    NtxPage right;
    right.offset = m.cache->Allocate();
    right.n = node.n - mid - 1;
    right.keys = node.keys.substr(static_cast<size_t>(mid + 1) * k);
    right.recno.assign(node.recno.begin() + mid + 1, node.recno.end());
    right.child.assign(node.child.begin() + mid + 1, node.child.end());
    std::string upKey = node.keys.substr(static_cast<size_t>(mid) * k, k);
    uint32_t upRecno = node.recno[mid];
    node.n = mid;
    node.keys.resize(static_cast<size_t>(mid) * k);
    node.recno.resize(mid);
    node.child.resize(mid + 1);
    TB_RETURN_IF_ERROR(m.Write(right));
    TB_RETURN_IF_ERROR(m.Write(node));
    if (level == 0) {
      NtxPage root;
      root.offset = m.cache->Allocate();
      root.n = 1;
      root.keys = upKey;
      root.recno = {upRecno};
      root.child = {node.offset, right.offset};
      TB_RETURN_IF_ERROR(m.Write(root));
      return m.SetRoot(root.offset);
    }
    PageRef parent;
    TB_RETURN_IF_ERROR(m.Load(p[level - 1].page, &parent));
    node = *parent;
    node.InsertEntry(p[level - 1].idx, upKey.data(), k, upRecno, right.offset);
  }
  return m.Write(node);
}

Status NtxFile::Remove(const std::string& key, uint32_t recno) {
  Impl& m = *impl_;
  m.Invalidate();
  m.EndWalk();
  const int k = m.K();
  if (static_cast<int>(key.size()) != k)
    return Status::Error(e4parm, "Index file " + m.path + ": key of " + std::to_string(key.size()) +
                                     " bytes for keys of " + std::to_string(k));
  NtxPath p;
  bool found = false;
  TB_RETURN_IF_ERROR(m.FindPath(key, recno, &p, &found));
  if (!found)
    return Status::Error(e4index, "Index file " + m.path + " holds no entry for record " +
                                      std::to_string(recno) + " under its key");
  m.ForgetCounts(p);
  PageRef at;
  TB_RETURN_IF_ERROR(m.Load(p.back().page, &at));
  NtxPage node;
  if (at->leaf()) {
    node = *at;
    node.EraseEntry(p.back().idx, k, true);
  } else {
    // A branch entry is replaced by the entry before it, the last of a leaf.
    NtxPage branch = *at;
    const int i = p.back().idx;
    TB_RETURN_IF_ERROR(m.DescendLast(&p, branch.child[i]));
    PageRef leaf;
    TB_RETURN_IF_ERROR(m.Load(p.back().page, &leaf));
    node = *leaf;
    const int last = node.n - 1;
    std::memcpy(&branch.keys[static_cast<size_t>(i) * k], node.key(last, k), k);
    branch.recno[i] = node.recno[last];
    TB_RETURN_IF_ERROR(m.Write(branch));
    node.EraseEntry(last, k, true);
    m.ForgetCounts(p);
  }
  return m.Rebalance(std::move(p), std::move(node));
}

// node is the changed copy of the last page of path. A page left with fewer
// than M/2 keys borrows one through the parent from a sibling that can spare
// one, or else merges with a sibling and the separator, which may leave the
// parent short in turn. A root branch left without keys gives way to its
// only child.
Status NtxFile::Impl::Rebalance(NtxPath p, NtxPage node) {
  const int k = K();
  for (size_t level = p.size() - 1;; --level) {
    if (level == 0) {
      if (node.n == 0 && !node.leaf()) {
        TB_RETURN_IF_ERROR(SetRoot(node.child[0]));
        counts.erase(node.offset);
        cache->Release(node.offset);
        return Status::Ok();
      }
      return Write(node);
    }
    if (node.n >= MinKeys()) return Write(node);
    PageRef parentRef;
    TB_RETURN_IF_ERROR(Load(p[level - 1].page, &parentRef));
    NtxPage parent = *parentRef;
    const int c = p[level - 1].idx;
    PageRef leftRef, rightRef;
    if (parent.leaf() || c > parent.n) return Corrupt(At(parent.offset) + " does not lead to its child");
    if (c > 0) TB_RETURN_IF_ERROR(Load(parent.child[c - 1], &leftRef));
    if (c < parent.n) TB_RETURN_IF_ERROR(Load(parent.child[c + 1], &rightRef));
    for (const PageRef& s : {leftRef, rightRef})
      if (s && (s->leaf() != node.leaf() || s->n == 0))
        return Corrupt("pages at offsets " + std::to_string(s->offset) + " and " +
                       std::to_string(node.offset) + " differ in depth");
    if (leftRef && leftRef->n > MinKeys()) {
      NtxPage left = *leftRef;
      node.keys.insert(0, parent.key(c - 1, k), k);
      node.recno.insert(node.recno.begin(), parent.recno[c - 1]);
      node.child.insert(node.child.begin(), left.child[left.n]);
      ++node.n;
      std::memcpy(&parent.keys[static_cast<size_t>(c - 1) * k], left.key(left.n - 1, k), k);
      parent.recno[c - 1] = left.recno[left.n - 1];
      left.EraseEntry(left.n - 1, k, true);
      TB_RETURN_IF_ERROR(Write(left));
      TB_RETURN_IF_ERROR(Write(node));
      return Write(parent);
    }
    if (rightRef && rightRef->n > MinKeys()) {
      NtxPage right = *rightRef;
      node.InsertEntry(node.n, parent.key(c, k), k, parent.recno[c], right.child[0]);
      std::memcpy(&parent.keys[static_cast<size_t>(c) * k], right.key(0, k), k);
      parent.recno[c] = right.recno[0];
      right.EraseEntry(0, k, false);
      TB_RETURN_IF_ERROR(Write(right));
      TB_RETURN_IF_ERROR(Write(node));
      return Write(parent);
    }
    // Merge the right one of the pair into the left one.
    const int sep = leftRef ? c - 1 : c;
    NtxPage into = leftRef ? *leftRef : node;
    const NtxPage& from = leftRef ? node : *rightRef;
    into.InsertEntry(into.n, parent.key(sep, k), k, parent.recno[sep], from.child[0]);
    for (int j = 0; j < from.n; ++j) into.InsertEntry(into.n, from.key(j, k), k, from.recno[j], from.child[j + 1]);
    if (into.n > M()) return Corrupt("pages at " + At(into.offset) + " overfull after a merge");
    parent.EraseEntry(sep, k, true);
    TB_RETURN_IF_ERROR(Write(into));
    counts.erase(from.offset);
    cache->Release(from.offset);
    node = std::move(parent);
  }
}

}  // namespace tbengine
