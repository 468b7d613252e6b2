#pragma once
// A fresh folder under the test temp directory, removed with its content at the end.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

class TempFolder {
public:
  TempFolder() {
    std::string pattern = (std::filesystem::path(testing::TempDir()) / "quelix-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
  }
  static std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  int EntryCount() const {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(path_), {}));
  }

private:
  std::filesystem::path path_;
};

}  // namespace testsupport
