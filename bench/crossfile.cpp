// Reading one puzzle of the largest size a play file allows.
#include <benchmark/benchmark.h>

#include "playfile/CrossFile.h"
#include "support/LargePuzzle.h"


namespace {


void BM_ReadCrossFile99x99(benchmark::State& state)
{
    const QByteArray bytes = largePuzzle();
    for (auto _ : state) {
        CrossReadResult r = parseCrossFile(bytes, 1);
        if (!r.ok)
            state.SkipWithError(r.error.toStdString().c_str());
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadCrossFile99x99)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
