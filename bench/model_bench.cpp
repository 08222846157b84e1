// The model's share of one display: CalcGeometry and the 294 displacements of
// three offset tables (49 rows, ATDC and BTDC).
#include <benchmark/benchmark.h>

#include "model/crank_slider.h"

namespace {

void BM_ThreeOffsetTables(benchmark::State& state)
{
    crank::EngineGeometry geometry;
    geometry.Stroke = 46.0f;
    geometry.RodLength = 100.0f;
    geometry.PinOffset = -0.5f;
    geometry.OffsetNonZero = true;
    crank::CrankModel model;
    const float starts[] = {77.0f, 110.0f, 150.0f};
    for (auto _ : state) {
        crank::CalcGeometry(geometry, model);
        float sum = 0.0f;
        for (float start : starts) {
            for (int row = 0; row < 49; ++row) {
                const float angle = start + static_cast<float>(row) * 0.083f;
                sum += crank::CalcDisplacement(geometry, model, angle);
                sum += crank::CalcDisplacement(geometry, model, 360.0f - angle);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_ThreeOffsetTables)->Unit(benchmark::kMicrosecond);

} // namespace
