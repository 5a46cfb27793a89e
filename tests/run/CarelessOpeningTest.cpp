// A careless player in the opening: the board's controls, the commands and the keys used
// while the title and the greeting talk. Whole runs from Main through the real window.
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

class CarelessOpening : public GameFixture {
protected:
    CarelessOpening()
    {
        game.story = &story;
        talkEngine(game).onTalkFetched = [this](int n) { talks.push_back(n); };
        // A new player: the sister, "ミナ", and 「はい」 to the name, the answer a flow must
        // not borrow later.
        menuChoices = {{1231, 1}, {1243, 1}};
        typedText = QStringLiteral("ミナ");
        clickTalksAsAPlayer();
        QFile::copy(form::ProgramFolder::resolve(QStringLiteral("サンプル_英単語.kmi")), playFile);
        dialogs.choose(playFile);
    }

    // Once, while talk `n` waits for the player, does `act`.
    void whileWaiting(int n, std::function<void()> act)
    {
        meanwhile = [this, n, act] {
            const TalkEngine& t = talkEngine(game);
            if (!acted && t.lastTalkNumber == n && t.TalkWait != 0) {
                acted = true;
                act();
            }
        };
    }
    bool shownAny(std::initializer_list<int> numbers) const
    {
        return std::any_of(talks.begin(), talks.end(),
                           [&](int n) { return std::find(numbers.begin(), numbers.end(), n) != numbers.end(); });
    }
    QString solvedOnDisk() const
    {
        QStringList lines;
        record::read(scratch(QStringLiteral("サンプル_英単語.log")), lines);
        return lines.value(4);
    }
    QString noneSolved() const { return QStringList(game.CrossCount, QStringLiteral("0")).join(u','); }

    Story story{game};
    DialogScript dialogs;
    std::vector<int> talks;
    bool acted = false;
    const QString playFile = scratch(QStringLiteral("サンプル_英単語.kmi"));
};

// Before play there is no puzzle: the dial, the editing and scroll buttons, the commands
// and the keys do nothing, and the greeting puts up the first puzzle.
TEST_F(CarelessOpening, TheBoardsControlsDoNothingAtTheTitle)
{
    whileWaiting(1211, [this] {
        MainForm& f = window;
        for (form::Control* c : {(form::Control*)f.lblKeyDelete, (form::Control*)f.lblKeyUndo,
                                 (form::Control*)f.lblAnswerOpen, (form::Control*)f.lblCrossChange,
                                 (form::Control*)f.lblAdvice, (form::Control*)f.lblKeypad})
            testsupport::click(c);
        for (int i = 1; i <= 2; ++i)
            for (auto* dial : {&f.lblKeyUp, &f.lblKeyDown, &f.lblKeyLeft, &f.lblKeyRight, &f.lblKeyTurn})
                testsupport::click((*dial)(i));
        for (int i = 1; i <= 4; ++i) {
            testsupport::click(f.lblCrossStageMoveH(i));
            testsupport::click(f.lblCrossStageMoveV(i));
        }
        for (int key : {Qt::Key_Delete, Qt::Key_Escape, Qt::Key_A, Qt::Key_Space})
            testsupport::pressKey(&f, key);
    });
    Main(game);
    EXPECT_TRUE(acted);
    EXPECT_FALSE(shownAny({2101, 1915, 1801})) << "a command's flow ran in the opening";
    EXPECT_EQ(game.CurCross, 1);
    EXPECT_EQ(solvedOnDisk(), noneSolved());
}

// From the set-up of the board to the greeting's last word no command starts and no key
// writes, though the player's last answer was 「はい」 and the board is full and right.
TEST_F(CarelessOpening, TheGreetingsFirstTalkTakesNoCommandOrKey)
{
    QString cursorAnswer;
    whileWaiting(1401, [&] {
        Puzzle& p = game.cross;
        for (MasData& m : p.Mas)
            if (m.Kind != 1 && !m.Answer.isEmpty())
                m.Entry = m.Answer;
        cursorAnswer = p.Mas[game.play.CursorMas].Entry;
        testsupport::click(window.lblAnswerOpen);
        testsupport::click(window.lblCrossChange);
        testsupport::click(window.lblEnd);
        testsupport::pressKey(&window, cursorAnswer == QStringLiteral("Ｚ") ? Qt::Key_Y : Qt::Key_Z);
    });
    Main(game);
    EXPECT_TRUE(acted);
    EXPECT_FALSE(form::programEnded());
    EXPECT_FALSE(shownAny({2101, 1915, 1601})) << "a command's flow ran in the greeting";
    EXPECT_EQ(solvedOnDisk(), noneSolved());
    EXPECT_EQ(game.CurCross, 1);
    form::waitFor(1);
    EXPECT_EQ(game.cross.Mas[game.play.CursorMas].Entry, cursorAnswer) << "a key wrote into the board";
}

// A play file damaged after it was chosen: the greeting cannot put its puzzle up, and the
// player is told so instead of playing on an empty board.
TEST_F(CarelessOpening, APlayFileDamagedDuringTheOpeningEndsWithTheDataBox)
{
    whileWaiting(1231, [this] {
        const QByteArray bytes = testsupport::readFile(playFile);
        testsupport::writeFile(playFile, bytes.left(bytes.size() / 100));  // into the first puzzle
    });
    dialogs.answer(form::Answer::Ok);
    EXPECT_THROW(Main(game), form::ProgramEnded);
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("Latica"));
    EXPECT_TRUE(dialogs.bodies.value(0).contains(QStringLiteral("サンプル_英単語.kmi")));
    EXPECT_EQ(solvedOnDisk(), noneSolved());
}

} // namespace
