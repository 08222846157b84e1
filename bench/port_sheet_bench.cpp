// The port timing sheet's whole view, as worked out on every keystroke: eight
// ports on an offset engine (an exhaust, five transfers and boost ports, two
// inlets by the skirt), a duration target, which searches the drop by
// bisection, and then the same with every port shaped: time-area, the plot's
// curves, the blowdown and the roof that meets a target STA; and that sheet
// with compression, compared with a baseline (the same sheet before a base
// gasket), worked out afresh on its own engine. Last, the shaped sheet after a
// routine has left the AVX registers' upper halves in use, as the toolkit does
// when the sheet's tabs are made: the view settles them first, or it takes
// eight times as long.
#include <benchmark/benchmark.h>
#include <string>

#include "model/crank_slider.h"
#include "ports/baseline.h"
#include "ports/port_sheet.h"

namespace {

crank::PortSheetInput eightPorts(bool shaped)
{
    crank::PortSheetInput input;
    input.deck = {"0.6"};
    input.pistonLength = {"72"};
    input.bore = {"54"};
    input.rpm = {"12000"};
    for (int i = 0; i < crank::kMaxPorts; ++i) {
        const bool skirt = i >= 6;
        crank::PortRowInput& row = input.rows[static_cast<std::size_t>(i)];
        row.name = "Port";
        row.role = skirt    ? crank::PortRole::Inlet
                   : i == 0 ? crank::PortRole::Exhaust
                   : i < 4  ? crank::PortRole::Transfer
                            : crank::PortRole::Boost;
        row.height = {std::to_string(skirt ? 90 + i : 20 + 3 * i)};
        if (shaped) {
            row.shape = {"1", {"16"}, crank::WidthMeasure::Arc, {"14"}, {"3"}, {"2"}, {}};
        }
    }
    input.target = crank::TimingTarget::Duration;
    input.targetDegrees = "190";
    if (shaped) {
        input.staRow = 0;
        input.staTarget = "0.00015";
    }
    return input;
}

// Leaves the upper half of one AVX register in use, as a routine that returns
// without vzeroupper does; nothing where the CPU has no AVX.
void leaveUpperHalvesInUse()
{
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    if (__builtin_cpu_supports("avx")) {
        __asm__ volatile("vpcmpeqd %%ymm15, %%ymm15, %%ymm15" ::: "xmm15");
    }
#endif
}

void sheetView(benchmark::State& state, bool shaped, bool compared = false, bool unsettled = false)
{
    crank::EngineSnapshot engine;
    engine.typed = {"Kart", "54.5", "110", "1"};
    engine.geometry = {54.5f, 110.0f, 1.0f, true};
    crank::CalcGeometry(engine.geometry, engine.model);
    crank::PortSheetInput input = eightPorts(shaped);
    const crank::Baseline before{engine.typed, input, {"", "14:32"}};
    if (compared) {
        input.raise = {"0.5"};
        input.clearanceVolume = "10";
        input.squishBand = {"40"};
    }
    bool odd = false;
    for (auto _ : state) {
        // A keystroke changes one text; the whole view is worked out again.
        odd = !odd;
        input.rows[0].height.text = odd ? "27.4" : "27.5";
        if (unsettled) {
            leaveUpperHalvesInUse();
        }
        benchmark::DoNotOptimize(
            crank::BuildPortSheetView(engine, input, {}, compared ? &before : nullptr));
    }
}

void BM_PortSheetViewEightRows(benchmark::State& state)
{
    sheetView(state, false);
}
BENCHMARK(BM_PortSheetViewEightRows)->Unit(benchmark::kMicrosecond);

void BM_PortSheetViewEightShapedRows(benchmark::State& state)
{
    sheetView(state, true);
}
BENCHMARK(BM_PortSheetViewEightShapedRows)->Unit(benchmark::kMicrosecond);

void BM_PortSheetViewEightShapedRowsWithBaseline(benchmark::State& state)
{
    sheetView(state, true, true);
}
BENCHMARK(BM_PortSheetViewEightShapedRowsWithBaseline)->Unit(benchmark::kMicrosecond);

void BM_PortSheetViewEightShapedRowsAfterUpperHalvesLeftInUse(benchmark::State& state)
{
    sheetView(state, true, false, true);
}
BENCHMARK(BM_PortSheetViewEightShapedRowsAfterUpperHalvesLeftInUse)->Unit(benchmark::kMicrosecond);

} // namespace
