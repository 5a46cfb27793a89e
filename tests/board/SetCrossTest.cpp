#include "BoardFixture.h"
#include "model/PlayState.h"

namespace {

class SetCrossTest : public BoardFixture {};

TEST_F(SetCrossTest, CursorOnWordOneEmptyCellsBlackSquaresClockAndTimer)
{
    putUp({playfiles::catSection(1)});
    EXPECT_EQ(game.play.CurQues, 1);
    EXPECT_EQ(game.play.CursorMas, at(1, 1));
    EXPECT_EQ(game.play.CursorStep, 1);
    EXPECT_EQ(cell(1, 1)->backColor(), BoardColour::CursorCell);
    EXPECT_EQ(cell(1, 2)->backColor(), BoardColour::WordCell);
    EXPECT_EQ(cell(2, 1)->backColor(), BoardColour::EmptyCell);
    EXPECT_EQ(cell(2, 2)->backColor(), BoardColour::BlackCell);
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 3; ++c) {
            EXPECT_EQ(cell(r, c)->caption(), QStringLiteral("　"));
            EXPECT_TRUE(cell(r, c)->isVisible());
        }
    }
    EXPECT_EQ(window.lblPassedTime->caption(), QStringLiteral("00:00"));
    EXPECT_TRUE(window.tmrKumi.isEnabled());
    EXPECT_EQ(window.lblQues->caption(), QStringLiteral("ニャーと鳴く動物"));
    EXPECT_EQ(window.lblQuesNmb->caption(), QStringLiteral("１"));
    EXPECT_TRUE(window.picControler(1)->isVisible());
    EXPECT_FALSE(window.picControler(2)->isVisible());
}

TEST_F(SetCrossTest, ASecondPuzzleLeavesNoLabelOfTheFirst)
{
    putUp({playfiles::combSection(1, 15, 8), playfiles::catSection(2)}, 1);
    EXPECT_EQ(window.lblCell.count(), 15 * 8 + 1);
    LoadMasLabels(game, 0);
    EXPECT_EQ(window.lblCell.count(), 1) << "only the design element stays";
    putUp({playfiles::combSection(1, 15, 8), playfiles::catSection(2)}, 2);
    EXPECT_EQ(window.lblCell.count(), 3 * 3 + 1);
    // Even when the caller forgets to unload, nothing of the previous puzzle stays.
    putUp({playfiles::combSection(1, 15, 8), playfiles::catSection(2)}, 1);
    putUp({playfiles::combSection(1, 15, 8), playfiles::catSection(2)}, 2);
    EXPECT_EQ(window.lblCell.count(), 3 * 3 + 1);
    EXPECT_EQ(game.CurCross, 2);
}

TEST_F(SetCrossTest, LayoutByGridSize)
{
    putUp({playfiles::catSection(1)});
    EXPECT_EQ(game.play.ScrollMode, 0);
    EXPECT_FALSE(window.picCrossStageMoveH->isVisible());
    EXPECT_FALSE(window.picCrossStageMoveV->isVisible());
    // Centred in the 11 x 10 area at (129, 98).
    EXPECT_EQ(window.picCrossBase->left(), 129 + (11 * 35 - 3 * 35) / 2);
    EXPECT_EQ(window.picCrossBase->top(), 98 + (10 * 33 - 3 * 33) / 2);
    EXPECT_EQ(window.picCrossBase->width(), 3 * 35);

    putUp({playfiles::combSection(1, 15, 8)});
    EXPECT_EQ(game.play.CrossViewMaxX, 5);
    EXPECT_EQ(game.play.CrossViewMaxY, 1);
    EXPECT_EQ(game.play.ScrollMode, 1);
    EXPECT_TRUE(window.picCrossStageMoveH->isVisible());
    EXPECT_FALSE(window.picCrossStageMoveV->isVisible());
    EXPECT_EQ(window.picCrossBase->left(), 129);
    EXPECT_EQ(window.picCrossBase->width(), 11 * 35);

    putUp({playfiles::combSection(1, 20, 14)});
    EXPECT_EQ(game.play.ScrollMode, 3);
    EXPECT_EQ(window.picCrossBase->height(), 10 * 33);
    EXPECT_EQ(window.picCrossStage->width(), 20 * 35);
}

TEST_F(SetCrossTest, AnUnreadablePuzzleLeavesTheBoardAsItWas)
{
    putUp({playfiles::catSection(1)});
    QString error;
    EXPECT_EQ(SetCross(game, 7, &error), 0);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(game.CurCross, 1);
    EXPECT_EQ(window.lblCell.count(), 10);
    EXPECT_EQ(game.cross.Ques[1].Answer, QStringLiteral("ＣＡＴ"));
}

} // namespace
