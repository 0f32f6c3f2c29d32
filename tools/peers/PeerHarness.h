// What the peer tests share: running a command, finding the peers and the
// helper scripts beside this file. A missing peer skips the test.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace peers {

struct Output {
  int rc;
  std::string text;
};

inline Output Shell(const std::string& cmd) {
  FILE* p = popen((cmd + " 2>&1").c_str(), "r");
  std::string out;
  std::array<char, 4096> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
  int status = pclose(p);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// One shell word, whatever the text holds.
inline std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// The folder of the peer scripts: from the source folder ctest names (a
// compiler cache may have made __FILE__ relative to the build folder).
inline std::string PeersDir() {
  if (const char* source = std::getenv("TB_SOURCE_DIR")) return std::string(source) + "/tools/peers";
  return std::filesystem::path(__FILE__).parent_path().string();
}

// A python that has both dbf and dbfread ("" when none).
inline const std::string& Python() {
  static const std::string found = [] {
    for (const char* candidate : {"python3", "/usr/bin/python3"})
      if (Shell(std::string(candidate) + " -c 'import dbf, dbfread'").rc == 0) return std::string(candidate);
    return std::string();
  }();
  return found;
}

// peer_check.py with the given arguments (already quoted).
inline Output PeerCheck(const std::string& args) {
  return Shell(Python() + " " + Quote(PeersDir() + "/peer_check.py") + " " + args);
}

inline bool HavePerlXBase() {
  static const bool have = Shell("perl -MXBase -MXBase::Index -MJSON::PP -e 1").rc == 0;
  return have;
}

}  // namespace peers

#define REQUIRE_PYTHON() \
  if (peers::Python().empty()) GTEST_SKIP() << "python3 with the dbf and dbfread modules is not installed"
#define REQUIRE_PERL() \
  if (!peers::HavePerlXBase()) GTEST_SKIP() << "Perl's XBase (libdbd-xbase-perl) is not installed"
