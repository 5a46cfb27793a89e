// A whole run of the game from Main to the end, headless, through the real windows and
// controls on the time source run fast: the title, the play file chosen in the dialog,
// the adviser and the name, every puzzle of the letter sample typed on the keyboard and
// scored, the farewell. A second run on the same file takes the returning player's path.
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/TestSupport.h"

#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "records/RecordFile.h"
#include "shell/StartUp.h"
#include "story/Story.h"

#include <QFile>

namespace {

class WholeRun : public GameFixture {
protected:
    WholeRun()
    {
        game.story = &story;
        talkEngine(game).onTalkFetched = [this](int n) { talks.push_back(n); };
        // The mother as adviser, "ミナ" as name; every other menu takes its first item.
        menuChoices = {{1231, 3}, {1243, 1}};
        menuChoice = 1;
        typedText = QStringLiteral("ミナ");
        clickTalksAsAPlayer();
        QFile::copy(form::ProgramFolder::resolve(QStringLiteral("サンプル_英単語.kmi")), playFile);
    }

    bool shown(int talk) const { return std::find(talks.begin(), talks.end(), talk) != talks.end(); }
    QStringList record() const
    {
        QStringList lines;
        record::read(scratch(QStringLiteral("サンプル_英単語.log")), lines);
        return lines;
    }
    void waitForTheBoard()
    {
        ASSERT_TRUE(form::waitUntil([this] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 60));
    }
    // Every word typed as a player would: a click on its first cell, a turn with Space
    // when the cell selected the crossing word, then its letters.
    void typeEveryAnswer()
    {
        const Puzzle& p = game.cross;
        for (int w = 1; w <= p.QuesNmbMax; ++w) {
            waitForTheBoard();
            ASSERT_NO_FATAL_FAILURE(selectWord(w));
            for (const QChar c : p.Ques[w].Answer) {
                const QChar letter(c.unicode() - 0xFF21 + 'A');
                testsupport::pressKey(&window, Qt::Key_A + (letter.unicode() - 'A'), Qt::NoModifier, letter);
            }
        }
        waitForTheBoard();
    }

    Story story{game};
    std::vector<int> talks;
    const QString playFile = scratch(QStringLiteral("サンプル_英単語.kmi"));
};

TEST_F(WholeRun, FromTheTitleToTheFarewellWithEveryPuzzleSolved)
{
    DialogScript dialogs;
    dialogs.choose(playFile);
    Main(game);
    EXPECT_TRUE(shown(1301) && shown(1311) && shown(1331) && shown(1401) && shown(1413));
    EXPECT_EQ(game.Adviser, 3);
    EXPECT_EQ(record().value(2), QStringLiteral("ミナ"));
    EXPECT_EQ(game.PlayActive, 1);

    const int puzzles = game.CrossCount;
    ASSERT_GE(puzzles, 2);
    for (int solved = 0; solved < puzzles && !form::programEnded(); ++solved) {
        EXPECT_EQ(game.CurCross, solved + 1);
        typeEveryAnswer();
        testsupport::click(window.lblAnswerOpen);
    }
    EXPECT_TRUE(form::programEnded());
    EXPECT_TRUE(shown(2511 + 2)) << "the mother's joy at the last puzzle";
    EXPECT_EQ(record().value(4), QStringList(puzzles, QStringLiteral("1")).join(QLatin1Char(',')));
    EXPECT_TRUE(dialogs.titles.isEmpty()) << dialogs.titles.join(u' ').toStdString();
}

TEST_F(WholeRun, AReturningPlayerIsWelcomedBackByName)
{
    QStringList lines = record::newRecord(0, 4);
    lines[2] = QStringLiteral("ミナ");
    lines[4] = QStringLiteral("1,0,0,0");
    ASSERT_TRUE(record::write(scratch(QStringLiteral("サンプル_英単語.log")), lines));
    DialogScript dialogs;
    dialogs.choose(playFile);
    Main(game);
    EXPECT_TRUE(shown(1312) && shown(1501) && shown(1513));
    EXPECT_FALSE(shown(1331)) << "no name asked";
    EXPECT_EQ(talkEngine(game).TalkNames[10], QStringLiteral("ミナ"));
    EXPECT_EQ(game.CurCross, 2) << "the first unsolved puzzle";
}

} // namespace
