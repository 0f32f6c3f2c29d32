// Result of an engine operation inside the engine: ok, or an e4... code with
// a message naming the file (and the offset where it helps). The facade turns
// a failed Status into the pending error of the CODE4.
#ifndef TBENGINE_STATUS_H
#define TBENGINE_STATUS_H

#include <string>
#include <utility>

#include "tbengine/engine.h"

namespace tbengine {

class Status {
 public:
  Status() = default;
  static Status Ok() { return Status(); }
  static Status Error(int code, std::string message) { return Status(code, std::move(message)); }
  static Status Corrupt(const std::string& file, const std::string& what) {
    return Status(e4data, "Corrupt file " + file + ": " + what);
  }
  static Status CorruptIndex(const std::string& file, const std::string& what) {
    return Status(e4index, "Corrupt index file " + file + ": " + what);
  }
  bool ok() const { return code_ == 0; }
  int code() const { return code_; }
  const std::string& message() const { return message_; }

 private:
  Status(int c, std::string m) : code_(c), message_(std::move(m)) {}
  int code_ = 0;
  std::string message_;
};

#define TB_RETURN_IF_ERROR(expr)       \
  do {                                 \
    ::tbengine::Status _s = (expr);    \
    if (!_s.ok()) return _s;           \
  } while (0)

}  // namespace tbengine

#endif  // TBENGINE_STATUS_H
