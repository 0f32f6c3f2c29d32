// The engine handle: settings, the pending error, the fatal-error hook.
#include <cstdio>
#include <cstdlib>

#include "Facade.h"

using tbengine::Status;

namespace {

Fatal4Hook& FatalHook() {
  static Fatal4Hook hook;
  return hook;
}

void CallFatal(int code, const std::string& message) {
  if (FatalHook()) {
    FatalHook()(code, message);
    return;
  }
  std::fprintf(stderr, "%s\n", message.empty() ? "Fatal engine error" : message.c_str());
  std::exit(1);
}

int Swap(int* setting, int value) {
  int old = *setting;
  *setting = value;
  return old;
}

}  // namespace

namespace tbengine {

int SetError(CODE4* cb, const Status& s) {
  if (s.ok()) return 0;
  return SetError(cb, s.code(), s.message());
}

int SetError(CODE4* cb, int code, const std::string& message) {
  if (cb->errorCode == 0) {
    cb->errorCode = code;
    cb->errorText = message;
  }
  return code;
}

int NullHandle(const char* operation) {
  std::fprintf(stderr, "%s called with a null handle\n", operation);
  return e4parm;
}

}  // namespace tbengine

CODE4* code4initP() {
  CODE4* cb = new CODE4;
  cb->env = tbengine::Env::Default();
  return cb;
}

int code4initUndoP(CODE4* cb) {
  if (cb == nullptr) return 0;
  code4close(cb);
  delete cb;
  return 0;
}

int code4close(CODE4* cb) {
  if (cb == nullptr) return tbengine::NullHandle("code4close");
  int first = 0;
  while (!cb->tables.empty()) {
    int rc = d4close(cb->tables.back().get());
    if (rc < 0 && first == 0) first = rc;
  }
  return first;
}

void code4exit(CODE4* cb) {
  int code = cb != nullptr && cb->errorCode != 0 ? cb->errorCode : -1;
  CallFatal(code, cb != nullptr ? cb->errorText : std::string());
}

int code4errorCode(CODE4* cb, int newCode) {
  if (cb == nullptr) return tbengine::NullHandle("code4errorCode");
  int old = cb->errorCode;
  cb->errorCode = newCode;
  if (newCode == 0) cb->errorText.clear();
  return old;
}

const std::string& code4errorText(CODE4* cb) {
  static const std::string empty;
  return cb == nullptr ? empty : cb->errorText;
}

int error4exitTest(CODE4* cb) {
  if (cb == nullptr || cb->errorCode == 0) return 0;
  CallFatal(cb->errorCode, cb->errorText);
  return cb->errorCode;
}

int code4accessMode(CODE4* cb, int mode) { return Swap(&cb->accessMode, mode); }
int code4autoOpen(CODE4* cb, int on) { return Swap(&cb->autoOpen, on); }
int code4safety(CODE4* cb, int on) { return Swap(&cb->safety, on); }
int code4optimize(CODE4* cb, int on) { return Swap(&cb->optimize, on); }
int code4optimizeWrite(CODE4* cb, int on) { return Swap(&cb->optimizeWrite, on); }

void code4setDirectory(CODE4* cb, const std::string& dir) { cb->dir = dir; }

void code4setEnv(CODE4* cb, tbengine::Env* env) { cb->env = env != nullptr ? env : tbengine::Env::Default(); }

void code4setFatalHook(Fatal4Hook hook) { FatalHook() = std::move(hook); }
