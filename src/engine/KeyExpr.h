// Index key expressions: the subset used by our tags and by other
// Clipper-compatible programs' simple indexes. Grammar:
//   expr   := term { "+" term }
//   term   := FIELD | Upper(expr) | Str(expr [, w [, d]]) | DTOS(expr)
// Field names are matched without regard to case; function names too.
// Keys are the bytes a Clipper-compatible engine stores (see Ntx.h).
#ifndef TBENGINE_KEYEXPR_H
#define TBENGINE_KEYEXPR_H

#include <memory>
#include <string>

#include "FieldDesc.h"
#include "Status.h"

namespace tbengine {

class KeyExpr {
 public:
  KeyExpr();
  ~KeyExpr();
  KeyExpr(KeyExpr&&) noexcept;
  KeyExpr& operator=(KeyExpr&&) noexcept;

  // Parses text against the table's fields. e4expr with a message naming
  // the expression when it cannot be parsed or names an unknown field.
  static Status Compile(const std::string& text, const FieldList& fields, KeyExpr* out);

  // The key of one record (record bytes, deletion flag at offset 0).
  std::string Evaluate(const char* record) const;
  // The same into *key, reusing its storage.
  void EvaluateInto(const char* record, std::string* key) const;
  int keyLength() const;     // bytes of every key
  int keyDecimals() const;   // decimals of a bare numeric field key, else 0
  const std::string& text() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace tbengine

#endif  // TBENGINE_KEYEXPR_H
