// One animation tick of the opening stage (385 x 330, the four family members in view)
// and of the play stage (148 x 116, three casts): most ticks find nothing due and draw
// nothing; the "Drawn" cases move the view every tick, so that each tick draws the stage.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "cast/Anim.h"
#include "cast/Cast.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

void openingStage(Game& game)
{
    game.casts.CastFileName = QStringLiteral("CastData.csv");
    SetStageRect(game, 130, 96, 385, 330);
    SetWorldSize(game, 385, 330, 1);
    DrawWorldPicture(game, QStringLiteral("オープニング背景"), 0, 0);
    int x = 20;
    for (const char* name : {"姉4", "兄4", "父4", "母4"}) {
        const int c = LoadCast(game, QString::fromUtf8(name));
        SetCastPos(game, c, x, 180);
        x += 90;
    }
}

void playStage(Game& game)
{
    game.casts.CastFileName = QStringLiteral("CastData.csv");
    SetStageRect(game, 576, 195, 148, 116);
    SetWorldSize(game, 160, 123, 1);
    DrawWorldPicture(game, QStringLiteral("背景(160x123)"), 0, 0);
    const int adviser = LoadCast(game, QStringLiteral("姉4"));
    SetCastPos(game, adviser, 40, 4);
    LoadCast(game, QStringLiteral("背景スプライト"));
    const int cloud = LoadCast(game, QStringLiteral("流雲"));
    SetCastPos(game, cloud, 45, 6);
}

template <void (*build)(Game&), bool drawn>
void BM_AnimTick(benchmark::State& state)
{
    MainForm window;
    Game game;
    game.frmMain = &window;
    build(game);
    for (auto _ : state) {
        if (drawn)
            game.stage.ViewX = game.stage.ViewX == 0 ? 1 : 0;
        AnimTick(game);
    }
}
BENCHMARK(BM_AnimTick<openingStage, false>)->Name("BM_AnimTickOpening")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimTick<openingStage, true>)->Name("BM_AnimTickOpeningDrawn")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimTick<playStage, false>)->Name("BM_AnimTickPlayStage")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimTick<playStage, true>)->Name("BM_AnimTickPlayStageDrawn")->Unit(benchmark::kMicrosecond);

} // namespace
