#pragma once

// The yardstick of the codec's benchmarks: each level's distinct screens of the sample ROM
// decoded once into plain arrays, as a load must at the least.

#include "rom/ScreenDecoder.h"
#include "sample/SampleRom.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <vector>

namespace bench {

inline const rom::RomImage& sampleImage() {
    static const rom::RomImage image(rom::makeSampleRom());
    return image;
}

inline void RawDecode(benchmark::State& state) {
    using Grid = std::array<int16_t, rom::ScreenColumns * rom::ScreenRows>;
    const auto& image = sampleImage();
    std::vector<Grid> grids;
    std::vector<long> decoded;
    long cells = 0;
    for (auto _ : state) {
        grids.clear();
        cells = 0;
        for (const auto& table : rom::LevelTables) {
            decoded.clear();
            for (long i = table.first; i <= table.last; i += 2) {
                const long offset = rom::screenOffset(image, table, i);
                if (std::find(decoded.begin(), decoded.end(), offset) != decoded.end())
                    continue;
                decoded.push_back(offset);
                Grid& grid = grids.emplace_back();
                grid.fill(-1);
                rom::decodeScreen(image, offset, table.level,
                                  [&](int x, int y, int repeat, uint8_t code) {
                                      for (int n = 0; n < std::max(repeat, 1); ++n)
                                          grid[x * rom::ScreenRows + y + n] = code;
                                      cells += std::max(repeat, 1);
                                  });
            }
        }
        benchmark::DoNotOptimize(grids.data());
    }
    state.counters["screens"] = static_cast<double>(grids.size());
    state.counters["cells"] = static_cast<double>(cells);
}

} // namespace bench
