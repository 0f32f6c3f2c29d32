// The structural checker of an index file: walks every page once and reports
// each broken invariant of Ntx.h as one line naming the file.
#include <unordered_set>

#include "Ntx.h"
#include "NtxImpl.h"

namespace tbengine {

namespace {
constexpr size_t kMaxProblems = 100;
}  // namespace

class NtxChecker {
 public:
  NtxChecker(NtxFile::Impl* m, std::vector<std::string>* problems) : m_(*m), problems_(*problems) {}

  Status Walk(uint32_t page, size_t depth) {
    if (depth > kNtxMaxDepth) {
      Report("tree deeper than " + std::to_string(kNtxMaxDepth) + " levels at " + At(page));
      return Status::Ok();
    }
    if (!seen_.insert(page).second) {
      Report(At(page) + " is reached twice");
      return Status::Ok();
    }
    PageRef node;
    Status s = m_.Load(page, &node);
    if (s.code() == e4index) {
      problems_.push_back(s.message());
      return Status::Ok();
    }
    TB_RETURN_IF_ERROR(s);
    const bool isRoot = depth == 0;
    if (node->n == 0 && !(isRoot && node->leaf())) Report("empty " + At(page) + " inside the tree");
    if (node->strayRightRecno) Report("rightmost item of " + At(page) + " carries a record number");
    if (node->offsetsNotDistinct) Report("offset table of " + At(page) + " is not a permutation of its slots");
    if (node->leaf()) {
      if (leafDepth_ < 0) leafDepth_ = static_cast<long>(depth);
      if (leafDepth_ != static_cast<long>(depth))
        Report("leaf " + At(page) + " at depth " + std::to_string(depth) + ", other leaves at " +
               std::to_string(leafDepth_));
    }
    for (int i = 0; i <= node->n; ++i) {
      if (!node->leaf()) TB_RETURN_IF_ERROR(Walk(node->child[i], depth + 1));
      if (i < node->n) Visit(*node, i);
    }
    return Status::Ok();
  }

  uint64_t count() const { return count_; }

 private:
  static std::string At(uint32_t page) { return "page at offset " + std::to_string(page); }

  void Report(const std::string& what) {
    if (problems_.size() - first_ < kMaxProblems)
      problems_.push_back("Index file " + m_.path + ": " + what);
    else if (problems_.size() - first_ == kMaxProblems)
      problems_.push_back("Index file " + m_.path + ": more problems not listed");
  }

  void Visit(const NtxPage& node, int i) {
    const int k = m_.K();
    const char* key = node.key(i, k);
    const uint32_t rec = node.recno[i];
    ++count_;
    if (rec == 0) Report("entry " + std::to_string(i) + " of " + At(node.offset) + " has record number 0");
    if (havePrev_) {
      int c = std::memcmp(prevKey_.data(), key, k);
      std::string where = "entry " + std::to_string(i) + " of " + At(node.offset);
      if (c > 0) Report("keys out of order at " + where);
      else if (c == 0 && prevRecno_ > rec) Report("equal keys out of record-number order at " + where);
      else if (c == 0 && prevRecno_ == rec) Report("record " + std::to_string(rec) + " listed twice at " + where);
    }
    prevKey_.assign(key, k);
    prevRecno_ = rec;
    havePrev_ = true;
  }

  NtxFile::Impl& m_;
  std::vector<std::string>& problems_;
  size_t first_ = problems_.size();
  std::unordered_set<uint32_t> seen_;
  long leafDepth_ = -1;
  uint64_t count_ = 0;
  bool havePrev_ = false;
  std::string prevKey_;
  uint32_t prevRecno_ = 0;
};

Status NtxFile::Check(std::vector<std::string>* problems, uint64_t* count) {
  NtxChecker checker(impl_.get(), problems);
  Status s = checker.Walk(impl_->header.root, 0);
  *count = checker.count();
  return s;
}

Status NtxFile::Verify(uint32_t records, uint64_t* count) {
  Impl& m = *impl_;
  *count = 0;
  std::unordered_set<uint32_t> seen;
  std::vector<std::pair<uint32_t, size_t>> stack{{m.header.root, 0}};  // page, depth
  long leafDepth = -1;
  uint32_t child[kNtxMaxChildren], recno[kNtxMaxChildren];
  while (!stack.empty()) {
    const auto [page, depth] = stack.back();
    stack.pop_back();
    if (depth > kNtxMaxDepth) return m.Corrupt("tree deeper than " + std::to_string(kNtxMaxDepth) + " levels");
    if (!seen.insert(page).second) return m.Corrupt("page at offset " + std::to_string(page) + " is reached twice");
    // Counts, children and record numbers only: no page is decoded or kept.
    int n = 0;
    TB_RETURN_IF_ERROR(m.cache->Shape(page, &n, child, recno));
    const bool leaf = child[0] == 0;
    if (n == 0 && !(depth == 0 && leaf))
      return m.Corrupt("empty page at offset " + std::to_string(page) + " inside the tree");
    *count += static_cast<uint64_t>(n);
    for (int i = 0; i < n; ++i)
      if (recno[i] < 1 || recno[i] > records)
        return m.Corrupt("entry " + std::to_string(i) + " of the page at offset " + std::to_string(page) + " names record " +
                         std::to_string(recno[i]) + " of a table of " + std::to_string(records));
    if (leaf) {
      if (leafDepth < 0) leafDepth = static_cast<long>(depth);
      if (leafDepth != static_cast<long>(depth))
        return m.Corrupt("leaf page at offset " + std::to_string(page) + " at depth " + std::to_string(depth) +
                         ", other leaves at " + std::to_string(leafDepth));
      continue;
    }
    for (int i = 0; i <= n; ++i) stack.push_back({child[i], depth + 1});
  }
  return Status::Ok();
}

}  // namespace tbengine
