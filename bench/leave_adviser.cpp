// The adviser's walk off the play stage at real speed, with the timers wired as the game
// wires them: each walk starts after the stage has rested for a random time, so that the
// walk begins in the middle of a rest. Reports the longest and the mean walk in seconds
// of the time source; every walk should end within about 2.5 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "cast/Anim.h"
#include "cast/Cast.h"
#include "form/Clock.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "shell/MainFormEvents.h"
#include "stage/BuildStage.h"
#include "stage/PlayScene.h"
#include "window/MainForm.h"

namespace {

void BM_LeaveAdviserAfterARest(benchmark::State& state)
{
    MainForm window;
    Game game;
    game.frmMain = &window;
    game.AdviserName = QStringLiteral("姉");
    window.show();
    ConnectMainFormEvents(game);
    BuildStage(game);
    SetupPlayScene(game);
    ShowStage(game);
    StartAnim(game);
    EnterAdviser(game);
    SwayAdviser(game);

    const form::Clock& clock = form::Clock::instance();
    std::mt19937 pick(20261207);
    std::uniform_real_distribution<double> restFor(0.0, MaxRestTicks * 0.010);
    double longest = 0, total = 0;
    int walks = 0;
    for (auto _ : state) {
        const int adviser = game.scene.AdviserCast;
        SetCastPos(game, adviser, 35, game.casts[adviser].Y);
        SetWorldView(game, 0, 0, 0);
        SwayAdviser(game);
        form::waitUntil([&] { return window.tmrAnim.isSkipping(); }, 2);
        form::waitFor(restFor(pick));
        const double start = clock.monotonicSeconds();
        LeaveAdviser(game);
        const double took = clock.monotonicSeconds() - start;
        state.SetIterationTime(took);
        longest = std::max(longest, took);
        total += took;
        ++walks;
    }
    state.counters["longest_s"] = longest;
    state.counters["mean_s"] = walks ? total / walks : 0;
}
BENCHMARK(BM_LeaveAdviserAfterARest)->Iterations(20)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
