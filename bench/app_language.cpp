// Reading a language file must stay linear in its length, however long one
// line is: the guarded read, the text decoding and the line rules each make
// one pass. Files beyond Lang_File_Limit are refused before they are read.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "base/ULanguage.h"
#include "toolkit/rtl/FileUtils.h"

namespace {

std::string LongLineFile(int64_t bytes, bool utf8) {
  const std::string path = (std::filesystem::temp_directory_path() / "quelix-bench-long-line.lng").string();
  std::string text = "STR5 = ";
  // Windows-1252 text (a lone 0xE9) makes the reader decode every byte.
  const std::string unit = utf8 ? "\xC3\xA9t\xC3\xA9 " : "\xE9t\xE9 ";
  while (int64_t(text.size()) + int64_t(unit.size()) < bytes) text += unit;
  WriteFileAtomic(path, text);
  return path;
}

void BM_ReadLangFileWithOneLongLine(benchmark::State& state, bool utf8) {
  const std::string path = LongLineFile(state.range(0), utf8);
  Load_Default_Lang();
  for (auto _ : state) benchmark::DoNotOptimize(Read_Lang_File(path));
  state.SetBytesProcessed(int64_t(state.iterations()) * state.range(0));
  state.SetComplexityN(state.range(0));
  std::filesystem::remove(path);
}
BENCHMARK_CAPTURE(BM_ReadLangFileWithOneLongLine, Utf8, true)
    ->RangeMultiplier(4)->Range(64 << 10, int64_t(Lang_File_Limit))->Complexity(benchmark::oN);
BENCHMARK_CAPTURE(BM_ReadLangFileWithOneLongLine, Windows1252, false)
    ->RangeMultiplier(4)->Range(64 << 10, int64_t(Lang_File_Limit))->Complexity(benchmark::oN);

}  // namespace
