// What a ROM load costs against the bare decoding it has to do: the whole load into the level
// document as the program opens a ROM, and into a store of its own, beside a decode of the same
// screens into plain arrays.

#include "bench/support/Ratios.h"
#include "bench/support/RawDecode.h"
#include "rom/LevelDocument.h"
#include "rom/RomReader.h"

#include <benchmark/benchmark.h>

namespace {

void LoadRom(benchmark::State& state) {
    const auto& image = bench::sampleImage();
    kiv::ConfigFile kivLevel;
    for (auto _ : state) {
        rom::loadROM(image, kivLevel);
        benchmark::DoNotOptimize(kivLevel);
    }
    state.counters["keys"] = static_cast<double>(kivLevel.LastSlot() + 1);
}
BENCHMARK(LoadRom)->Unit(benchmark::kMicrosecond);

// Opening a ROM again, as the program does: the document keeps the room of the last load.
void LoadRomIntoDocument(benchmark::State& state) {
    const auto& image = bench::sampleImage();
    rom::LevelDocument document;
    for (auto _ : state) {
        document.loadROM(image);
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(LoadRomIntoDocument)->Unit(benchmark::kMicrosecond);

BENCHMARK(bench::RawDecode)->Name("RawDecode")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithRatios(
        argc, argv, {{"LoadRomIntoDocument", "RawDecode", 20}, {"LoadRom", "RawDecode", 0}});
}
