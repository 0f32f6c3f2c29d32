#include "TestSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "Dbf.h"
#include "Dbt.h"
#include "Paths.h"

namespace fs = std::filesystem;

namespace tbtest {

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "tbengine-XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = buf.data();
}

TempDir::~TempDir() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

tbengine::FieldDesc Field(const std::string& name, char type, int width, int decimals) {
  tbengine::FieldDesc f;
  f.name = name;
  f.type = type;
  f.width = width;
  f.decimals = decimals;
  return f;
}

void MakeTable(const std::string& dir, const std::string& fileName, const tbengine::FieldList& fields,
               uint8_t languageDriver) {
  tbengine::Env* env = tbengine::Env::Default();
  tbengine::Status s = tbengine::DbfFile::Create(env, dir + "/" + fileName, fields, languageDriver);
  ASSERT_TRUE(s.ok()) << s.message();
  for (const auto& f : fields)
    if (f.type == 'M') {
      s = tbengine::DbtFile::Create(env, dir + "/" + tbengine::StemOf(fileName) + ".dbt");
      ASSERT_TRUE(s.ok()) << s.message();
      break;
    }
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool Exists(const std::string& path) { return fs::exists(path); }

std::vector<std::string> ListDir(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

Engine::Engine() {
  cb_ = code4initP();
  code4setDirectory(cb_, dir_.path());
  code4setFatalHook([](int code, const std::string& message) { throw FatalError(code, message); });
}

Engine::~Engine() {
  code4initUndoP(cb_);
  code4setFatalHook(nullptr);
}

DATA4* Engine::Open(const char* name) {
  DATA4* d = d4open(cb_, name);
  EXPECT_NE(d, nullptr) << code4errorText(cb_);
  return d;
}

int Engine::TakeError(std::string* text) {
  if (text != nullptr) *text = code4errorText(cb_);
  return code4errorCode(cb_, 0);
}

void ExpectConsistent(DATA4* d) {
  std::vector<std::string> problems;
  d4check(d, &problems);
  std::ostringstream all;
  for (const auto& p : problems) all << p << "\n";
  EXPECT_TRUE(problems.empty()) << all.str();
}

void AppendRecord(DATA4* d, const std::vector<std::pair<const char*, std::string>>& values) {
  ASSERT_EQ(d4appendBlank(d), 0);
  for (const auto& [name, text] : values) {
    FIELD4* f = d4field(d, name);
    ASSERT_NE(f, nullptr) << name;
    int rc = f4type(f) == 'M' ? f4memoAssign(f, text.c_str()) : f4assign(f, text.c_str());
    ASSERT_EQ(rc, 0) << name << "=" << text;
  }
}

std::string Str(DATA4* d, const char* name) {
  FIELD4* f = d4field(d, name);
  if (f == nullptr) return "<no field>";
  std::string s = f4str(f);
  s.erase(s.find_last_not_of(' ') + 1);
  return s;
}

std::vector<long> RecordOrder(DATA4* d) {
  std::vector<long> order;
  for (int rc = d4top(d); rc == 0; rc = d4skip(d, 1)) order.push_back(d4recNo(d));
  return order;
}

}  // namespace tbtest
