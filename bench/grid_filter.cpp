// The grid's filter-condition matcher over 100,000 cell texts: wildcard
// patterns, numeric ranges, negation and groups.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "grid/foundation/ExtUtil.h"
#include "toolkit/rtl/SysUtils.h"

namespace {

const std::vector<std::string>& Texts() {
  static const std::vector<std::string> texts = [] {
    std::mt19937 rng(42);
    const char* words[] = {"Apple", "Banana", "Cherry", "apricot", "Berry", "melon", "Kiwi", "Elderberry"};
    std::vector<std::string> t;
    t.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
      switch (i % 4) {
        case 0: t.push_back(std::to_string(rng() % 10000)); break;
        case 1: t.push_back(words[rng() % 8]); break;
        case 2: t.push_back(std::string(words[rng() % 8]) + " " + std::to_string(rng() % 100) + " kg"); break;
        default: t.push_back(std::to_string(rng() % 1000) + "." + std::to_string(rng() % 100)); break;
      }
    }
    return t;
  }();
  return texts;
}

void RunCondition(benchmark::State& state, const char* condition, bool caseSensitive) {
  ResetFormatSettings();
  const auto& texts = Texts();
  for (auto _ : state) {
    int hits = 0;
    for (const auto& t : texts) hits += MatchFilterCondition(condition, t, caseSensitive);
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(texts.size()));
}

void BM_Wildcards(benchmark::State& s) { RunCondition(s, "A*|B*", true); }
void BM_WildcardsNoCase(benchmark::State& s) { RunCondition(s, "a*|b*", false); }
void BM_Range(benchmark::State& s) { RunCondition(s, ">=100&<5000", true); }
void BM_Negation(benchmark::State& s) { RunCondition(s, "!*rr*", true); }
void BM_ManyStars(benchmark::State& s) { RunCondition(s, "*e*r*r*y*", true); }
void BM_GroupAndRange(benchmark::State& s) { RunCondition(s, "(A*|B*)&*Y|>500.5", false); }

}  // namespace

BENCHMARK(BM_Wildcards)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WildcardsNoCase)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Range)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Negation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ManyStars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupAndRange)->Unit(benchmark::kMillisecond);
