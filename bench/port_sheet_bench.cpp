// The port timing sheet's whole view, as worked out on every keystroke: eight
// ports on an offset engine (six crown-opened, two by the skirt) and a
// duration target, which searches the drop by bisection.
#include <benchmark/benchmark.h>
#include <string>

#include "model/crank_slider.h"
#include "ports/port_sheet.h"

namespace {

void BM_PortSheetViewEightRows(benchmark::State& state)
{
    crank::EngineSnapshot engine;
    engine.typed = {"Kart", "54.5", "110", "1"};
    engine.geometry = {54.5f, 110.0f, 1.0f, true};
    crank::CalcGeometry(engine.geometry, engine.model);
    crank::PortSheetInput input;
    input.deck = {"0.6"};
    input.pistonLength = {"72"};
    for (int i = 0; i < crank::kMaxPorts; ++i) {
        const bool skirt = i >= 6;
        input.rows[static_cast<std::size_t>(i)] = {"Port",
                                                   skirt ? crank::PortKind::SkirtOpened
                                                         : crank::PortKind::CrownOpened,
                                                   {std::to_string(skirt ? 90 + i : 20 + 3 * i)}};
    }
    input.target = crank::TimingTarget::Duration;
    input.targetDegrees = "190";
    bool odd = false;
    for (auto _ : state) {
        // A keystroke changes one text; the whole view is worked out again.
        odd = !odd;
        input.rows[0].height.text = odd ? "27.4" : "27.5";
        benchmark::DoNotOptimize(crank::BuildPortSheetView(engine, input, {}));
    }
}
BENCHMARK(BM_PortSheetViewEightRows)->Unit(benchmark::kMicrosecond);

} // namespace
