// What a player meets at "完 成": which words the walk scores and chimes for, the colours
// of fast scoring, the talks of each scoring and what the record keeps.
#include "StoryFixture.h"

#include "form/Pump.h"
#include "play/Scoring.h"
#include "records/RecordFile.h"

#include <QApplication>
#include <QTimer>
#include <set>

namespace {

class ScoringFlow : public StoryFixture {
protected:
    explicit ScoringFlow(int crossCount = 2) : StoryFixture(crossCount)
    {
        // Between the walk's steps: the words it reaches and those it sounds "正解" for.
        QObject::connect(&watch, &QTimer::timeout, [this] {
            if (!window.lblMarkSpeedUp->isVisible())
                return;
            const int word = currentWord();
            walked.insert(word);
            const QString sound = game.sound.lastEffectRequested();
            if (sound != lastSound && sound == QStringLiteral("正解"))
                chimed.insert(word);
            lastSound = sound;
            if (speedUp)
                testsupport::click(window.lblMarkSpeedUp);
        });
        watch.start(1);
    }
    int at(int row, int column) const { return game.cross.index(row, column); }
    int currentWord() const
    {
        for (int w = 1; w <= game.cross.QuesNmbMax; ++w) {
            const bool down = w >= game.cross.DownQuesTop;
            if (game.cross.Ques[w].StartMas == game.play.WordStart && down == (game.play.CursorStep != 1))
                return w;
        }
        return 0;
    }
    void answerOpen()
    {
        menuChoice = 1;
        talks.clear();
        walked.clear();
        chimed.clear();
        testsupport::click(window.lblAnswerOpen);
    }
    void typeLetter(char letter)
    {
        // A key goes to the focused control, or to the window when none has the focus.
        QWidget* focus = QApplication::focusWidget();
        testsupport::pressKey(focus ? focus : &window, Qt::Key_A + (letter - 'A'), Qt::NoModifier, QString(QLatin1Char(letter)));
        ASSERT_TRUE(form::waitUntil([this] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 30));
    }

    QTimer watch;
    std::set<int> walked, chimed;
    QString lastSound;
    bool speedUp = false;  // the player clicks "高速採点" whenever it shows
};

class ThreePuzzles : public ScoringFlow {
protected:
    ThreePuzzles() : ScoringFlow(3) {}
};

// A single wrong cell (the last of the grid) is wrong at every scoring, each with its
// own consolation up to the fourth, and the puzzle is never recorded as solved.
TEST_F(ScoringFlow, OneWrongCellIsNeverSolved)
{
    fillBoard();
    game.cross.Mas[at(3, 3)].Entry = QStringLiteral("Ｘ");
    for (int scoring = 1; scoring <= 5; ++scoring) {
        answerOpen();
        const int k = std::min(scoring - 1, 3);
        EXPECT_TRUE(shown(2701 + 4 * k)) << "scoring " << scoring;
        EXPECT_FALSE(shown(2401)) << "scoring " << scoring;
    }
    EXPECT_EQ(game.CrossSolved[1], 0);
    EXPECT_EQ(solvedOnDisk(), QStringLiteral("0,0"));
    EXPECT_EQ(game.CurCross, 1);
    EXPECT_EQ(game.play.CursorMas, at(3, 3)) << "the cursor waits on the wrong cell";
}

// Solved at the second scoring: that scoring's joy, not the first one's.
TEST_F(ScoringFlow, APuzzleSolvedAtTheSecondScoringGetsItsTalk)
{
    fillBoard();
    game.cross.Mas[at(3, 3)].Entry = QStringLiteral("Ｘ");
    answerOpen();
    ASSERT_TRUE(shown(2701));
    typeLetter('E');  // the cursor stands on the wrong cell
    answerOpen();
    EXPECT_TRUE(shown(2225)) << "the verdict of a scoring again";
    EXPECT_TRUE(shown(2505));
    EXPECT_FALSE(shown(2501));
    EXPECT_EQ(game.CurCross, 2);
}

// After "高速採点" a wrong letter of a down word is red and every right cell is clear.
TEST_F(ScoringFlow, FastScoringColoursEachCellByItsOwnEntry)
{
    fillBoard();
    game.cross.Mas[at(2, 3)].Entry = QStringLiteral("Ｘ");  // the O of TOE, the last word
    BeginScoringDisplay(game);
    speedUp = true;
    ScoreWords(game);
    ASSERT_EQ(game.play.SpeedUpMark, 1);
    ASSERT_FALSE(walked.contains(3)) << "the walk stopped before the down word";
    ScoreAllAtOnce(game);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) {
            if (game.cross.Mas[at(r, c)].Kind == 1)
                continue;
            const form::Label* label = window.lblCell(at(r, c));
            if (r == 2 && c == 3) {
                EXPECT_EQ(label->backStyle(), form::BackStyle::Opaque);
                EXPECT_EQ(label->backColor(), BoardColour::WrongCell);
            } else {
                EXPECT_EQ(label->backStyle(), form::BackStyle::Transparent) << "row " << r << " column " << c;
            }
        }
}

// A scoring cut short by "高速採点" does not cut the next one: it walks every word.
TEST_F(ScoringFlow, AScoringAfterAFastOneWalksEveryWordAgain)
{
    fillBoard();
    game.cross.Mas[at(3, 3)].Entry = QStringLiteral("Ｘ");
    speedUp = true;
    answerOpen();
    ASSERT_FALSE(walked.contains(3)) << "the first scoring was cut short";
    speedUp = false;
    answerOpen();
    EXPECT_EQ(walked, (std::set<int>{1, 2, 3}));
    EXPECT_TRUE(shown(2705));
}

// "正解" sounds for a word only when all its cells are right. A wrong T is the last
// letter of CAT and the first of TOE: only CAR chimes.
TEST_F(ScoringFlow, OnlyAWordWithEveryCellRightChimes)
{
    fillBoard();
    game.cross.Mas[at(1, 3)].Entry = QStringLiteral("Ｘ");
    answerOpen();
    EXPECT_EQ(walked, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(chimed, std::set<int>{2});
}

// After a solve the question about the next puzzle goes on when it runs out, and "no"
// ends the game with the puzzles solved so far recorded.
TEST_F(ThreePuzzles, TheQuestionAfterASolveGoesOnWhenItRunsOutAndEndsOnNo)
{
    menuChoices[2535] = 0;
    fillBoard();
    answerOpen();
    EXPECT_TRUE(shown(2601)) << "no answer";
    ASSERT_EQ(game.CurCross, 2);
    EXPECT_EQ(game.play.ScoreCount, 0);

    menuChoices[2535] = 2;
    fillBoard();
    answerOpen();
    EXPECT_TRUE(form::programEnded());
    EXPECT_TRUE(shown(2609) && shown(2613));
    EXPECT_EQ(game.CurCross, 2);
    EXPECT_EQ(solvedOnDisk(), QStringLiteral("1,1,0"));
}

} // namespace
