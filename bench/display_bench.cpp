// The whole display sequence for three offset tables, widgets included: layout,
// sorting, 147 angle cells, the model and 294 displacement cells, then the switch
// of screens. Runs on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "entry/eng_vals.h"
#include "tables/ang_disp.h"
#include "tables/tables_test_doubles.h"
#include "tests/test_doubles.h"

static void BM_DisplayThreeOffsetTables(benchmark::State& bench)
{
    crank::EngineState state;
    crank::RecordingMessageBox messages;
    crank::RecordingTablesPrinter printer;
    crank::Ang_Disp tables(printer);
    crank::EngVals screen(state, messages);
    // What the navigator does with the display command's request.
    QObject::connect(&screen, &crank::EngVals::tablesRequested, &tables,
                     [&](const crank::DisplayView& view) {
                         tables.showView(view);
                         screen.hide();
                         tables.show();
                     });
    screen.resetForNewTables();
    auto box = [&](int i) { return screen.findChild<QLineEdit*>(QString("GeomTxt_%1").arg(i)); };
    for (int i = 0; const char* text : {"46", "100", "-0.5", "3", "77", "110", "150"})
        box(i++)->setText(text);
    screen.show();
    for (int n = 0; auto _ : bench) {
        box(2)->setText(n++ % 2 ? "-0.5" : "0.5"); // so that every cell text changes
        screen.GeomCom_Click(1);
        benchmark::DoNotOptimize(state.data.DispBCol[3][48]);
    }
    if (!messages.shown.empty() || !tables.isVisible())
        bench.SkipWithError("the display did not complete");
}
BENCHMARK(BM_DisplayThreeOffsetTables)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
