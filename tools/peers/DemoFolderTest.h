// What the tests of the data tool's folder commands share: a temporary
// folder holding the demo business as `tallowby-db init --demo` writes it
// (root/data), and the tool run on it as a script would run it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "PeerHarness.h"

namespace peers {

// The bytes of file, or "<missing>".
inline std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return in ? s.str() : std::string("<missing>");
}

class DemoFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tbtoolXXXXXX").string();
    ASSERT_NE(mkdtemp(tmpl.data()), nullptr);
    root = tmpl;
    data = root / "data";
    ASSERT_EQ(Tool("init --demo " + Q(data)).rc, 0);
  }
  void TearDown() override { std::filesystem::remove_all(root); }

  static std::string Q(const std::filesystem::path& p) { return Quote(p.string()); }
  static Output Tool(const std::string& args) { return Shell(Quote(TB_DATA_TOOL) + " " + args); }

  std::filesystem::path root, data;
};

}  // namespace peers
