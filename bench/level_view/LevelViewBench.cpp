// The level view draws every screen it shows on each scroll, zoom and edit; the whole of the
// longest level at zoom 2 must fit in a frame (16 ms at 60 frames a second). Run:
// level_view_bench (uses the offscreen platform unless another is set).

#include "editor/LevelCanvas.h"
#include "editor/PictureLibrary.h"
#include "rom/LevelDocument.h"
#include "rom/RomImage.h"
#include "sample/SampleRom.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

namespace {

constexpr int Zoom = 2;

// The sample's level with the most screens, every one in the view at zoom 2.
struct LongestLevel {
    rom::LevelDocument document;
    PictureLibrary pictures;
    LevelCanvas canvas{document, pictures};
    QImage frame;

    LongestLevel() {
        document.loadROM(rom::RomImage(rom::makeSampleRom()));
        rom::LevelId longest = rom::LevelId::at(0);
        for (int i = 0; i < static_cast<int>(rom::Levels.size()); ++i)
            if (document.screenOrder(rom::LevelId::at(i)).size() >
                document.screenOrder(longest).size())
                longest = rom::LevelId::at(i);
        canvas.showLevel(longest);
        canvas.setZoom(Zoom);
        frame = QImage(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    }
    void draw() {
        QPainter painter(&frame);
        canvas.paintArea(painter, frame.rect());
    }
};

// What every repaint costs: the screens' cells are drawn already.
void BM_DrawLongestLevelAtZoom2(benchmark::State& state) {
    LongestLevel level;
    level.draw();
    for (auto _ : state) {
        level.draw();
        benchmark::DoNotOptimize(level.frame.constBits());
    }
    state.counters["screens"] = level.canvas.layout().screens();
}
BENCHMARK(BM_DrawLongestLevelAtZoom2)->Unit(benchmark::kMillisecond);

// The first drawing after the level was chosen or the pictures changed: every screen's cells too.
void BM_DrawLongestLevelAtZoom2FromNothing(benchmark::State& state) {
    LongestLevel level;
    for (auto _ : state) {
        level.canvas.forgetCells();
        level.draw();
        benchmark::DoNotOptimize(level.frame.constBits());
    }
}
BENCHMARK(BM_DrawLongestLevelAtZoom2FromNothing)->Unit(benchmark::kMillisecond);

} // namespace
