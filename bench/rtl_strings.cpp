// Sorted string lists as the grid's filter and lookup lists use them.

#include <benchmark/benchmark.h>

#include <random>

#include "toolkit/rtl/StringList.h"

namespace {

std::vector<std::string> names(size_t n) {
  std::mt19937 rng(1);
  std::vector<std::string> v;
  v.reserve(n);
  for (size_t i = 0; i < n; ++i) v.push_back("Name" + std::to_string(rng()));
  return v;
}

void SortedInsert(benchmark::State& state) {
  std::vector<std::string> input = names(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    TStringList l;
    l.SetSorted(true);
    l.SetDuplicates(dupIgnore);
    for (const auto& n : input) l.Add(n);
    benchmark::DoNotOptimize(l.Count());
  }
}
BENCHMARK(SortedInsert)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void SortedLookup(benchmark::State& state) {
  std::vector<std::string> input = names(100000);
  TStringList l;
  l.SetSorted(true);
  for (const auto& n : input) l.Add(n);
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(l.IndexOf(input[i++ % input.size()]));
}
BENCHMARK(SortedLookup);

}  // namespace
