// The import of a 21 x 21 .puz crossword (the test fixture written with puzjs) as the game
// opens it: the file read, its checksums checked, the grid laid out as the game's puzzle
// (goal: 5 ms at most).
#include <benchmark/benchmark.h>

#include "playfile/OpenCrosswordImport.h"

namespace {

void BM_ImportPuz21x21(benchmark::State& state)
{
    const QString path = QStringLiteral(LATICA_SOURCE_DIR "/tests/openformats/puz/crossword_21x21.puz");
    for (auto _ : state) {
        ImportedCrossword imported = importOpenCrosswordFile(path);
        if (!imported.ok)
            state.SkipWithError(imported.error.toStdString().c_str());
        benchmark::DoNotOptimize(imported);
    }
}
BENCHMARK(BM_ImportPuz21x21)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
