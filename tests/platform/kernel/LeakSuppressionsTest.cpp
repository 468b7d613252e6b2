#include <gtest/gtest.h>

#include <string>

extern "C" const char* __lsan_default_suppressions();

namespace {

// The leak checker reads these when a program is run by hand, without ctest's
// suppressions file; they must be the platform's, linked into every program.
TEST(LeakSuppressions, CoverTheTextLibrariesCaches) {
  const std::string list = __lsan_default_suppressions();
  for (const char* lib : {"libfontconfig", "libpango", "libharfbuzz", "libglib"})
    EXPECT_NE(list.find(std::string("leak:") + lib), std::string::npos) << lib;
}

}  // namespace
