// Runs a fuzz target's entry point once on every file of the folders (or the
// files) given, so that the sanitized build replays each target's corpus: a
// target that no longer builds, or an input that once failed, fails the test.
// The empty input is always run first. Reading and calling stay in this one
// file, shared by every target.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size);

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> ReadBytes(const fs::path& File) {
  std::ifstream in(File, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> Inputs(const fs::path& Given) {
  std::vector<fs::path> files;
  if (fs::is_directory(Given)) {
    for (const fs::directory_entry& e : fs::recursive_directory_iterator(Given))
      if (e.is_regular_file()) files.push_back(e.path());
  } else if (fs::is_regular_file(Given)) {
    files.push_back(Given);
  }
  return files;
}

// Stands for the bytes of an empty input, which a target may still not read.
const uint8_t kNoBytes[1] = {0};

}  // namespace

int main(int argc, char** argv) {
  LLVMFuzzerTestOneInput(kNoBytes, 0);
  size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<fs::path> files = Inputs(argv[i]);
    if (files.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 1;
    }
    for (const fs::path& file : files) {
      std::printf("%s\n", file.c_str());
      std::fflush(stdout);  // the last name printed is the input a sanitizer report belongs to
      std::vector<uint8_t> bytes = ReadBytes(file);
      LLVMFuzzerTestOneInput(bytes.empty() ? kNoBytes : bytes.data(), bytes.size());
      ++count;
    }
  }
  std::printf("replayed %zu inputs\n", count);
  return 0;
}
