// Colouring the whole of the largest board at once, as fast scoring does (target: at most
// 20 ms), with every other cell wrong.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "form/ProgramFolder.h"
#include "play/BoardView.h"
#include "play/PlaySounds.h"
#include "play/Scoring.h"
#include "play/SetCross.h"
#include "shell/Game.h"
#include "shell/MainForm.h"
#include "support/LargePuzzle.h"

#include <QFile>

namespace {

void BM_ScoreAllAtOnceLargestBoard(benchmark::State& state)
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("large.kmi")));
    file.open(QIODevice::WriteOnly);
    file.write(largePuzzle());
    file.close();
    MainForm window;
    Game game;
    game.frmMain = &window;
    game.PlayFileFolder = dir.path() + QLatin1Char('/');
    game.PlayFileTitle = QStringLiteral("large.kmi");
    FillSoundNames(game);
    MeasureBoardCells(game);
    if (SetCross(game, 1) != 1) {
        state.SkipWithError("the large puzzle did not read");
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
