#pragma once
// A fresh folder per test under the test temp dir, removed afterwards, and
// small helpers to write fixture files into it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TTempFolder {
public:
  TTempFolder() {
    std::string pattern = (std::filesystem::path(testing::TempDir()) / "cfgtest-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    if (!made) throw std::runtime_error("mkdtemp failed");
    path_ = made;
  }
  ~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string Sub(const std::string& relative) const { return (std::filesystem::path(path_) / relative).string(); }

  // Writes bytes as given (no newline translation), creating folders on the way.
  std::string Write(const std::string& relative, const std::string& bytes) const {
    std::filesystem::path p = std::filesystem::path(path_) / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  std::string Read(const std::string& relative) const {
    std::ifstream in(std::filesystem::path(path_) / relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

private:
  std::string path_;
};

// The source tree, named by CTest's environment.
inline std::filesystem::path Source_Folder() {
  const char* source = std::getenv("QUELIX_SOURCE_DIR");
  if (source == nullptr || *source == 0) {
    ADD_FAILURE() << "QUELIX_SOURCE_DIR is not set: run the tests through ctest";
    return {};
  }
  return source;
}

// The language files that come with the program (language/ of the source tree).
inline std::filesystem::path Shipped_Language_Folder() {
  const std::filesystem::path source = Source_Folder();
  return source.empty() ? source : source / "language";
}

// The bytes of a file of the source tree (a golden file), empty when it cannot be read.
inline std::string Source_File(const std::string& Relative) {
  const std::filesystem::path source = Source_Folder();
  if (source.empty()) return "";
  std::ifstream in(source / Relative, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
