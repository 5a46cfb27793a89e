// Keeping the board in its file must not be felt while typing.
// BM_BoardWrite99x99: one write of a full 99 x 99 board after a change of one cell, as
// each typed character makes it (read, compare, rewrite in one rename); goal at most 2 ms.
// BM_RollFrameGap: characters typed faster than the board writes them on the real clock,
// with the windows shown; the largest gap between two drawings of the board while the
// rolls run, without (0) and with (1) the board file. Goal: no longer with it.
// The scratch folder follows TMPDIR, so the disk that is measured can be chosen.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QTimer>

#include "form/Clock.h"
#include "form/Pump.h"
#include "play/Entry.h"
#include "records/BoardFile.h"
#include "records/Boards.h"
#include "shell/MainFormEvents.h"
#include "support/BoardBench.h"
#include "support/LargePuzzle.h"

#include <algorithm>

namespace {

void keepBeside(BoardBench& b)
{
    b.game.RecordFolder = b.game.PlayFileFolder;
    b.game.RecordFileName = QStringLiteral("bench.log");
}

void BM_BoardWrite99x99(benchmark::State& state)
{
    BoardBench b(largePuzzle());
    if (!b.ok) {
        state.SkipWithError("the puzzle did not read");
        return;
    }
    keepBeside(b);
    Puzzle& p = b.game.cross;
    for (MasData& m : p.Mas)
        if (m.Kind != 1)
            m.Entry = m.Answer;
    MasData& changed = p.Mas[size_t(p.index(50, 51))];
    int writes = 0;
    for (auto _ : state) {
        changed.Entry = ++writes % 2 ? QStringLiteral("ン") : QStringLiteral("ア");
        KeepBoard(b.game);
    }
    const board::ReadResult back = board::read(BoardPath(b.game));
    if (back.boards.count(1) == 0 || back.boards.at(1).rowTexts.value(49).mid(50, 1) != changed.Entry)
        state.SkipWithError("the last write is not in the file");
    state.counters["file_kB"] = double(QFileInfo(BoardPath(b.game)).size()) / 1024;
}
BENCHMARK(BM_BoardWrite99x99)->Unit(benchmark::kMicrosecond);

void BM_RollFrameGap(benchmark::State& state)
{
    const bool keeping = state.range(0) == 1;
    double largestGap = 0;
    int frames = 0;
    for (auto _ : state) {
        BoardBench b(largePuzzle());
        if (!b.ok) {
            state.SkipWithError("the puzzle did not read");
            return;
        }
        if (keeping)
            keepBeside(b);
        Game& game = b.game;
        ConnectMainFormEvents(game);
        b.window.show();
        b.game.PlayActive = 1;
        form::waitFor(0.3);

        // Every drawing of the board from the first typed key until the last roll ended.
        QElapsedTimer clock;
        std::vector<qint64> drawn;
        struct PaintWatch : QObject {
            std::function<void()> seen;
            bool eventFilter(QObject*, QEvent* e) override
            {
                if (e->type() == QEvent::Paint)
                    seen();
                return false;
            }
        } watch;
        watch.seen = [&] { drawn.push_back(clock.nsecsElapsed()); };
        b.window.picCrossStage->installEventFilter(&watch);

        // 20 letters, one every 30 ms: ten times faster than the rolls take them.
        int typed = 0;
        QTimer keys;
        QObject::connect(&keys, &QTimer::timeout, [&] {
            PlayKeyDown(game, 'A' + typed % 26);
            if (++typed == 20)
                keys.stop();
        });
        clock.start();
        keys.start(30);
        form::waitUntil([&] { return typed == 20 && game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 30);
        b.window.picCrossStage->removeEventFilter(&watch);
        for (size_t i = 1; i < drawn.size(); ++i)
            largestGap = std::max(largestGap, double(drawn[i] - drawn[i - 1]) / 1e6);
        frames += int(drawn.size());
        if (keeping && board::read(BoardPath(game)).boards.count(1) == 0)
            state.SkipWithError("nothing was kept");
    }
    state.counters["largest_gap_ms"] = largestGap;
    state.counters["frames"] = frames;
}
BENCHMARK(BM_RollFrameGap)->Arg(0)->Arg(1)->Iterations(1)->Repetitions(3)->Unit(benchmark::kMillisecond);

} // namespace
