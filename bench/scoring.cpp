// Colouring the whole of the largest board at once, as fast scoring does (target: at most
// 20 ms), with every other cell wrong.
#include <benchmark/benchmark.h>


#include "play/Scoring.h"
#include "support/BoardBench.h"
#include "support/LargePuzzle.h"


namespace {

void BM_ScoreAllAtOnceLargestBoard(benchmark::State& state)
{
    BoardBench b(largePuzzle());
    Game& game = b.game;
    if (!b.ok) {
        state.SkipWithError("the puzzle did not read");
        return;
    }
    int n = 0;
    for (MasData& m : game.cross.Mas)
        if (m.Kind != 1)
            m.Entry = ++n % 2 ? m.Answer : QStringLiteral("ン");
    for (auto _ : state) {
        ResetMasColours(game);
        ScoreAllAtOnce(game);
    }
    state.counters["cells"] = n;
}
BENCHMARK(BM_ScoreAllAtOnceLargestBoard)->Unit(benchmark::kMillisecond);

} // namespace
