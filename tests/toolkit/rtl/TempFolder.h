#pragma once
// A fresh folder per test, removed afterwards, so tests can run in parallel.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

class TempFolder {
public:
  TempFolder() {
    std::string templ = testing::TempDir() + "rtlXXXXXX";
    char* p = ::mkdtemp(templ.data());
    if (!p) throw std::runtime_error("mkdtemp failed");
    path_ = p;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
  std::string path_;
};
