// What a save costs: encoding the three screen regions (the data usage check), writing every
// section into an image in memory, and the whole save from the opened file to a new file.

#include "rom/DataUsage.h"
#include "rom/RomReader.h"
#include "rom/RomWriter.h"
#include "sample/SampleRom.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

namespace {

const std::vector<uint8_t>& sampleBytes() {
    static const std::vector<uint8_t> bytes = rom::makeSampleRom();
    return bytes;
}

const kiv::ConfigFile& sampleDocument() {
    static const kiv::ConfigFile doc = [] {
        kiv::ConfigFile loaded;
        rom::loadROM(rom::RomImage(sampleBytes()), loaded);
        return loaded;
    }();
    return doc;
}

rom::SectionFlags allSections() {
    rom::SectionFlags flags;
    flags.fill(true);
    return flags;
}

void DataUsageCheck(benchmark::State& state) {
    const auto& doc = sampleDocument();
    kiv::ConfigFile kivSave;
    for (auto _ : state)
        benchmark::DoNotOptimize(rom::dataUsage(doc, kivSave));
}
BENCHMARK(DataUsageCheck)->Unit(benchmark::kMillisecond);

void EncodeAllSectionsInMemory(benchmark::State& state) {
    const auto& doc = sampleDocument();
    kiv::ConfigFile kivSave;
    for (auto _ : state) {
        std::vector<uint8_t> image = sampleBytes();
        benchmark::DoNotOptimize(rom::writeSections(image, doc, kivSave, allSections()));
    }
}
BENCHMARK(EncodeAllSectionsInMemory)->Unit(benchmark::kMillisecond);

void SaveRomToFile(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "tw_rom_save_bench";
    std::filesystem::create_directories(folder);
    const std::string romFile = (folder / "game.gb").string();
    const std::string outFile = (folder / "game_tw_1.gb").string();
    std::ofstream(romFile, std::ios::binary)
        .write(reinterpret_cast<const char*>(sampleBytes().data()),
               static_cast<std::streamsize>(sampleBytes().size()));
    const auto& doc = sampleDocument();
    kiv::ConfigFile kivSave;
    for (auto _ : state) {
        const rom::SaveOutcome outcome =
            rom::saveROM(romFile, outFile, doc, kivSave, allSections());
        if (outcome.kind != rom::SaveOutcome::Kind::Saved)
            state.SkipWithError(outcome.errorDescription.c_str());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(SaveRomToFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
