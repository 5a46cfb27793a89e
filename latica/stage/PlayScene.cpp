#include "PlayScene.h"

#include "cast/Anim.h"
#include "FollowCast.h"
#include "cast/Cast.h"
#include "cast/GalFace.h"
#include "effects/SpotEffect.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "play/PlaySounds.h"
#include "talk/Talk.h"
#include "window/MainForm.h"

void SetupPlayScene(Game& game)
{
    MainForm& f = *game.frmMain;
    SceneCasts& s = game.scene;
    HideStage(game);
    for (form::PictureBox* panel : {f.picDisplayLevel, f.picDisplayQuesNmb, f.picDisplayTime, f.picDisplayAdviserBase,
                                    f.picDisplayControlerBase, f.picQues, f.picKeypad, f.picCrossBase})
        panel->setVisible(true);
    for (int m = 4; m >= 1; --m) {
        for (int k = 5; k >= 1; --k)
            FreeCast(game, s.FamilyCast[m][k]);
    }
    for (int m = 4; m >= 1; --m)
        FreeCast(game, s.FamilyCast[m][0]);

    s.AdviserCast = LoadGalCast(game, game.AdviserName, 5);
    CastRecord& adviser = game.casts[s.AdviserCast];
    adviser.FrameInterval = 1000;
    adviser.RestInterval = 1000;
    adviser.DriftKind = 0;
    s.BackSpriteCast = LoadCast(game, QStringLiteral("背景スプライト"));
    s.CloudCast = LoadCast(game, QStringLiteral("流雲"));
    FillSoundNames(game);

    SetStageRect(game, 576, 195, 148, 116);
    SetWorldSize(game, 160, 123, 1);
    DrawWorldPicture(game, QStringLiteral("背景(160x123)"), 0, 0);
    SetWorldView(game, 12, 0, 0);

    ClearTalkers(game);
    AddTalker(game, QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    AddTalker(game, QStringLiteral("＋"), 2, game.AdviserName + QStringLiteral("声"), 2, 100, 180, 0, s.AdviserCast);
    AddTalker(game, QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    game.sound.StopSound(-1);

    SetCastPos(game, s.AdviserCast, 160, 0);
    SetCastPos(game, s.BackSpriteCast, 0, 0);
    SetCastPos(game, s.CloudCast, 45, -6);
    SetCastMove(game, s.CloudCast, 21, 6, 16, 1, 5000);
    HideSpotStage(game);
}

void EnterAdviser(Game& game)
{
    const int a = game.scene.AdviserCast;
    SetCastPos(game, a, 160, 0);
    SetCastDrift(game, a, 28, 16, 2);
    SetCastMove(game, a, 11, 4, 2, 1, 1);
    FollowCast(game, a, 0, 0);
    SetCastMove(game, a, 0, 4, 16, 1, 1);
    SetCastDrift(game, a, 28, 233, 1);
}

void SwayAdviser(Game& game)
{
    SetCastDrift(game, game.scene.AdviserCast, 46, 345, 1);
}

void LeaveAdviser(Game& game)
{
    const int a = game.scene.AdviserCast;
    SetCastDrift(game, a, 28, 16, 2);
    SetCastMove(game, a, 11, 6, 2, 1, 1);
    FollowCast(game, a, 160, 0);
    // With the animation stopped the adviser never gets there: the wait is bounded.
    if (game.frmMain->tmrAnim.isEnabled())
        form::waitUntil([&game, a] { return game.casts[a].X >= 160; }, LeaveAdviserLimit);
    SetCastMove(game, a, 0, 4, 16, 1, 1);
    SetCastDrift(game, a, 0, 233, 1);
}

void FlashAdviserSpot(Game& game)
{
    for (int i = 0; i < 3; ++i) {
        ZoomSpot(game, 74, 58, 200, 1);
        ZoomSpot(game, 74, 58, 200, 0);
    }
    HideSpotStage(game);
}
