// Key expressions: parsing into a small tree, then evaluation to key bytes.
//
// Key bytes by expression (what a Clipper-compatible engine stores):
//   C field          the stored text, trailing blanks kept
//   a + b            concatenation (character operands only)
//   Upper(x)         x with ASCII a-z made A-Z; other bytes unchanged
//   Str(n, w, d)     n rounded half away from zero to d decimals, right-aligned
//                    in w with leading blanks; w asterisks when it does not fit;
//                    a blank N field counts as 0. Str(n, w) = Str(n, w, 0);
//                    Str(n) uses the field's width and decimals.
//   DTOS(d)          yyyymmdd, 8 blanks for a blank date
//   bare N field     Str(n, width, dec) with blanks and '-' turned into '0';
//                    when negative every digit d becomes 0x2C - d, so that
//                    byte order equals numeric order
//   bare D field     yyyymmdd / 8 blanks
//   bare L field     T or F
// Numbers are rounded on their decimal text, never through a double, so
// 2.675 rounds to 2.68 exactly as it is stored.
#include "KeyExpr.h"

#include <cctype>
#include <utility>
#include <vector>

namespace tbengine {

namespace {

constexpr int kMaxKeyLength = 256;

enum class Kind { kChar, kNum, kDate, kLogic };

struct Node {
  enum class Op { kField, kConcat, kUpper, kStr, kDtos } op = Op::kField;
  Kind kind = Kind::kChar;
  int width = 0;     // bytes of the result (numbers: the field's width)
  int decimals = 0;  // numbers and Str: decimals of the result
  FieldDesc field;   // kField
  std::vector<std::unique_ptr<Node>> args;
};

bool EqualsNoCase(const std::string& a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
      return false;
  return i == a.size() && b[i] == 0;
}

// The decimal text of a stored number rounded half away from zero to dec
// decimals: "-12.50". Leading blanks, a sign, digits and one '.' are read;
// reading stops at anything else, so a blank or garbled field counts as 0.
std::string RoundedNumberText(const char* text, int len, int dec, bool* negative) {
  int i = 0;
  while (i < len && text[i] == ' ') ++i;
  bool neg = false;
  if (i < len && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
  std::string digits;  // integer digits then dec fraction digits
  while (i < len && std::isdigit(static_cast<unsigned char>(text[i]))) digits += text[i++];
  std::string frac;
  if (i < len && text[i] == '.') {
    ++i;
    while (i < len && std::isdigit(static_cast<unsigned char>(text[i]))) frac += text[i++];
  }
  bool roundUp = static_cast<int>(frac.size()) > dec && frac[dec] >= '5';
  frac.resize(dec, '0');
  size_t intLen = digits.size();
  digits += frac;
  if (roundUp) {
    int k = static_cast<int>(digits.size()) - 1;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k >= 0) {
      ++digits[k];
    } else {
      digits.insert(digits.begin(), '1');
      ++intLen;
    }
  }
  size_t lead = 0;
  while (lead + 1 < intLen && digits[lead] == '0') ++lead;
  std::string intPart = intLen == 0 ? std::string("0") : digits.substr(lead, intLen - lead);
  std::string fracPart = digits.substr(intLen);
  bool zero = digits.find_first_not_of('0') == std::string::npos;
  *negative = neg && !zero;
  std::string out = *negative ? "-" : "";
  out += intPart;
  if (dec > 0) out += "." + fracPart;
  return out;
}

// Str(n, w, d) of the field's stored text.
std::string StrKey(const char* text, int len, int width, int dec, bool* negative) {
  std::string s = RoundedNumberText(text, len, dec, negative);
  if (static_cast<int>(s.size()) > width) return std::string(width, '*');
  return std::string(width - s.size(), ' ') + s;
}

std::string NumericFieldKey(const char* text, const FieldDesc& f) {
  bool negative = false;
  std::string s = StrKey(text, f.width, f.width, f.decimals, &negative);
  for (char& c : s) {
    if (c == ' ' || c == '-') c = '0';
    if (negative && c >= '0' && c <= '9') c = static_cast<char>(0x2C - (c - '0'));
  }
  return s;
}

void Eval(const Node& n, const char* record, std::string* out) {
  switch (n.op) {
    case Node::Op::kField: {
      const char* p = record + n.field.offset;
      switch (n.kind) {
        case Kind::kChar:
        case Kind::kDate:
          out->append(p, n.field.width);
          break;
        case Kind::kLogic:
          out->push_back(*p == 'T' || *p == 't' || *p == 'Y' || *p == 'y' ? 'T' : 'F');
          break;
        case Kind::kNum:
          out->append(NumericFieldKey(p, n.field));
          break;
      }
      return;
    }
    case Node::Op::kConcat:
      for (const auto& a : n.args) Eval(*a, record, out);
      return;
    case Node::Op::kUpper: {
      size_t from = out->size();
      Eval(*n.args[0], record, out);
      for (size_t i = from; i < out->size(); ++i) {
        char& c = (*out)[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
      }
      return;
    }
    case Node::Op::kStr: {
      const FieldDesc& f = n.args[0]->field;
      bool negative = false;
      out->append(StrKey(record + f.offset, f.width, n.width, n.decimals, &negative));
      return;
    }
    case Node::Op::kDtos: {
      const FieldDesc& f = n.args[0]->field;
      std::string d(record + f.offset, f.width);
      d.resize(8, ' ');
      out->append(d);
      return;
    }
  }
}

class Parser {
 public:
  Parser(const std::string& text, const FieldList& fields) : s_(text), fields_(fields) {}

  Status Parse(std::unique_ptr<Node>* out) {
    std::unique_ptr<Node> n;
    TB_RETURN_IF_ERROR(ParseSum(&n));
    SkipBlanks();
    if (pos_ < s_.size()) return Fail("unexpected \"" + s_.substr(pos_) + "\"");
    *out = std::move(n);
    return Status::Ok();
  }

 private:
  Status Fail(const std::string& what) const {
    return Status::Error(e4expr, "Key expression \"" + s_ + "\": " + what);
  }
  void SkipBlanks() {
    while (pos_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[pos_]))) ++pos_;
  }
  bool Take(char c) {
    SkipBlanks();
    if (pos_ < s_.size() && s_[pos_] == c) {
      ++pos_;
      return true;
    }
    return false;
  }
  std::string Name() {
    SkipBlanks();
    size_t b = pos_;
    while (pos_ < s_.size() &&
           (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
      ++pos_;
    return s_.substr(b, pos_ - b);
  }

  Status ParseSum(std::unique_ptr<Node>* out) {
    std::unique_ptr<Node> first;
    TB_RETURN_IF_ERROR(ParseTerm(&first));
    if (!Peek('+')) {
      *out = std::move(first);
      return Status::Ok();
    }
    auto sum = std::make_unique<Node>();
    sum->op = Node::Op::kConcat;
    sum->kind = Kind::kChar;
    sum->args.push_back(std::move(first));
    while (Take('+')) {
      std::unique_ptr<Node> next;
      TB_RETURN_IF_ERROR(ParseTerm(&next));
      sum->args.push_back(std::move(next));
    }
    for (const auto& a : sum->args) {
      if (a->kind != Kind::kChar) return Fail("\"+\" joins character values only");
      sum->width += a->width;
    }
    *out = std::move(sum);
    return Status::Ok();
  }
  bool Peek(char c) {
    SkipBlanks();
    return pos_ < s_.size() && s_[pos_] == c;
  }

  Status Integer(int* value) {
    SkipBlanks();
    size_t b = pos_;
    while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])) && pos_ - b < 4) ++pos_;
    if (pos_ == b) return Fail("a whole number is expected at position " + std::to_string(b + 1));
    *value = std::stoi(s_.substr(b, pos_ - b));
    return Status::Ok();
  }

  Status ParseTerm(std::unique_ptr<Node>* out) {
    size_t at = pos_;
    std::string name = Name();
    if (name.empty()) {
      SkipBlanks();
      if (pos_ >= s_.size()) return Fail("incomplete expression");
      return Fail("unexpected \"" + s_.substr(pos_, 1) + "\" at position " + std::to_string(pos_ + 1));
    }
    if (!Take('(')) return FieldTerm(name, at, out);
    auto n = std::make_unique<Node>();
    std::unique_ptr<Node> arg;
    TB_RETURN_IF_ERROR(ParseSum(&arg));
    if (EqualsNoCase(name, "UPPER")) {
      if (arg->kind != Kind::kChar) return Fail("Upper() needs a character value");
      n->op = Node::Op::kUpper;
      n->kind = Kind::kChar;
      n->width = arg->width;
    } else if (EqualsNoCase(name, "DTOS")) {
      if (arg->kind != Kind::kDate) return Fail("DTOS() needs a date field");
      n->op = Node::Op::kDtos;
      n->kind = Kind::kChar;
      n->width = 8;
    } else if (EqualsNoCase(name, "STR")) {
      if (arg->kind != Kind::kNum) return Fail("Str() needs a numeric field");
      n->op = Node::Op::kStr;
      n->kind = Kind::kChar;
      n->width = arg->field.width;
      n->decimals = arg->field.decimals;
      if (Take(',')) {
        TB_RETURN_IF_ERROR(Integer(&n->width));
        n->decimals = 0;
        if (Take(',')) TB_RETURN_IF_ERROR(Integer(&n->decimals));
      }
      if (n->width < 1 || n->width > kMaxKeyLength) return Fail("Str() width out of range");
      if (n->decimals >= n->width) return Fail("Str() decimals must be fewer than the width");
    } else {
      return Fail("unknown function " + name + "()");
    }
    if (!Take(')')) return Fail("\")\" expected after the arguments of " + name + "()");
    n->args.push_back(std::move(arg));
    *out = std::move(n);
    return Status::Ok();
  }

  Status FieldTerm(const std::string& name, size_t at, std::unique_ptr<Node>* out) {
    for (const FieldDesc& f : fields_) {
      if (!EqualsNoCase(name, f.name.c_str())) continue;
      auto n = std::make_unique<Node>();
      n->field = f;
      n->width = f.width;
      switch (f.type) {
        case 'C': n->kind = Kind::kChar; break;
        case 'N': n->kind = Kind::kNum; n->decimals = f.decimals; break;
        case 'D': n->kind = Kind::kDate; n->width = 8; break;
        case 'L': n->kind = Kind::kLogic; n->width = 1; break;
        default: return Fail("field " + f.name + " cannot be part of a key");
      }
      *out = std::move(n);
      return Status::Ok();
    }
    return Fail("unknown field " + name + " at position " + std::to_string(at + 1));
  }

  const std::string& s_;
  const FieldList& fields_;
  size_t pos_ = 0;
};

}  // namespace

struct KeyExpr::Impl {
  std::string text;
  std::unique_ptr<Node> root;
};

KeyExpr::KeyExpr() : impl_(std::make_unique<Impl>()) {}
KeyExpr::~KeyExpr() = default;
KeyExpr::KeyExpr(KeyExpr&&) noexcept = default;
KeyExpr& KeyExpr::operator=(KeyExpr&&) noexcept = default;

Status KeyExpr::Compile(const std::string& text, const FieldList& fields, KeyExpr* out) {
  std::unique_ptr<Node> root;
  Parser parser(text, fields);
  TB_RETURN_IF_ERROR(parser.Parse(&root));
  if (root->width < 1 || root->width > kMaxKeyLength)
    return Status::Error(e4expr, "Key expression \"" + text + "\": key of " +
                                     std::to_string(root->width) + " bytes (1 to 256 allowed)");
  if (!out->impl_) out->impl_ = std::make_unique<Impl>();
  out->impl_->text = text;
  out->impl_->root = std::move(root);
  return Status::Ok();
}

std::string KeyExpr::Evaluate(const char* record) const {
  std::string key;
  key.reserve(keyLength());
  EvaluateInto(record, &key);
  return key;
}

void KeyExpr::EvaluateInto(const char* record, std::string* key) const {
  key->clear();
  if (impl_ && impl_->root) Eval(*impl_->root, record, key);
}

int KeyExpr::keyLength() const { return impl_ && impl_->root ? impl_->root->width : 0; }

int KeyExpr::keyDecimals() const {
  const Node* r = impl_ ? impl_->root.get() : nullptr;
  return r && r->op == Node::Op::kField && r->kind == Kind::kNum ? r->decimals : 0;
}

const std::string& KeyExpr::text() const { return impl_->text; }

}  // namespace tbengine
