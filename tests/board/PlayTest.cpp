#include "BoardFixture.h"

#include <QTimer>
#include "form/KeyCodes.h"
#include "model/PlayState.h"
#include "play/Cursor.h"
#include "play/CellRoll.h"
#include "play/Entry.h"

namespace {

// CAT across (word 1), CAR and TOE down (words 2 and 3).
class PlayTest : public BoardFixture {
protected:
    void SetUp() override { putUp({playfiles::catSection(1)}); }
    void type(const char* letters)
    {
        for (const char* p = letters; *p; ++p)
            PlayKeyDown(game, *p);
        drain();
    }
    QString entry(int r, int c) const { return game.cross.Mas[at(r, c)].Entry; }
};

TEST_F(PlayTest, LettersBecomeFullWidthAndRollIntoTheWord)
{
    PlayKeyDown(game, 'C');
    EXPECT_EQ(game.play.PendingInput, QStringLiteral("Ｃ"));
    drain();
    EXPECT_EQ(entry(1, 1), QStringLiteral("Ｃ"));
    EXPECT_EQ(cell(1, 1)->caption(), QStringLiteral("Ｃ"));
    EXPECT_EQ(game.play.CursorMas, at(1, 2));
    EXPECT_EQ(game.play.EntryCount, 1);
    EXPECT_EQ(game.play.MasBusy, 0);
}

TEST_F(PlayTest, TypingPastTheEndKeepsTheFirstExtraAndDropsTheRest)
{
    type("CAXYZ");
    EXPECT_EQ(entry(1, 1), QStringLiteral("Ｃ"));
    EXPECT_EQ(entry(1, 2), QStringLiteral("Ａ"));
    EXPECT_EQ(entry(1, 3), QStringLiteral("Ｘ"));
    EXPECT_EQ(game.play.CursorMas, at(1, 3));
    EXPECT_TRUE(game.play.PendingInput.isEmpty());
}

TEST_F(PlayTest, TypingTheSameCharacterChangesNothingButAdvances)
{
    type("C");
    MoveInWord(game, 1);
    const int before = game.play.EntryCount;
    type("C");
    EXPECT_EQ(lastSound(), QStringLiteral("ビィヨン"));
    EXPECT_EQ(game.play.EntryCount, before);
    EXPECT_EQ(game.play.CursorMas, at(1, 2));
}

TEST_F(PlayTest, MovingInsideAndBetweenWords)
{
    MoveInWord(game, 1);
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "left on the first cell";
    EXPECT_EQ(game.play.CursorMas, at(1, 1));
    MoveInWord(game, 2);
    EXPECT_EQ(lastSound(), QStringLiteral("ビィヨン"));
    EXPECT_EQ(game.play.CursorMas, at(1, 2));
    // The only across word: next goes round to word 1.
    MoveToWord(game, 2);
    EXPECT_EQ(game.play.CurQues, 1);
    EXPECT_EQ(game.play.CursorMas, at(1, 1));
    // From the last down word to the first down word.
    ClickMas(game, at(3, 3));
    EXPECT_EQ(game.play.CurQues, 3);
    MoveToWord(game, 2);
    EXPECT_EQ(game.play.CurQues, 2);
    MoveToWord(game, 1);
    EXPECT_EQ(game.play.CurQues, 3);
    EXPECT_TRUE(window.picControler(2)->isVisible());
    EXPECT_FALSE(window.picControler(1)->isVisible());
}

TEST_F(PlayTest, ClicksOnCells)
{
    ClickMas(game, at(1, 1));
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "the cursor cell";
    ClickMas(game, at(2, 2));
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "a black square";
    ClickMas(game, at(1, 3));
    EXPECT_EQ(lastSound(), QStringLiteral("ピイイン"));
    EXPECT_EQ(game.play.CursorMas, at(1, 3)) << "a cell of the current word";
    EXPECT_EQ(game.play.CurQues, 1);
    // (1,3) starts down word 3 but lies in the current across word; (1,1) crosses it too:
    // a click on a crossing whose across word is current stays across.
    ClickMas(game, at(3, 1));
    EXPECT_EQ(game.play.CurQues, 2);
    // Now CAR is current: a click on (1,3), a crossing that starts TOE, selects its across
    // word CAT, because CAT crosses the current word.
    ClickMas(game, at(1, 3));
    EXPECT_EQ(game.play.CurQues, 1);
    EXPECT_EQ(game.play.CursorMas, at(1, 3));
}

TEST_F(PlayTest, TurningAtCrossingsOnly)
{
    TurnWord(game);
    EXPECT_EQ(game.play.CurQues, 2) << "(1,1) crosses CAR";
    MoveInWord(game, 2);
    TurnWord(game);
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "(2,1) is not a crossing";
    EXPECT_EQ(game.play.CurQues, 2);
}

TEST_F(PlayTest, EraseAndUndo)
{
    PlayKeyDown(game, form::Key::Delete);
    EXPECT_EQ(lastSound(), QStringLiteral("ビィヨン")) << "erasing an empty cell";
    type("C");
    MoveInWord(game, 1);
    PlayKeyDown(game, form::Key::Escape);
    EXPECT_EQ(entry(1, 1), QStringLiteral("　"));
    PlayKeyDown(game, form::Key::Escape);
    EXPECT_EQ(entry(1, 1), QStringLiteral("Ｃ")) << "Esc twice restores the cell";
    PlayKeyDown(game, form::Key::Delete);
    EXPECT_EQ(entry(1, 1), QStringLiteral("　"));
    EXPECT_EQ(cell(1, 1)->caption(), QStringLiteral("　"));
}

TEST_F(PlayTest, ArrowKeysFollowTheWordsDirection)
{
    PlayKeyDown(game, form::Key::Right);
    EXPECT_EQ(game.play.CursorMas, at(1, 2));
    PlayKeyDown(game, form::Key::Down);  // across word: next word (the ring of one)
    EXPECT_EQ(game.play.CurQues, 1);
    PlayKeyDown(game, form::Key::Space);
    EXPECT_EQ(game.play.CurQues, 2);
    PlayKeyDown(game, form::Key::Down);  // down word: inside it
    EXPECT_EQ(game.play.CursorMas, at(2, 1));
    PlayKeyDown(game, form::Key::Right); // down word: next down word
    EXPECT_EQ(game.play.CurQues, 3);
}

TEST_F(PlayTest, NothingMovesWhileTheBoardIsScored)
{
    game.AnswerOpenBusy = 1;
    PlayKeyDown(game, 'C');
    PlayKeyDown(game, form::Key::Right);
    EXPECT_TRUE(game.play.PendingInput.isEmpty());
    EXPECT_EQ(game.play.CursorMas, at(1, 1));
}

TEST_F(PlayTest, TheRealControlsDriveThePlay)
{
    game.frmMain->setKeyPreview(true);
    testsupport::click(window.lblKeyRight(1));
    EXPECT_EQ(game.play.CursorMas, at(1, 2));
    testsupport::click(window.lblKeyTurn(1));
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "(1,2) is not a crossing";
    testsupport::click(window.lblCell(at(3, 3)));
    EXPECT_EQ(game.play.CurQues, 3);
    testsupport::click(window.lblKeyUp(2));
    EXPECT_EQ(game.play.CursorMas, at(2, 3));
    // Keys reach the play through the window; Shift does not change the letter.
    testsupport::pressKey(&window, Qt::Key_O, Qt::ShiftModifier, QStringLiteral("O"));
    EXPECT_EQ(game.play.PendingInput, QStringLiteral("Ｏ"));
    drain();
    testsupport::click(window.lblKeyUndo);
    EXPECT_EQ(game.cross.Mas[at(3, 3)].Entry, QStringLiteral("　")) << "undo on the cursor cell (3,3) after the move";
    EXPECT_EQ(game.cross.Mas[at(2, 3)].Entry, QStringLiteral("Ｏ"));
}

TEST_F(PlayTest, TheRollShowsItsBarsAndEndsWithTheEntry)
{
    bool narrowSeen = false, wideSeen = false;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        narrowSeen |= window.shpRollCell1(0)->isVisible() && window.shpRollCell1(1)->isVisible();
        wideSeen |= window.shpRollCell2(0)->isVisible();
        EXPECT_EQ(game.play.MasBusy, 1);
    });
    probe.start(0);
    game.cross.Mas[at(1, 1)].Entry = QStringLiteral("Ｃ");
    DrawCross(game, 1);
    probe.stop();
    EXPECT_TRUE(narrowSeen);
    EXPECT_TRUE(wideSeen);
    EXPECT_EQ(window.shpRollCell1(1)->left(), cell(1, 1)->left() + 35 - 35 / 7);
    EXPECT_FALSE(window.shpRollCell1(0)->isVisible());
    EXPECT_FALSE(window.shpRollCell2(0)->isVisible());
    EXPECT_EQ(cell(1, 1)->caption(), QStringLiteral("Ｃ"));
    EXPECT_EQ(lastSound(), QStringLiteral("ピポポン"));
    // Scoring a right and a wrong cell.
    DrawCross(game, 2);
    EXPECT_EQ(cell(1, 1)->backStyle(), form::BackStyle::Transparent);
    EXPECT_EQ(lastSound(), QStringLiteral("ビュ"));
    MoveInWord(game, 2);
    game.cross.Mas[at(1, 2)].Entry = QStringLiteral("Ｏ");
    DrawCross(game, 2);
    EXPECT_EQ(cell(1, 2)->backColor(), BoardColour::WrongCell);
    EXPECT_EQ(lastSound(), QStringLiteral("不正解"));
}

TEST_F(PlayTest, APuzzleChangeDuringARollStopsTheRoll)
{
    putUp({playfiles::catSection(1), playfiles::catSection(2)});
    QTimer change;
    change.setSingleShot(true);
    QObject::connect(&change, &QTimer::timeout, [&] {
        form::runHandler([&] {
            LoadMasLabels(game, 0);
            ASSERT_EQ(SetCross(game, 2), 1);
        });
    });
    change.start(1);
    game.cross.Mas[at(1, 1)].Entry = QStringLiteral("Ｃ");
    DrawCross(game, 1);  // the old board's cell is gone before the roll ends
    EXPECT_EQ(game.CurCross, 2);
    EXPECT_EQ(game.play.MasBusy, 0);
    EXPECT_FALSE(window.shpRollCell1(0)->isVisible());
    EXPECT_FALSE(window.shpRollCell2(0)->isVisible());
    EXPECT_EQ(cell(1, 1)->caption(), QStringLiteral("　")) << "the new board is untouched";
}

} // namespace
