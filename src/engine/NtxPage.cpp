#include "NtxPage.h"

#include <algorithm>
#include <bitset>
#include <cstring>

#include "Bytes.h"

namespace tbengine {

int NtxMaxKeys(int keyLength) {
  int m = 1022 / (keyLength + 10) - 1;
  if (m > 2 && m % 2 == 1) --m;
  return m;
}

Status ParseNtxHeader(const char* page, uint64_t fileSize, const std::string& path, NtxHeader* out) {
  using namespace ntxhdr;
  NtxHeader h;
  h.signature = GetU16(page + kSignature);
  if (h.signature == 7)
    return Status::CorruptIndex(path, "indexes with a FOR condition are not supported");
  if (h.signature != kSignatureClipper && h.signature != kSignatureOld)
    return Status::CorruptIndex(path, "signature " + std::to_string(h.signature) + " is not an .ntx signature");
  h.version = GetU16(page + kVersion);
  h.root = GetU32(page + kRoot);
  h.freePage = GetU32(page + kFreePage);
  int itemSize = GetU16(page + kItemSize);
  h.geometry.keyLength = GetU16(page + kKeySize);
  h.keyDecimals = GetU16(page + kKeyDecimals);
  h.geometry.maxKeys = GetU16(page + kMaxKeys);
  if (h.geometry.keyLength < 1 || h.geometry.keyLength > kNtxMaxKeyLength)
    return Status::CorruptIndex(path, "key size " + std::to_string(h.geometry.keyLength) + " out of range");
  if (itemSize != h.geometry.itemSize())
    return Status::CorruptIndex(path, "item size " + std::to_string(itemSize) + " does not match key size " +
                                          std::to_string(h.geometry.keyLength));
  if (!h.geometry.fits())
    return Status::CorruptIndex(path, "max keys per page " + std::to_string(h.geometry.maxKeys) +
                                          " does not fit a page");
  if (h.root == 0 || h.root % kNtxPageSize != 0 || h.root + uint64_t{kNtxPageSize} > fileSize)
    return Status::CorruptIndex(path, "root page offset " + std::to_string(h.root) + " out of range");
  const char* expr = page + kExpression;
  h.expression.assign(expr, strnlen(expr, kNtxExpressionSize));
  if (h.expression.size() == kNtxExpressionSize)
    return Status::CorruptIndex(path, "key expression not terminated");
  *out = std::move(h);
  return Status::Ok();
}

void EncodeNtxHeader(const NtxHeader& h, char* page) {
  using namespace ntxhdr;
  std::memset(page, 0, kNtxPageSize);
  PutU16(page + kSignature, h.signature);
  PutU16(page + kVersion, h.version);
  PutU32(page + kRoot, h.root);
  PutU32(page + kFreePage, 0);
  PutU16(page + kItemSize, static_cast<uint16_t>(h.geometry.itemSize()));
  PutU16(page + kKeySize, static_cast<uint16_t>(h.geometry.keyLength));
  PutU16(page + kKeyDecimals, static_cast<uint16_t>(h.keyDecimals));
  PutU16(page + kMaxKeys, static_cast<uint16_t>(h.geometry.maxKeys));
  PutU16(page + kHalfPage, static_cast<uint16_t>(h.geometry.maxKeys / 2));
  std::memcpy(page + kExpression, h.expression.data(), std::min<size_t>(h.expression.size(), kNtxExpressionSize - 1));
}

void NtxPage::InsertEntry(int i, const char* k, int klen, uint32_t rec, uint32_t rightChild) {
  keys.insert(static_cast<size_t>(i) * klen, k, klen);
  recno.insert(recno.begin() + i, rec);
  child.insert(child.begin() + i + 1, rightChild);
  ++n;
}

void NtxPage::EraseEntry(int i, int klen, bool keepLeftChild) {
  keys.erase(static_cast<size_t>(i) * klen, klen);
  recno.erase(recno.begin() + i);
  child.erase(child.begin() + (keepLeftChild ? i + 1 : i));
  --n;
}

bool DecodeNtxPage(const char* bytes, const NtxGeometry& g, uint32_t offset, NtxPage* out,
                   std::string* why) {
  const int k = g.keyLength;
  int n = GetU16(bytes);
  if (n > g.maxKeys) {
    *why = std::to_string(n) + " keys in a page of at most " + std::to_string(g.maxKeys);
    return false;
  }
  out->offset = offset;
  out->n = n;
  out->child.resize(n + 1);
  out->recno.resize(n);
  out->keys.resize(static_cast<size_t>(n) * k);
  out->strayRightRecno = false;
  out->offsetsNotDistinct = false;
  const int lowest = g.slotsStart();
  const int highest = kNtxPageSize - g.itemSize();
  std::bitset<kNtxPageSize> seen;
  for (int s = 0; s <= g.maxKeys; ++s) {
    int off = GetU16(bytes + 2 + 2 * s);
    bool inPage = off >= lowest && off <= highest;
    if (s <= n && !inPage) {
      *why = "item " + std::to_string(s) + " at " + std::to_string(off) + " lies outside the page";
      return false;
    }
    if (inPage) {
      if (seen[off]) out->offsetsNotDistinct = true;
      seen[off] = true;
    } else {
      out->offsetsNotDistinct = true;
    }
    if (s > n) continue;
    const char* item = bytes + off;
    out->child[s] = GetU32(item + ntxitem::kChild);
    if (s < n) {
      out->recno[s] = GetU32(item + ntxitem::kRecno);
      std::memcpy(&out->keys[static_cast<size_t>(s) * k], item + ntxitem::kKey, k);
    } else if (GetU32(item + ntxitem::kRecno) != 0 && out->child[s] != 0) {
      out->strayRightRecno = true;
    }
  }
  bool leaf = out->child[0] == 0;
  for (int s = 1; s <= n; ++s) {
    if ((out->child[s] == 0) != leaf) {
      *why = "leaf and branch items mixed";
      return false;
    }
  }
  return true;
}

bool DecodeNtxShape(const char* bytes, const NtxGeometry& g, int* n, uint32_t* children, std::string* why,
                    uint32_t* recnos) {
  *n = GetU16(bytes);
  if (*n > g.maxKeys) {
    *why = std::to_string(*n) + " keys in a page of at most " + std::to_string(g.maxKeys);
    return false;
  }
  const int lowest = g.slotsStart();
  const int highest = kNtxPageSize - g.itemSize();
  for (int s = 0; s <= *n; ++s) {
    int off = GetU16(bytes + 2 + 2 * s);
    if (off < lowest || off > highest) {
      *why = "item " + std::to_string(s) + " at " + std::to_string(off) + " lies outside the page";
      return false;
    }
    children[s] = GetU32(bytes + off + ntxitem::kChild);
    if (recnos != nullptr && s < *n) recnos[s] = GetU32(bytes + off + ntxitem::kRecno);
    if ((children[s] == 0) != (children[0] == 0)) {
      *why = "leaf and branch items mixed";
      return false;
    }
  }
  return true;
}

void EncodeNtxPage(const NtxPage& p, const NtxGeometry& g, char* bytes) {
  std::memset(bytes, 0, kNtxPageSize);
  PutU16(bytes, static_cast<uint16_t>(p.n));
  const int k = g.keyLength;
  for (int s = 0; s <= g.maxKeys; ++s) {
    int off = g.slotsStart() + s * g.itemSize();
    PutU16(bytes + 2 + 2 * s, static_cast<uint16_t>(off));
    if (s > p.n) continue;
    char* item = bytes + off;
    PutU32(item + ntxitem::kChild, p.child[s]);
    if (s < p.n) {
      PutU32(item + ntxitem::kRecno, p.recno[s]);
      std::memcpy(item + ntxitem::kKey, p.key(s, k), k);
    }
  }
}

}  // namespace tbengine
