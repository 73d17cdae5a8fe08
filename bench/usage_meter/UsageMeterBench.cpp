// The meter measures the whole document after every edit click, so a click must stay immediate
// with it: the click with the meter, beside the bare click and the bare measurement. Run:
// usage_meter_bench (offscreen platform unless another is set; reads Objects.txt beside itself);
// it prints the ratio of the two clicks last.

#include "app/UsageMeter.h"
#include "app/frmTW.h"
#include "bench/support/Ratios.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenEditor.h"
#include "rom/RomReader.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Alternately places the left button's object on a cell and erases it with the right button, so
// every click changes the document and it stays the same size throughout.
void clickRepeatedly(benchmark::State& state, ScreenEditor& editor) {
    bool place = true;
    for (auto _ : state) {
        editor.picEditor_MouseUp(place ? Qt::LeftButton : Qt::RightButton, Qt::NoModifier,
                                 QPointF(5 * 16 + 8, 5 * 16 + 8));
        place = !place;
    }
}

void BM_EditClickWithMeter(benchmark::State& state) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    frmTW window(dialogs);
    if (!window.Form_Load(QCoreApplication::applicationDirPath(), writeSampleRom(dir.path()))) {
        state.SkipWithError("the catalogue or the sample ROM could not be read");
        return;
    }
    clickRepeatedly(state, *window.editor());
}
BENCHMARK(BM_EditClickWithMeter)->Unit(benchmark::kMicrosecond);

void BM_EditClickAlone(benchmark::State& state) {
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Workspace ws;
    PictureLibrary pictures;
    loadCatalogue(ws);
    ws.openROM(writeSampleRom(dir.path()).toStdString());
    ScreenEditor editor(ws, pictures, dialogs);
    editor.enableEditing();
    editor.selectFirstLevel();
    clickRepeatedly(state, editor);
}
BENCHMARK(BM_EditClickAlone)->Unit(benchmark::kMicrosecond);

// A refresh of a document that did not change since the last one.
void BM_MeterRefresh(benchmark::State& state) {
    QTemporaryDir dir;
    rom::LevelDocument document;
    document.loadROM(writeSampleRom(dir.path()).toStdString());
    UsageMeter meter;
    for (auto _ : state)
        meter.refresh(document);
}
BENCHMARK(BM_MeterRefresh)->Unit(benchmark::kMicrosecond);

} // namespace

// Benchmarks of widgets need an application object; without a display they run offscreen.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return bench::runWithRatios(argc, argv, {{"BM_EditClickWithMeter", "BM_EditClickAlone", 2}});
}
