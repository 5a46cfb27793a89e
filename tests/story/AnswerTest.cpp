// "完 成", the scoring and its outcomes, and "問題変更", through the real labels and menus.
#include "StoryFixture.h"

#include "form/Pump.h"
#include "play/Scoring.h"
#include "records/RecordFile.h"

#include <QTimer>

namespace {

class AnswerTest : public StoryFixture {
protected:
    explicit AnswerTest(int crossCount = 2) : StoryFixture(crossCount) {}
    int at(int row, int column) const { return game.cross.index(row, column); }
    void answerOpen(int choice)
    {
        menuChoice = choice;
        talks.clear();
        testsupport::click(window.lblAnswerOpen);
    }
};

class LastPuzzle : public AnswerTest {
protected:
    LastPuzzle() : AnswerTest(1) {}
};

// The sister's verdict talks are 2200 + 4v + 1.
TEST_F(AnswerTest, TheVerdictFollowsHowFullTheBoardIs)
{
    fillBoard({{2, 1}, {3, 1}, {1, 2}});  // a third of the nine cells empty
    answerOpen(1);
    EXPECT_TRUE(shown(2213));
    fillBoard({{2, 1}});
    answerOpen(1);
    EXPECT_TRUE(shown(2209));
    game.play.ScoreCount = 1;
    answerOpen(1);
    EXPECT_TRUE(shown(2217)) << "any empty cell after a scoring";

    fillBoard();
    answerOpen(2);
    EXPECT_TRUE(shown(2205));
    answerOpen(0);
    EXPECT_TRUE(shown(2201)) << "the menu ran out";
    EXPECT_EQ(game.play.ScoreCount, 1) << "neither was scored";
    EXPECT_EQ(game.AnswerOpenBusy, 0);
    EXPECT_EQ(game.Busy, 0);
}

TEST_F(AnswerTest, WrongCellsLeaveTheWordOfTheFirstOneCurrent)
{
    fillBoard();
    game.cross.Mas[at(2, 3)].Entry = QStringLiteral("Ｘ");  // in TOE, the down word 3
    game.cross.Mas[at(3, 1)].Entry = QStringLiteral("Ｘ");
    answerOpen(1);
    EXPECT_TRUE(shown(2221)) << "the first scoring";
    EXPECT_TRUE(shown(2701));
    EXPECT_EQ(game.play.CurQues, 3);
    EXPECT_EQ(game.play.CursorMas, at(2, 3));
    for (int i = 0; i <= game.cross.MasLast; ++i) {
        const bool inTOE = i == at(1, 3) || i == at(2, 3) || i == at(3, 3);
        EXPECT_EQ(game.cross.Mas[i].InWord, inTOE ? game.cross.MasLineLen : 0) << "cell " << i;
    }
    EXPECT_TRUE(window.picControler(2)->isVisible()) << "the controller of a down word";
    EXPECT_FALSE(window.picControler(1)->isVisible());
    EXPECT_TRUE(window.lblAnswerOpen->isVisible());
    EXPECT_FALSE(window.lblMarkSpeedUp->isVisible());
    EXPECT_EQ(game.play.ScoreCount, 1);
}

TEST_F(AnswerTest, FastScoringStopsTheWalkWithinACellAndColoursAsTheWalkDoes)
{
    fillBoard();
    game.cross.Mas[at(1, 2)].Entry = QStringLiteral("Ｘ");
    game.cross.Mas[at(3, 3)].Entry = QStringLiteral("Ｘ");
    const auto colours = [this] {
        QList<QPair<int, unsigned>> out;
        for (int i = 0; i <= game.cross.MasLast; ++i)
            if (form::Label* label = window.lblCell.find(i); label && game.cross.Mas[i].Kind != 1)
                out.append({int(label->backStyle()), label->backStyle() == form::BackStyle::Opaque ? label->backColor() : 0u});
        return out;
    };
    const auto scored = [this] {
        int n = 0;
        for (int i = 0; i <= game.cross.MasLast; ++i)
            if (form::Label* label = window.lblCell.find(i); label && game.cross.Mas[i].Kind != 1)
                n += label->backStyle() == form::BackStyle::Transparent || label->backColor() == BoardColour::WrongCell;
        return n;
    };
    BeginScoringDisplay(game);
    ScoreWords(game);
    const auto walked = colours();

    // Clicked as the walk reaches word 2: at most one more cell is scored, the rest is
    // coloured at once, as the walk would have.
    BeginScoringDisplay(game);
    game.play.CursorStep = 1;
    int atClick = -1;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (atClick < 0 && game.play.CursorStep != 1) {
            atClick = scored();
            testsupport::click(window.lblMarkSpeedUp);
        }
    });
    player.start(1);
    ScoreWords(game);
    EXPECT_EQ(game.play.SpeedUpMark, 1);
    EXPECT_GT(atClick, 0) << "the walk was under way";
    EXPECT_LE(scored(), atClick + 1);
    EXPECT_FALSE(window.lblMarkSpeedUp->isVisible());
    ScoreAllAtOnce(game);
    EXPECT_EQ(colours(), walked);
}

TEST_F(AnswerTest, ASolvedPuzzleIsRecordedBeforeTheNextIsOffered)
{
    QString onDiskWhenAsked;
    talkEngine(game).onTalkFetched = [&](int n) {
        talks.push_back(n);
        if (n == 2535)
            onDiskWhenAsked = solvedOnDisk();
    };
    game.play.ScoreCount = 2;
    fillBoard();
    answerOpen(1);
    EXPECT_TRUE(shown(2225)) << "a scoring again";
    EXPECT_TRUE(shown(2505)) << "solved after earlier scorings";
    EXPECT_EQ(onDiskWhenAsked, QStringLiteral("1,0"));
    EXPECT_EQ(game.CurCross, 2) << "the next puzzle is up";
    EXPECT_EQ(game.play.ScoreCount, 0);
    EXPECT_EQ(game.cross.Mas[at(1, 1)].Entry, QStringLiteral("　"));
    EXPECT_FALSE(form::programEnded());
}

TEST_F(LastPuzzle, SolvingTheLastPuzzleEndsTheGameWithoutAQuestion)
{
    fillBoard();
    answerOpen(1);
    EXPECT_TRUE(form::programEnded());
    EXPECT_TRUE(shown(2511) && shown(2525));
    EXPECT_FALSE(shown(2535));
    EXPECT_EQ(solvedOnDisk(), QStringLiteral("1"));
}

TEST_F(LastPuzzle, NoOtherPuzzleIsToldOnlyTheFirstTime)
{
    testsupport::click(window.lblCrossChange);
    testsupport::click(window.lblCrossChange);
    EXPECT_EQ(std::count(talks.begin(), talks.end(), 1801), 1);
    EXPECT_TRUE(shown(1901) && shown(1905));
}

TEST_F(AnswerTest, APuzzleChangePutsUpTheNextAndKeepsTheScoringCount)
{
    game.play.ScoreCount = 1;
    menuChoice = 1;
    testsupport::click(window.lblCrossChange);
    EXPECT_EQ(game.CurCross, 2);
    EXPECT_TRUE(shown(2005));
    EXPECT_EQ(game.play.ScoreCount, 1);
}

} // namespace
