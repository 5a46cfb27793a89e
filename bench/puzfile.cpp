// Reading a 21 x 21 .puz crossword (the test fixture written with puzjs): the first step of
// its import.
#include <benchmark/benchmark.h>

#include "playfile/OpenCrossword.h"

#include <QFile>

namespace {

void BM_ReadPuz21x21(benchmark::State& state)
{
    QFile file(QStringLiteral(LATICA_SOURCE_DIR "/tests/openformats/puz/crossword_21x21.puz"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("cannot open the 21 x 21 fixture");
        return;
    }
    const QByteArray bytes = file.readAll();
    for (auto _ : state) {
        OpenCrosswordRead r = readPuz(bytes);
        if (!r.ok)
            state.SkipWithError(r.error.toStdString().c_str());
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadPuz21x21)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
