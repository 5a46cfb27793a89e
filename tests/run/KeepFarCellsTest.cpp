// The board kept for an unsolved puzzle reaches to its edges: the last column and the
// last row come back like the first ones.
#include "Restart.h"
#include "story/StoryFixture.h"

#include "play/BoardView.h"
#include "play/CrossChoice.h"
#include "play/SetCross.h"

#include <QApplication>

namespace {

class KeepFarCells : public StoryFixture {
protected:
    int at(int row, int column) const { return game.cross.index(row, column); }
    // Clicks a cell, types letters there and waits until every one is in its cell.
    void typeAt(int row, int column, const QString& letters)
    {
        testsupport::click(window.lblCell(at(row, column)));
        ASSERT_EQ(game.play.CursorMas, at(row, column));
        QWidget* focus = QApplication::focusWidget();
        for (const QChar letter : letters)
            testsupport::pressKey(focus ? focus : &window, Qt::Key_A + (letter.unicode() - 'A'), Qt::NoModifier, letter);
        ASSERT_TRUE(form::waitUntil([&] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 30));
    }
    // The entries of the last column's two lower cells and of the last row's first cell.
    static QString farCells(const Game& g)
    {
        const Puzzle& p = g.cross;
        return p.Mas[size_t(p.index(2, 3))].Entry + p.Mas[size_t(p.index(3, 3))].Entry + p.Mas[size_t(p.index(3, 1))].Entry;
    }
    void changePuzzle()
    {
        menuChoices[1915] = 1;
        testsupport::click(window.lblCrossChange);
    }
};

TEST_F(KeepFarCells, EntriesInTheLastColumnAndRowComeBackAfterAChangeAndARestart)
{
    typeAt(2, 3, QStringLiteral("QZ"));  // down TOE from its second cell to the corner
    typeAt(3, 1, QStringLiteral("Y"));   // the last cell of down CAR
    ASSERT_EQ(farCells(game), QStringLiteral("ＱＺＹ"));

    changePuzzle();
    ASSERT_EQ(game.CurCross, 2);
    EXPECT_EQ(farCells(game), QStringLiteral("　　　"));
    changePuzzle();
    ASSERT_EQ(game.CurCross, 1);
    EXPECT_EQ(farCells(game), QStringLiteral("ＱＺＹ"));
    EXPECT_EQ(window.lblCell(at(3, 3))->caption(), QStringLiteral("Ｚ")) << "drawn too";

    window.close();
    ASSERT_TRUE(form::programEnded());
    form::resetProgramEnded();

    MainForm window2;
    Game again;
    ASSERT_NO_FATAL_FAILURE(restartOnTheSameFile(game, window2, again));
    EXPECT_EQ(farCells(again), QStringLiteral("ＱＺＹ"));
}

} // namespace
