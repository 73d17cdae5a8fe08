// The meter measures the whole document after every edit click, so a click must stay immediate
// with it: the click with the meter, beside the bare click and the bare measurement. Run:
// usage_meter_bench (offscreen platform unless another is set; reads Objects.txt beside itself).

#include "app/UsageMeter.h"
#include "app/frmTW.h"
#include "editor/PictureLibrary.h"
#include "editor/ScreenEditor.h"
#include "rom/RomReader.h"
#include "tests/support/SampleWorkspace.h"
#include "tests/support/ScriptedDialogs.h"

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

void BM_MeterRefresh(benchmark::State& state) {
    QTemporaryDir dir;
    kiv::ConfigFile kivLevel;
    rom::loadROM(writeSampleRom(dir.path()).toStdString(), kivLevel);
    UsageMeter meter;
    for (auto _ : state)
        meter.refresh(kivLevel);
}
BENCHMARK(BM_MeterRefresh)->Unit(benchmark::kMicrosecond);

} // namespace
