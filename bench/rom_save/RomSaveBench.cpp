// What a save costs: encoding the three screen regions (the data usage check), writing every
// section into an image in memory, and the whole save from the opened file to a new file; each
// from scratch, and as the program does them over a document that keeps its encoded screens.
// The raw decode of the sample ROM runs beside them as the yardstick of the ratios printed last.

#include "bench/support/Ratios.h"
#include "bench/support/RawDecode.h"
#include "rom/DataUsage.h"
#include "rom/LevelDocument.h"
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

// The sample ROM opened in a document, as the program holds it.
rom::LevelDocument& openedDocument() {
    static rom::LevelDocument doc = [] {
        const auto file = std::filesystem::temp_directory_path() / "tw_rom_save_bench_open.gb";
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(sampleBytes().data()),
                   static_cast<std::streamsize>(sampleBytes().size()));
        rom::LevelDocument loaded;
        loaded.loadROM(file.string());
        std::filesystem::remove(file);
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

// The check the program repeats while nothing changed (the meter after a click elsewhere).
void DataUsageUnchangedDocument(benchmark::State& state) {
    const rom::LevelDocument& doc = openedDocument();
    doc.dataUsage();
    for (auto _ : state)
        benchmark::DoNotOptimize(doc.dataUsage());
}
BENCHMARK(DataUsageUnchangedDocument)->Unit(benchmark::kMicrosecond);

// The check after each edit of one cell: one screen is encoded again.
void DataUsageAfterCellEdit(benchmark::State& state) {
    rom::LevelDocument& doc = openedDocument();
    const rom::LevelId level = rom::LevelId::at(0);
    const std::string ref = doc.screenOrder(level).front().value();
    const std::optional<int> before = doc.cell(level, ref, 5, 5);
    bool place = true;
    for (auto _ : state) {
        doc.setCell(level, ref, 5, 5, place ? std::optional<int>(19) : std::nullopt);
        benchmark::DoNotOptimize(doc.dataUsage());
        place = !place;
    }
    doc.setCell(level, ref, 5, 5, before);
}
BENCHMARK(DataUsageAfterCellEdit)->Unit(benchmark::kMicrosecond);

void EncodeAllSectionsInMemory(benchmark::State& state) {
    const auto& doc = sampleDocument();
    kiv::ConfigFile kivSave;
    for (auto _ : state) {
        std::vector<uint8_t> image = sampleBytes();
        benchmark::DoNotOptimize(rom::writeSections(image, doc, kivSave, allSections()));
    }
}
BENCHMARK(EncodeAllSectionsInMemory)->Unit(benchmark::kMillisecond);

// Save As of the program: every section, with the screens the document keeps encoded.
void EncodeAllSectionsForSaveAs(benchmark::State& state) {
    const rom::LevelDocument& doc = openedDocument();
    doc.dataUsage();
    kiv::ConfigFile kivSave;
    for (auto _ : state) {
        std::vector<uint8_t> image = sampleBytes();
        benchmark::DoNotOptimize(rom::writeSections(image, doc.kivLevel(), kivSave, allSections(),
                                                    doc.encodedScreens()));
    }
}
BENCHMARK(EncodeAllSectionsForSaveAs)->Unit(benchmark::kMicrosecond);

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

BENCHMARK(bench::RawDecode)->Name("RawDecode")->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    return bench::runWithRatios(argc, argv,
                                {{"DataUsageUnchangedDocument", "RawDecode", 5},
                                 {"DataUsageAfterCellEdit", "RawDecode", 5},
                                 {"EncodeAllSectionsForSaveAs", "RawDecode", 25},
                                 {"DataUsageCheck", "RawDecode", 0},
                                 {"EncodeAllSectionsInMemory", "RawDecode", 0}});
}
