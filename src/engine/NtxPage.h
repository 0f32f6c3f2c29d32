// The .ntx file format (Clipper index): one B-tree per file. All integers are
// unsigned little-endian. The file is a sequence of 1024-byte pages; page 0
// is the header; every page reference is a byte offset from the start of the
// file (a multiple of 1024), 0 meaning "none".
//
// Header page
//   Off  Size  Content
//     0     2  signature: 6 (3 = older writers, read too; 7 = with a FOR
//              condition, refused)
//     2     2  indexing version: a change counter; 1 written, not read
//     4     4  root page offset
//     8     4  first free page: always 0 here, no free list is kept
//    12     2  item size = K + 8
//    14     2  key size K, 1-256
//    16     2  key decimals (a bare numeric field's decimals), else 0
//    18     2  M = most keys in a page
//    20     2  half page = M / 2
//    22   256  key expression, NUL-terminated
//   278     1  unique flag (0)
//   280     1  descending flag (0)
//   282   256  FOR expression (all zero)
//   538    12  tag name (all zero)
//   550   474  reserved (0)
//
// Other pages
//   Off           Size              Content
//     0           2                 n = keys in the page, 0 <= n <= M
//     2           2 x (M + 1)       offset table: where item slot s starts
//   2 x (M + 2)   (M + 1) x (K + 8) item slots
//   item: child page offset (4) | record number (4) | key (K)
//
//   +---+------------------------+--------+--------+-----+--------+
//   | n | off[0] off[1] .. off[M]| slot 0 | slot 1 | ... | slot M |
//   +---+------------------------+--------+--------+-----+--------+
//
// Items are reached only through the offset table: item i lives at off[i].
// Other writers insert by shifting the table, so its M + 1 entries always
// name distinct slots; we write the identity layout. Keys 0..n-1 are items
// 0..n-1; item n carries only the rightmost child (its record number and key
// bytes zero, since some readers list a non-zero record number there as an
// extra entry). A leaf has every child 0, a branch every child non-zero.
// Key i is >= everything under child i and <= everything under child i + 1,
// and each (key, record) appears once in the tree, branch keys included.
// Keys compare as unsigned bytes over the full key size; equal keys are kept
// in record-number order.
#ifndef TBENGINE_NTXPAGE_H
#define TBENGINE_NTXPAGE_H

#include <cstdint>
#include <string>
#include <vector>

#include "Status.h"

namespace tbengine {

constexpr int kNtxPageSize = 1024;
constexpr int kNtxMaxKeyLength = 256;
constexpr int kNtxExpressionSize = 256;

namespace ntxhdr {
constexpr int kSignature = 0;
constexpr int kVersion = 2;
constexpr int kRoot = 4;
constexpr int kFreePage = 8;
constexpr int kItemSize = 12;
constexpr int kKeySize = 14;
constexpr int kKeyDecimals = 16;
constexpr int kMaxKeys = 18;
constexpr int kHalfPage = 20;
constexpr int kExpression = 22;
constexpr uint16_t kSignatureClipper = 6;
constexpr uint16_t kSignatureOld = 3;
}  // namespace ntxhdr

namespace ntxitem {
constexpr int kChild = 0;
constexpr int kRecno = 4;
constexpr int kKey = 8;
}  // namespace ntxitem

// The most keys a page holds for key size k, as other Clipper-compatible
// writers compute it: floor(1022 / (k + 10)) - 1, one less when odd and > 2.
int NtxMaxKeys(int keyLength);

// Sizes that follow from K and M.
struct NtxGeometry {
  int keyLength = 0;
  int maxKeys = 0;
  int itemSize() const { return keyLength + 8; }
  int slotsStart() const { return 2 * (maxKeys + 2); }
  // Whether M + 1 item slots of this size fit a page.
  bool fits() const { return maxKeys >= 2 && slotsStart() + (maxKeys + 1) * itemSize() <= kNtxPageSize; }
};

struct NtxHeader {
  uint16_t signature = ntxhdr::kSignatureClipper;
  uint16_t version = 1;
  uint32_t root = 0;
  uint32_t freePage = 0;
  int keyDecimals = 0;
  NtxGeometry geometry;
  std::string expression;
};

// Reads and validates header bytes (one page) of a file of fileSize bytes.
// e4index naming path on anything a reader cannot trust.
Status ParseNtxHeader(const char* page, uint64_t fileSize, const std::string& path, NtxHeader* out);
// Writes the header page (kNtxPageSize bytes, reserved bytes zero).
void EncodeNtxHeader(const NtxHeader& h, char* page);

// One page, decoded. Keys are kept contiguous, K bytes each.
struct NtxPage {
  uint32_t offset = 0;
  int n = 0;
  std::vector<uint32_t> child;  // n + 1
  std::vector<uint32_t> recno;  // n
  std::string keys;             // n * K
  // Oddities a reader tolerates but the checker reports.
  bool strayRightRecno = false;   // item n's record number was not 0
  bool offsetsNotDistinct = false;  // the offset table names a slot twice

  bool leaf() const { return child[0] == 0; }
  const char* key(int i, int k) const { return keys.data() + static_cast<size_t>(i) * k; }

  // Editing helpers; they keep child at n + 1 entries.
  void InsertEntry(int i, const char* key, int k, uint32_t rec, uint32_t rightChild);
  void EraseEntry(int i, int k, bool keepLeftChild);
};

// Decodes one page read at offset. false with *why set when the page cannot
// be trusted (n > M, an item outside the page, leaf and branch children mixed).
bool DecodeNtxPage(const char* bytes, const NtxGeometry& g, uint32_t offset, NtxPage* out,
                   std::string* why);
// Only the entry count, the n + 1 child offsets and, when recnos is given,
// the n record numbers (each array holds room for kNtxMaxChildren), with the
// same checks as DecodeNtxPage; no key is copied.
constexpr int kNtxMaxChildren = kNtxPageSize / 9 + 1;
bool DecodeNtxShape(const char* bytes, const NtxGeometry& g, int* n, uint32_t* children, std::string* why,
                    uint32_t* recnos = nullptr);
// Writes a page with the identity offset table and unused bytes zero.
void EncodeNtxPage(const NtxPage& p, const NtxGeometry& g, char* bytes);

}  // namespace tbengine

#endif  // TBENGINE_NTXPAGE_H
