#include "BoardFixture.h"
#include "form/KeyCodes.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "model/PlayState.h"
#include "play/Cursor.h"
#include "play/Entry.h"
#include "play/GameTick.h"
#include "play/ViewRules.h"
#include "shell/DebugReport.h"
#include "support/DialogScript.h"

#include <QDir>
#include <vector>

namespace {

class ViewTest : public BoardFixture {};

TEST_F(ViewTest, ScrollButtonsStopAtTheEnds)
{
    putUp({playfiles::combSection(1, 15, 8)});
    ScrollCrossH(game, 4);
    EXPECT_EQ(game.play.CrossViewX, 5);
    EXPECT_EQ(window.picCrossStage->left(), -4 * 35);
    EXPECT_EQ(lastSound(), QStringLiteral("ビィヨン"));
    ScrollCrossH(game, 3);
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "right at the last view";
    EXPECT_EQ(window.picCrossStage->left(), -4 * 35);
    ScrollCrossH(game, 2);
    EXPECT_EQ(game.play.CrossViewX, 4);
    ScrollCrossV(game, 3);
    EXPECT_EQ(lastSound(), QStringLiteral("ザッ")) << "nothing to scroll vertically";
    testsupport::click(window.lblCrossStageMoveH(1));
    EXPECT_EQ(game.play.CrossViewX, 1);
}

TEST_F(ViewTest, TypingAlongALongWordScrollsOneColumnPerCharacter)
{
    putUp({playfiles::combSection(1, 15, 8)});
    for (int i = 0; i < 11; ++i)
        PlayKeyDown(game, 'A');
    drain();
    EXPECT_EQ(game.play.CursorMas, at(1, 12));
    EXPECT_EQ(game.play.CrossViewX, 2);
    PlayKeyDown(game, 'A');
    drain();
    EXPECT_EQ(game.play.CrossViewX, 3);
}

TEST_F(ViewTest, ADownWordKeepsFiveColumnsOfContext)
{
    putUp({playfiles::combSection(1, 20, 14)});
    ScrollCrossH(game, 4);  // view at column 10
    ClickMas(game, at(5, 3)); // the down word in column 3
    EXPECT_EQ(game.play.CurQues, 3);
    MoveToWord(game, 2);    // column 5
    EXPECT_EQ(game.play.CrossViewX, 1) << "5 - 5 is limited to 1";
    EXPECT_EQ(window.picCrossStage->left(), 0);
}

TEST(ViewRules, WordViews)
{
    // Down word in column 2 while the view starts at column 4: the view goes to 1.
    EXPECT_EQ(wordViewColumn(false, 2, 5, 4, 9), 1);
    // Down word right of the window: five columns before it, within the limit.
    EXPECT_EQ(wordViewColumn(false, 18, 5, 1, 9), 9);
    EXPECT_EQ(wordViewColumn(false, 14, 5, 1, 9), 9);
    // Across word fully in view: stay; starting left of it: its column.
    EXPECT_EQ(wordViewColumn(true, 3, 4, 2, 9), 2);
    EXPECT_EQ(wordViewColumn(true, 3, 4, 5, 9), 3);
    // Across word that runs out of the window: its first column, within the limit.
    EXPECT_EQ(wordViewColumn(true, 8, 6, 1, 9), 8);
    EXPECT_EQ(wordViewColumn(true, 15, 6, 1, 9), 9);
    EXPECT_EQ(wordViewRow(false, 12, 3, 1, 5), 5);
    EXPECT_EQ(wordViewRow(true, 12, 3, 1, 5), 5);
    EXPECT_EQ(wordViewRow(true, 3, 3, 1, 5), 1);
    EXPECT_EQ(followView(12, 1, 11), 2);
    EXPECT_EQ(followView(3, 4, 11), 3);
    EXPECT_EQ(followView(6, 4, 11), 4);
    EXPECT_EQ(scrolledView(2, 1, 5), 1);
    EXPECT_EQ(scrolledView(3, 5, 5), 5);
}

class TickTest : public BoardFixture {
protected:
    void SetUp() override { putUp({playfiles::catSection(1)}); }
    void TearDown() override { form::Clock::instance().resetForTest(); }
};

TEST(PlayClock, Text)
{
    EXPECT_EQ(playClockText(0, 5, 30), QStringLiteral("0:05:30"));
    EXPECT_EQ(playClockText(9, 59, 9), QStringLiteral("9:59:09"));
    EXPECT_EQ(elapsedPlaySeconds(20, 86390, 10), 30);
    EXPECT_EQ(elapsedPlaySeconds(100, 40, 86360), 60);
}

TEST_F(TickTest, TheClockCountsOnAcrossMidnightAndWhenTheWallClockGoesBack)
{
    form::Clock& clock = form::Clock::instance();
    clock.setSpeed(100);
    clock.setTimeOfDay(86390);  // 23:59:50
    ResetPlayClock(game);
    EXPECT_EQ(game.play.PlayStart, 86390);
    form::waitFor(30);
    UpdatePlayClock(game);
    const QString shown = window.lblPassedTime->caption();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("0:00:3"))) << shown.toStdString();
    // The wall clock is set back an hour: no night has passed.
    clock.setTimeOfDay(clock.secondsSinceMidnight() - 3600 + 86400);
    UpdatePlayClock(game);
    EXPECT_EQ(game.play.PassedHour, 0);
    EXPECT_TRUE(window.lblPassedTime->caption().startsWith(QStringLiteral("0:00:3")));
}

TEST_F(TickTest, EveryFifthTickBlinksTheCursorAndShowsTheClock)
{
    game.play.KumiTick = 0;
    for (int i = 0; i < 4; ++i)
        KumiTickNow();
    EXPECT_EQ(cell(1, 1)->backColor(), BoardColour::CursorCell);
    EXPECT_EQ(window.lblPassedTime->caption(), QStringLiteral("00:00"));
    KumiTickNow();
    EXPECT_EQ(cell(1, 1)->backColor(), BoardColour::WordCell);
    EXPECT_EQ(window.lblPassedTime->caption(), QStringLiteral("0:00:00"));
    for (int i = 0; i < 5; ++i)
        KumiTickNow();
    EXPECT_EQ(cell(1, 1)->backColor(), BoardColour::CursorCell);
    // Any other colour is left alone.
    cell(1, 1)->setBackColor(BoardColour::WrongCell);
    BlinkCursor(game);
    EXPECT_EQ(cell(1, 1)->backColor(), BoardColour::WrongCell);
}

TEST_F(TickTest, TheTickWritesOneCharacterAndStandsStillDuringScoring)
{
    game.play.PendingInput = QStringLiteral("ＣＡ");
    KumiTickNow();
    EXPECT_EQ(game.play.PendingInput, QStringLiteral("Ａ"));
    game.AnswerOpenBusy = 1;
    const int tick = game.play.KumiTick;
    KumiTickNow();
    EXPECT_EQ(game.play.KumiTick, tick);
    EXPECT_EQ(game.play.PendingInput, QStringLiteral("Ａ"));
    game.AnswerOpenBusy = 0;
    game.play.PendingInput.clear();
    game.play.KumiTick = 599;
    KumiTickNow();
    EXPECT_EQ(game.play.KumiTick, 0) << "restarts after a minute";
}

TEST_F(TickTest, TheTimerRunsTheTickOnItsOwn)
{
    game.play.PendingInput = QStringLiteral("ＣＡＴ");
    form::waitUntil([&] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 30);
    EXPECT_EQ(game.cross.Mas[at(1, 3)].Entry, QStringLiteral("Ｔ"));
}

TEST_F(TickTest, TheTimerRestsBetweenFifthTicksAndWritesTypingAtTheNextInterval)
{
    int calls = 0, typedAt = -1, writtenAt = -1;
    const auto tick = window.tmrKumi.onTick;
    window.tmrKumi.onTick = [&] {
        tick();
        ++calls;
        if (writtenAt < 0 && typedAt >= 0 && game.play.PendingInput.size() < 3)
            writtenAt = game.play.KumiTick;
        // Typed just as a rest of four ticks begins.
        if (typedAt < 0 && calls > 10 && game.play.KumiTick % 5 == 0 && window.tmrKumi.isSkipping()) {
            game.play.PendingInput = QStringLiteral("ＣＡＴ");
            typedAt = game.play.KumiTick;
        }
    };
    game.play.KumiTick = 0;
    ASSERT_TRUE(form::waitUntil([&] { return writtenAt >= 0; }, 60));
    EXPECT_EQ(writtenAt, typedAt + 1);
    EXPECT_LE(calls, typedAt / 5 + 4) << "one tick of the timer for five of the count";
}

TEST_F(TickTest, TypingInTheMiddleOfARestIsWrittenAfterTheRestedIntervals)
{
    form::Clock::instance().setSpeed(4);
    int writtenAt = -1;
    const auto tick = window.tmrKumi.onTick;
    window.tmrKumi.onTick = [&] {
        // Ticks also come during a cell's roll: the first that sees the cell written.
        if (writtenAt < 0 && game.cross.Mas[at(1, 1)].Entry == QStringLiteral("Ｃ"))
            writtenAt = game.play.KumiTick;
        tick();
    };
    ASSERT_TRUE(form::waitUntil([&] { return window.tmrKumi.isSkipping() && game.play.KumiTick % 5 == 0; }, 30));
    const int typedAt = game.play.KumiTick;
    form::waitFor(0.25);  // two of the four intervals rested
    form::runHandler([&] { game.play.PendingInput = QStringLiteral("ＣＡＴ"); });
    ASSERT_TRUE(form::waitUntil([&] { return writtenAt >= 0; }, 30));
    EXPECT_GE(writtenAt, typedAt + 3) << "the two intervals rested before the typing counted first";
}

class DebugReportTest : public BoardFixture {
protected:
    void SetUp() override
    {
        putUp({playfiles::catSection(1)});
        // The report goes to the program folder: a scratch one here.
        form::ProgramFolder::setPath(folder.path());
    }
    void TearDown() override { form::ProgramFolder::setPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR)); }
};

TEST_F(DebugReportTest, OkAppendsABlockPerReportCancelWritesNothing)
{
    ClickMas(game, at(3, 3)); // TOE, whose SN holds commas
    DialogScript script;
    script.answer(form::Answer::Ok);
    script.answer(form::Answer::Ok);
    script.answer(form::Answer::Cancel);
    bool kumiDuringBox = true;
    script.probe = [&] { kumiDuringBox = window.tmrKumi.isEnabled(); };
    PlayKeyDown(game, form::Key::F1);
    PlayKeyDown(game, form::Key::F1);
    PlayKeyDown(game, form::Key::F1);
    EXPECT_FALSE(kumiDuringBox);
    EXPECT_TRUE(window.tmrKumi.isEnabled());
    ASSERT_EQ(script.titles.size(), 3);
    EXPECT_EQ(script.titles[0], QStringLiteral("■デバッグ用■"));
    const QStringList body = script.bodies[0].split(QStringLiteral("\r\n"));
    ASSERT_EQ(body.size(), 8);
    EXPECT_EQ(body[0], QStringLiteral("答え：つま先  ヨミ：ツマサキ"));
    EXPECT_EQ(body[1], QStringLiteral("SN：体,見本,15x13,改訂"));

    const QByteArray bytes = testsupport::readFile(folder.filePath(QStringLiteral("Report.txt")));
    QStringList block = debugReportBlock(game.cross.Ques[3]);
    const QByteArray expected = testsupport::cp932Lines(block + block);
    EXPECT_EQ(bytes, expected) << "two blocks, each opening with an empty line, in CP932 with CR LF";
}

} // namespace
