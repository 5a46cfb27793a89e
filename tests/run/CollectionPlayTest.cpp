// A puzzle played to completion, headless, through the real windows: the opening, every
// answer typed on the keyboard (romaji for a kana file), "完 成" and the scoring. The
// collection's play files are run by hand, one at a time (LATICA_PLAY_FILE, the file's
// name in the program folder; LATICA_SHOT, where to save the full board as a picture),
// left out of the ordinary runs; an open crossword (.puz) chosen in the dialog runs always.
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/TestSupport.h"

#include "keypad/RomaKana.h"
#include "keypad/frmKeypad.h"
#include "records/RecordFile.h"
#include "shell/StartUp.h"
#include "story/Story.h"

#include <QFile>
#include <QFileInfo>
#include <QPixmap>

namespace {

class CollectionPlay : public GameFixture {
protected:
    CollectionPlay()
    {
        game.story = &story;
        game.frmKeypad = &keypad;
        menuChoices = {{1231, 1}, {1243, 1}};
        menuChoice = 1;
        typedText = QStringLiteral("ミナ");
        clickTalksAsAPlayer();
    }

    // The letters a player types for one grid kana: the shortest key the table writes it by.
    QString romajiFor(QChar kana) const
    {
        if (kana == QChar(0x30F3))
            return QStringLiteral("NN");
        for (const auto* section : {&table.one, &table.two, &table.three})
            for (const keypad::RomaKanaEntry& e : *section)
                if (e.grid == QString(kana))
                    return e.key;
        return {};
    }

    void typeLetters(const QString& letters)
    {
        for (const QChar letter : letters) {
            const int key = letter == QLatin1Char('-') ? int(Qt::Key_Minus) : Qt::Key_A + (letter.unicode() - 'A');
            testsupport::pressKey(&window, key, Qt::NoModifier, letter);
        }
    }

    void waitForTheBoard()
    {
        ASSERT_TRUE(form::waitUntil([this] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 60));
    }

    // Types every answer of the puzzle on the board and checks that the board holds them.
    void fillTheBoard()
    {
        const Puzzle& p = game.cross;
        for (int w = 1; w <= p.QuesNmbMax; ++w) {
            waitForTheBoard();
            ASSERT_NO_FATAL_FAILURE(selectWord(w));
            for (const QChar c : p.Ques[w].Answer) {
                if (game.KeypadMode == 1) {
                    const QString letters = romajiFor(c);
                    ASSERT_FALSE(letters.isEmpty()) << "no key writes " << QString(c).toStdString();
                    typeLetters(letters);
                } else {
                    typeLetters(QString(QChar(c.unicode() - 0xFF21 + 'A')));
                }
            }
        }
        waitForTheBoard();
        for (int i = 0; i < int(p.Mas.size()); ++i)
            ASSERT_EQ(p.Mas[size_t(i)].Entry, p.Mas[size_t(i)].Kind == 1 ? p.Mas[size_t(i)].Entry : p.Mas[size_t(i)].Answer)
                << "cell " << i;
    }

    Story story{game};
    KeypadForm keypad{[] {}, nullptr};
    keypad::RomaKanaTable table;
};

TEST_F(CollectionPlay, DISABLED_TheFirstPuzzleToCompletion)
{
    const QString name = qEnvironmentVariable("LATICA_PLAY_FILE");
    ASSERT_FALSE(name.isEmpty()) << "name a play file of the program folder in LATICA_PLAY_FILE";
    const QString playFile = scratch(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral(LATICA_BUILD_PROGRAM_DIR "/") + name, playFile));
    QString error;
    ASSERT_TRUE(keypad::LoadRomaKanaTable(keypad::RomaKanaTablePath(), &table, &error)) << error.toStdString();

    DialogScript dialogs;
    dialogs.choose(playFile);
    Main(game);
    ASSERT_EQ(game.CurCross, 1);
    ASSERT_NO_FATAL_FAILURE(fillTheBoard());
    const QString shot = qEnvironmentVariable("LATICA_SHOT");
    if (!shot.isEmpty())
        window.grab().save(shot);
    testsupport::click(window.lblAnswerOpen);
    QStringList lines;
    ASSERT_TRUE(record::read(scratch(QFileInfo(name).completeBaseName() + QStringLiteral(".log")), lines));
    EXPECT_TRUE(lines.value(4).startsWith(QStringLiteral("1"))) << lines.value(4).toStdString();
    EXPECT_TRUE(game.CurCross == 2 || form::programEnded()) << "the next puzzle is put up";
}

// The dialog lists open crosswords too; one chosen there is a play file of one puzzle: its
// name titles the board, it is scored like any puzzle, and its record lies beside it,
// named from its name without the extension.
TEST_F(CollectionPlay, APuzChosenInTheDialogIsPlayedAndItsRecordLiesBesideIt)
{
    const QString name = QStringLiteral("school.2026-12-08.puz");
    const QString puz = scratch(name);
    ASSERT_TRUE(QFile::copy(QStringLiteral(LATICA_TESTS_DIR "/openformats/puz/crossword_15x15.puz"), puz));
    DialogScript dialogs;
    dialogs.choose(puz);
    Main(game);
    ASSERT_EQ(game.CurCross, 1);
    EXPECT_EQ(game.CrossCount, 1);
    EXPECT_EQ(game.KeypadMode, 0);
    EXPECT_EQ(window.lblTitle->caption(), QStringLiteral("school.2026-12-08 [1]"));
    ASSERT_NO_FATAL_FAILURE(fillTheBoard());
    testsupport::click(window.lblAnswerOpen);
    QStringList lines;
    ASSERT_TRUE(record::read(scratch(QStringLiteral("school.2026-12-08.log")), lines));
    EXPECT_EQ(lines.value(4), QStringLiteral("1")) << lines.value(4).toStdString();
    EXPECT_TRUE(form::programEnded()) << "the only puzzle solved: the game ends";
}

} // namespace
