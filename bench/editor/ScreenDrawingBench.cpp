// Drawing a whole screen happens on every screen change, undo and clear; it must feel
// immediate. Run: editor_bench (uses the offscreen platform unless another is set).

#include "editor/PictureBox.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenRenderer.h"
#include "rom/LevelKeys.h"
#include "rom/RomLayout.h"

#include <kiv/ConfigFile.h>

#include <benchmark/benchmark.h>

namespace {

// Every cell filled, with world and universal codes and a few without any picture.
void fillBusyScreen(kiv::ConfigFile& doc, const std::string& level, const std::string& ref) {
    const int codes[] = {49, 52, 60, 73, 88, 100, 19, 120, 142, 232, 0, 255};
    int i = 0;
    for (int x = 0; x < rom::ScreenColumns; ++x)
        for (int y = 0; y < rom::ScreenRows; ++y)
            doc.WriteValue(rom::cellKey(level, ref, x, y), std::to_string(codes[i++ % 12]));
}

void BM_DrawBusyScreen(benchmark::State& state) {
    kiv::ConfigFile doc;
    fillBusyScreen(doc, "31", "53000");
    PictureLibrary pictures;
    PictureBox picEditor(QSize(320, 256));
    picEditor.setForeColor(render::GridColor);
    for (auto _ : state) {
        drawScreen(picEditor, doc, pictures, "31", "53000");
        drawGrid(picEditor, 6, 0);
        benchmark::DoNotOptimize(picEditor.image().constBits());
    }
}
BENCHMARK(BM_DrawBusyScreen)->Unit(benchmark::kMicrosecond);

void BM_DrawGrid(benchmark::State& state) {
    PictureBox picEditor(QSize(320, 256));
    picEditor.setForeColor(render::GridColor);
    for (auto _ : state) {
        drawGrid(picEditor, 6, 0);
        benchmark::DoNotOptimize(picEditor.image().constBits());
    }
}
BENCHMARK(BM_DrawGrid)->Unit(benchmark::kMicrosecond);

} // namespace
