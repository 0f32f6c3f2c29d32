// The tool tests' folder: a fresh temporary folder for each test (named by
// the test) and an engine whose tables live in it, both gone at the end.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tbengine/engine.h"

class EngineFolderTest : public ::testing::Test {
 protected:
  explicit EngineFolderTest(std::string prefix) : prefix_(std::move(prefix)) {}
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           (prefix_ + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    cb_ = code4initP();
    code4setDirectory(cb_, dir_.string());
  }
  void TearDown() override {
    code4initUndoP(cb_);
    std::filesystem::remove_all(dir_);
  }

  std::filesystem::path dir_;
  CODE4* cb_ = nullptr;

 private:
  std::string prefix_;
};
