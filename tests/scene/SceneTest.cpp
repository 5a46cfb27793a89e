#include <gtest/gtest.h>

#include "cast/Anim.h"
#include "cast/Cast.h"
#include "form/Clock.h"
#include "play/BoardView.h"
#include "stage/BuildStage.h"
#include "stage/PlayScene.h"
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

namespace {

class SceneTest : public GameFixture {
protected:
    void build()
    {
        window.show();
        BuildStage(game);
    }
    void play()
    {
        game.AdviserName = QStringLiteral("兄");
        SetupPlayScene(game);
        window.tmrAnim.onTick = [this] { AnimTick(game); };
    }
};

TEST_F(SceneTest, BuildStagePaintsTheWindowAndStandsTheFamily)
{
    build();
    EXPECT_EQ(window.picture().size(), QSize(774, 592));
    EXPECT_EQ(window.picTitle->picture().size(), window.picTitle->size());
    EXPECT_EQ(window.picControler(1)->picture().size(), window.picControler(1)->size());
    EXPECT_EQ(window.picControler(2)->pos(), window.picControler(1)->pos());
    EXPECT_EQ(window.lblMarkSpeedUp->rect(), window.lblAnswerOpen->rect());
    EXPECT_EQ(window.lblPassedTime->caption(), QStringLiteral("0"));
    EXPECT_EQ(window.lblTitle->caption(), QStringLiteral("Latica"));
    EXPECT_EQ(game.play.CellW, 35);
    EXPECT_EQ(game.play.RollTravel1, 35 - 35 / 7);
    EXPECT_EQ(game.casts.CastCount, 24);
    const int father = game.scene.FamilyCast[3][0];
    EXPECT_EQ(game.casts[father].X, 72);
    EXPECT_EQ(game.casts[father].Y, 111);
    EXPECT_EQ(game.casts[game.scene.FamilyCast[1][3]].Active, 0) << "faces are hidden";
    EXPECT_EQ(game.stage.StageWidth, 385);
    EXPECT_TRUE(window.tmrAnim.isEnabled()) << "the spot reset starts the animation";
    EXPECT_EQ(game.casts.CastFileName, QStringLiteral("CastData.csv"));
    // The four family members are drawn on the stage.
    AnimTick(game);
    const QImage& stage = window.picStage->canvas();
    const QRgb middleOfSister = stage.pixel(22 + 40, 176 + 60);
    const QImage world = window.picWorld->canvas();
    EXPECT_NE(middleOfSister, world.pixel(22 + 40, 176 + 60));
}

TEST_F(SceneTest, RandomFamilyFaceCopiesAFace)
{
    build();
    game.random.seed(7);
    RandomFamilyFace(game);
    bool copied = false;
    for (int m = 1; m <= 4; ++m) {
        const int shown = game.scene.FamilyCast[m][0];
        copied |= game.casts[shown].Cell != game.casts[game.scene.FamilyCast[m][4]].Cell ||
                  game.casts[shown].TalkState == 1;
    }
    EXPECT_TRUE(copied);
}

TEST_F(SceneTest, ThePlaySceneReplacesTheFamily)
{
    build();
    play();
    EXPECT_EQ(game.scene.AdviserCast, 1) << "the lowest freed number";
    EXPECT_EQ(game.gal.GalFaceNo, 4);
    EXPECT_EQ(game.casts[game.scene.AdviserCast].FrameInterval, 1000);
    EXPECT_EQ(game.stage.StageWidth, 148);
    EXPECT_EQ(game.stage.ViewX, 12);
    EXPECT_EQ(game.stage.ViewMaxY, 7);
    EXPECT_FALSE(window.picStage->isVisible() && !window.picStage->isHidden());
    EXPECT_EQ(game.casts[game.scene.CloudCast].MoveMode, 21);
    EXPECT_EQ(game.casts[game.scene.CloudCast].MoveInterval, 16);
    EXPECT_EQ(game.SoundNames.size(), 8u);
    // No family cast is drawn any more: every active cast belongs to the play scene.
    for (int i = 1; i <= game.casts.CastCount; ++i) {
        if (game.casts[i].Active == 1 && game.casts[i].InUse == 0)
            ADD_FAILURE() << "freed cast " << i << " is still drawn";
    }
}

TEST_F(SceneTest, TheAdviserWalksInAndOut)
{
    build();
    play();
    StartAnim(game);
    EnterAdviser(game);
    EXPECT_EQ(game.stage.ViewX, 0);
    EXPECT_LT(game.casts[game.scene.AdviserCast].X, 160);
    EXPECT_EQ(game.casts[game.scene.AdviserCast].MoveMode, 0);
    SwayAdviser(game);
    EXPECT_EQ(game.casts[game.scene.AdviserCast].DriftKind, 46);
    LeaveAdviser(game);
    EXPECT_GE(game.casts[game.scene.AdviserCast].X, 160);
    EXPECT_EQ(game.casts[game.scene.AdviserCast].DriftKind, 0);
}

TEST_F(SceneTest, LeavingGivesUpWhenTheAnimationIsStopped)
{
    build();
    play();
    StopAnim(game);
    SetCastPos(game, game.scene.AdviserCast, 40, 0);
    LeaveAdviser(game);
    EXPECT_LT(game.casts[game.scene.AdviserCast].X, 160);
    EXPECT_EQ(game.casts[game.scene.AdviserCast].MoveMode, 0);
}

TEST_F(SceneTest, NarrowCellsGiveRollBarsOfWidthZero)
{
    window.lblCell(0)->setWidth(6);
    MeasureBoardCells(game);
    EXPECT_EQ(game.play.RollBarWidth1, 0);
    EXPECT_EQ(game.play.RollTravel1, 6);
    EXPECT_EQ(game.play.RollBarWidth2, 2);
    window.lblCell(0)->setWidth(2);
    MeasureBoardCells(game);
    EXPECT_EQ(game.play.RollBarWidth2, 0);
    EXPECT_EQ(game.play.RollTravel2, 2);
}

TEST_F(SceneTest, TheTalkersAfterEachStage)
{
    build();
    const TalkEngine& t = talkEngine(game);
    ASSERT_EQ(t.talkers.size(), 2u);
    EXPECT_EQ(t.talkers[0].Voice, QStringLiteral("声ナレーション"));
    EXPECT_EQ(t.talkers[1].Mark, QStringLiteral("÷"));
    play();
    ASSERT_EQ(t.talkers.size(), 3u);
    EXPECT_EQ(t.talkers[1].Mark, QStringLiteral("＋"));
    EXPECT_EQ(t.talkers[1].Voice, QStringLiteral("兄声"));
    EXPECT_EQ(t.talkers[1].TalkAnim, game.scene.AdviserCast);
}

} // namespace
