// The whole display sequence for three offset tables, widgets included:
// layout, sorting, 147 angle cells, the model and 294 displacement cells,
// then the switch of screens. Runs on the offscreen platform.
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "entry/eng_vals.h"
#include "tables/ang_disp.h"
#include "tables/test_doubles.h"

namespace {

void setBox(crank::EngVals& screen, const char* name, const char* text)
{
    screen.findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

void BM_DisplayThreeOffsetTables(benchmark::State& bench)
{
    crank::EngineState state;
    crank::RecordingMessageBox messages;
    crank::RecordingTablesPrinter printer;
    crank::Ang_Disp tables(state, printer);
    crank::EngVals screen(state, messages);
    screen.setTablesScreen([&tables]() -> crank::Ang_Disp& { return tables; });
    screen.resetForNewTables();
    setBox(screen, "GeomTxt_0", "46");
    setBox(screen, "GeomTxt_1", "100");
    setBox(screen, "GeomTxt_2", "-0.5");
    setBox(screen, "GeomTxt_3", "3");
    setBox(screen, "GeomTxt_4", "77");
    setBox(screen, "GeomTxt_5", "110");
    setBox(screen, "GeomTxt_6", "150");
    screen.show();
    bool flip = false;
    for (auto _ : bench) {
        // Alternate the sign of the offset so every cell text really changes.
        setBox(screen, "GeomTxt_2", flip ? "-0.5" : "0.5");
        flip = !flip;
        screen.GeomCom_Click(1);
        benchmark::DoNotOptimize(state.data.DispBCol[3][48]);
    }
    if (!messages.shown.empty() || !tables.isVisible()) {
        bench.SkipWithError("the display did not complete");
    }
}
BENCHMARK(BM_DisplayThreeOffsetTables)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
