// Section-file sized XML work: building and saving a table, loading it, and
// walking the rows by position (which must stay linear in the row count).

#include "platform/xml/XmlDocument.h"

#include <benchmark/benchmark.h>

namespace {

std::string TableText(int rows) {
  platform::XmlDocument doc;
  platform::XmlNode root = doc.AddRoot("DefineRecJ1939");
  for (int i = 0; i < rows; ++i) {
    platform::XmlNode row = root.AddChild("row");
    row.SetAttribute("PGN", std::to_string(61440 + i));
    row.SetAttribute("SourceAddress", std::to_string(i % 254));
    row.SetAttribute("Mnemonic", "Engine speed & \"torque\" " + std::to_string(i));
    row.SetAttribute("Enable", i % 2 ? "Y" : "N");
  }
  doc.AddComment("SW_VERSION = 1.000");
  return doc.SaveToString();
}

void BM_SaveTable(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(TableText(static_cast<int>(state.range(0))));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SaveTable)->Range(64, 16384)->Complexity();

void BM_LoadAndWalkByPosition(benchmark::State& state) {
  std::string text = TableText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    platform::XmlDocument doc;
    doc.LoadFromBytes(text);
    platform::XmlNode root = doc.FirstNode();
    size_t total = 0;
    for (int i = 0; i < root.ChildCount(); ++i) total += root.Child(i).Attribute("PGN")->size();
    benchmark::DoNotOptimize(total);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadAndWalkByPosition)->Range(64, 16384)->Complexity(benchmark::oN);

}  // namespace
