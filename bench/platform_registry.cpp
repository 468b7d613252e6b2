// The registry store: the first read of a key of many values, which loads
// the registry file (one key holding 20,000 or 80,000 values).

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "platform/registry/Registry.h"
#include "platform/kernel/AtomicFile.h"

namespace {

void BM_RegistryFirstReadOfAKeyOfManyValues(benchmark::State& state) {
  const int values = static_cast<int>(state.range(0));
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "quelix_bench_registry.xml";
  std::string xml = "<registry><key name=\"HKEY_CURRENT_USER\"><key name=\"Big\">";
  for (int i = 0; i < values; ++i)
    xml += "<value name=\"Value" + std::to_string(i) + "\" type=\"integer\" data=\"" + std::to_string(i) + "\"/>";
  xml += "</key></key></registry>";
  platform::WriteFileAtomic(file, xml);
  for (auto _ : state) {
    platform::SetRegistryFile(file);  // forgets the tree: the read below loads the file
    TRegistry reg;
    reg.OpenKey("Big", false);
    benchmark::DoNotOptimize(reg.ReadInteger("VALUE" + std::to_string(values - 1)));
  }
  platform::SetRegistryFile({});
  std::filesystem::remove(file);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * values);
}

BENCHMARK(BM_RegistryFirstReadOfAKeyOfManyValues)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

}  // namespace
