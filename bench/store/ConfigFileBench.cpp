#include <kiv/ConfigFile.h>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

using kiv::ConfigFile;

namespace {

constexpr int ROMKeys = 30000;

// Names shaped like the level document's cell keys.
std::string keyName(int i) {
    return std::string("Cell_")
        .append(std::to_string(i % 12))
        .append("_")
        .append(std::to_string(i));
}

ConfigFile storeOf(int entries) {
    ConfigFile store;
    for (int i = 0; i < entries; ++i)
        store.WriteValue(keyName(i), std::to_string(i % 256));
    return store;
}

std::string benchFile() {
    return (std::filesystem::temp_directory_path() /
            ("kiv-bench-" + std::to_string(::getpid()) + ".txt"))
        .string();
}

// Argument 0 starts from a new store, whose first growth pays for fresh memory; argument 1
// refills one store after DelAll, as reading a second ROM does.
void WriteThenReadNewKeys(benchmark::State& state) {
    const bool reuse = state.range(0) == 1;
    ConfigFile store;
    for (auto _ : state) {
        if (reuse)
            store.DelAll();
        else
            store = ConfigFile();
        for (int i = 0; i < ROMKeys; ++i)
            store.WriteValue(keyName(i), "17");
        for (int i = 0; i < ROMKeys; ++i)
            benchmark::DoNotOptimize(store.GetValue(keyName(i)));
    }
}
BENCHMARK(WriteThenReadNewKeys)->ArgName("reused")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The encoder's pattern: each key is finished in place just before its lookup, and most cells
// of a screen are empty, so most lookups miss.
void LookUpCellsBuiltInPlace(benchmark::State& state) {
    ConfigFile store;
    for (int i = 0; i < ROMKeys; i += 10)
        store.WriteValue(std::string("Cell_").append(std::to_string(i / 320)).append("_") +
                             std::to_string(i % 320),
                         "17");
    std::string key;
    for (auto _ : state) {
        for (int screen = 0; screen < ROMKeys / 320; ++screen) {
            key.assign("Cell_").append(std::to_string(screen)).append("_");
            const std::size_t prefix = key.size();
            for (int cell = 0; cell < 320; ++cell) {
                key.resize(prefix);
                key.append(std::to_string(cell));
                benchmark::DoNotOptimize(store.GetValue(key));
            }
        }
    }
}
BENCHMARK(LookUpCellsBuiltInPlace)->Unit(benchmark::kMillisecond);

void GetAllOfRomSizedStore(benchmark::State& state) {
    const ConfigFile store = storeOf(ROMKeys);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.GetAll());
}
BENCHMARK(GetAllOfRomSizedStore)->Unit(benchmark::kMillisecond);

void LoadFullFile(benchmark::State& state) {
    const std::string file = benchFile();
    storeOf(ConfigFile::Capacity).ConfigSave(file);
    ConfigFile store;
    for (auto _ : state)
        store.ConfigLoad(file);
    std::filesystem::remove(file);
}
BENCHMARK(LoadFullFile)->Unit(benchmark::kMillisecond);

void SaveFullFile(benchmark::State& state) {
    const std::string file = benchFile();
    const ConfigFile store = storeOf(ConfigFile::Capacity);
    for (auto _ : state)
        store.ConfigSave(file);
    std::filesystem::remove(file);
}
BENCHMARK(SaveFullFile)->Unit(benchmark::kMillisecond);

} // namespace
