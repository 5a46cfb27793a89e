// What the player wrote into an unsolved puzzle is kept in the board file beside the
// record: across puzzle changes, the end of the game, a restart and a killed process.
#include "board/BoardFixture.h"
#include "Restart.h"
#include "story/StoryFixture.h"

#include "model/AppRequests.h"
#include "play/CrossChoice.h"
#include "play/GameTick.h"
#include "records/BoardFile.h"
#include "records/Boards.h"
#include "records/RecordFile.h"

#include <QApplication>
#include <QFile>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Types letters on the keyboard (a key goes to the focused control, or to the window)
// and waits until every one is in its cell.
void type(MainForm& window, Game& game, const QString& letters)
{
    QWidget* focus = QApplication::focusWidget();
    for (const QChar letter : letters)
        testsupport::pressKey(focus ? focus : &window, Qt::Key_A + (letter.unicode() - 'A'), Qt::NoModifier, letter);
    ASSERT_TRUE(form::waitUntil([&] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 30));
}

QString entry(const Game& game, int row, int column)
{
    return game.cross.Mas[size_t(game.cross.index(row, column))].Entry;
}

class KeepBoardInPlay : public StoryFixture {
protected:
    void changePuzzle()
    {
        menuChoices[1915] = 1;
        testsupport::click(window.lblCrossChange);
    }
};

TEST_F(KeepBoardInPlay, EntriesComeBackAfterAPuzzleChangeAndAfterARestart)
{
    type(window, game, QStringLiteral("CX"));
    changePuzzle();
    ASSERT_EQ(game.CurCross, 2);
    EXPECT_EQ(entry(game, 1, 1), QStringLiteral("　")) << "puzzle 2 starts empty";
    type(window, game, QStringLiteral("Q"));
    changePuzzle();
    ASSERT_EQ(game.CurCross, 1);
    EXPECT_EQ(entry(game, 1, 1) + entry(game, 1, 2) + entry(game, 1, 3), QStringLiteral("ＣＸ　"));
    EXPECT_EQ(window.lblCell(game.cross.index(1, 2))->caption(), QStringLiteral("Ｘ")) << "drawn too";

    window.close();  // the close box
    ASSERT_TRUE(form::programEnded());
    form::resetProgramEnded();

    // A new run on the same file puts up the first unsolved puzzle as it was left.
    MainForm window2;
    Game again;
    ASSERT_NO_FATAL_FAILURE(restartOnTheSameFile(game, window2, again));
    EXPECT_EQ(entry(again, 1, 1) + entry(again, 1, 2), QStringLiteral("ＣＸ"));
    EXPECT_EQ(board::read(BoardPath(again)).boards.at(2).rowTexts.value(0), QStringLiteral("Ｑ　　"));
}

// The play clock is kept with the entries: a puzzle that comes back counts on from there
// and shows it at once.
TEST_F(KeepBoardInPlay, TheClockOfAKeptPuzzleCountsOnWhenItComesBack)
{
    type(window, game, QStringLiteral("C"));
    form::Clock::instance().setSpeed(300);
    form::waitFor(75);
    form::Clock::instance().setSpeed(20);
    const int played = PlaySeconds(game);
    changePuzzle();
    ASSERT_EQ(game.CurCross, 2);
    EXPECT_GE(board::read(BoardPath(game)).boards.at(1).seconds, played);
    EXPECT_LT(PlaySeconds(game), played) << "puzzle 2 has no clock kept";
    changePuzzle();
    ASSERT_EQ(game.CurCross, 1);
    EXPECT_GE(PlaySeconds(game), played);
    // The caption counts on from the kept time, however long the two changes took to play.
    const QStringList shown = window.lblPassedTime->caption().split(QLatin1Char(':'));
    ASSERT_EQ(shown.size(), 3) << window.lblPassedTime->caption().toStdString();
    const int shownSeconds = shown[0].toInt() * 3600 + shown[1].toInt() * 60 + shown[2].toInt();
    EXPECT_GE(shownSeconds, played) << window.lblPassedTime->caption().toStdString();
    EXPECT_LE(shownSeconds, PlaySeconds(game));
}

TEST_F(KeepBoardInPlay, ASolvedPuzzleLeavesTheFileWhenItIsRecorded)
{
    type(window, game, QStringLiteral("C"));
    bool keptWhenAsked = true;
    talkEngine(game).onTalkFetched = [&](int n) {
        if (n == 2535)  // the next puzzle is offered: the solved one is recorded by now
            keptWhenAsked = board::read(BoardPath(game)).boards.count(1) == 1;
    };
    fillBoard();
    menuChoice = 1;
    testsupport::click(window.lblAnswerOpen);
    EXPECT_EQ(game.CurCross, 2);
    EXPECT_FALSE(keptWhenAsked);
}

class KeepBoardOnDisk : public BoardFixture {
protected:
    KeepBoardOnDisk()
    {
        game.RecordFolder = folder.path() + QLatin1Char('/');
        game.RecordFileName = QStringLiteral("board.log");
        window.setKeyPreview(true);
    }
    QString boardFile() const { return scratch(QStringLiteral("board.sav")); }
};

TEST_F(KeepBoardOnDisk, ABoardThatDoesNotFitItsPuzzleIsLeftOutAndReplacedByTheNextWrite)
{
    testsupport::writeFile(boardFile(), testsupport::cp932Lines({board::FirstLine,
        QStringLiteral("#1,3,3,0"), QStringLiteral("ＺＺＺ"), QStringLiteral("ＺＺＺ"), QStringLiteral("Ｚ■Ｚ"),  // a black cell moved
        QStringLiteral("#2,2,3,0"), QStringLiteral("ＺＺＺ"), QStringLiteral("Ｚ■Ｚ")}));  // another size
    for (int n = 1; n <= 2; ++n) {
        putUp({playfiles::catSection(1), playfiles::catSection(2)}, n);
        EXPECT_EQ(entry(game, 1, 1), QStringLiteral("　")) << n;
        type(window, game, QStringLiteral("C"));
        EXPECT_EQ(board::read(boardFile()).boards[n].rowTexts,
                  (QStringList{QStringLiteral("Ｃ　　"), QStringLiteral("　■　"), QStringLiteral("　■　")})) << n;
    }
}

// The child types a letter at the real pace and tells the parent when the letter is in its
// cell, in the middle of the roll; the parent kills it there.
TEST_F(KeepBoardOnDisk, ACharacterIsOnDiskBeforeItsRollEnds)
{
    putUp({playfiles::catSection(1)});
    int written[2];
    ASSERT_EQ(pipe(written), 0);
    const pid_t child = fork();
    if (child == 0) {
        form::Clock::instance().setSpeed(1);
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (entry(game, 1, 1) == QStringLiteral("Ｑ") && game.play.MasBusy == 1 && ::write(written[1], "w", 1))
                watch.stop();
        });
        watch.start(1);
        testsupport::pressKey(&window, Qt::Key_Q, Qt::NoModifier, QStringLiteral("Q"));
        form::waitFor(60);
        _exit(1);
    }
    char c = 0;
    ASSERT_EQ(read(written[0], &c, 1), 1);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(board::read(boardFile()).boards[1].rowTexts.value(0), QStringLiteral("Ｑ　　"));
}

TEST_F(KeepBoardOnDisk, TheBoardFileGoesWithAFreshStartAndWithTheRecordInTheWorkFolder)
{
    putUp({playfiles::catSection(1)});
    type(window, game, QStringLiteral("C"));
    ASSERT_TRUE(QFile::exists(boardFile()));
    // Every puzzle solved, and the player plays the file again.
    game.CrossCount = 1;
    game.CrossSolved = {0, 0};
    QStringList solved = record::newRecord(0, 1);
    solved[4] = QStringLiteral("1");
    ASSERT_TRUE(record::write(game.RecordFolder + game.RecordFileName, solved));
    DialogScript dialogs;
    dialogs.answer(form::Answer::Yes);
    EXPECT_EQ(LoadRecord(game), 1);
    EXPECT_FALSE(QFile::exists(boardFile()));

    type(window, game, QStringLiteral("A"));
    game.WorkFolder = game.RecordFolder;  // the play folder could not take the record
    for (const int answer : {form::Answer::Yes, form::Answer::No}) {
        dialogs.answer(answer);
        form::resetProgramEnded();
        EXPECT_THROW(EndProgram(game), form::ProgramEnded);
        EXPECT_EQ(QFile::exists(boardFile()), answer == form::Answer::Yes) << "kept or deleted with the record";
    }
}

} // namespace
