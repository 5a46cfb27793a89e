// The advice label and the adviser's timed remarks as a player meets them: the hints name
// the right cell, the mood lowers the advice stage, and typing counts as activity.
#include "StoryFixture.h"

#include "cast/GalFace.h"
#include "form/Clock.h"
#include "form/Pump.h"
#include "play/TimedEvents.h"

#include <QApplication>
#include <QTimer>

namespace {

class Hints : public StoryFixture {
protected:
    explicit Hints(int crossCount = 2) : StoryFixture(crossCount) { window.tmrKumi.setEnabled(false); }
    int at(int row, int column) const { return game.cross.index(row, column); }
};

class HintsOnTheLastPuzzle : public Hints {
protected:
    HintsOnTheLastPuzzle() : Hints(1) {}
};

// The "this cell" hint (kind 0) names the answer of the cell under the cursor, here the
// third cell of the down word TOE.
TEST_F(Hints, TheCellHintNamesTheLetterUnderTheCursor)
{
    testsupport::click(window.lblCell(at(3, 3)));
    ASSERT_EQ(game.play.CursorMas, at(3, 3));
    ASSERT_NE(game.play.CursorStep, 1);
    bool given = false;
    QString named;
    talkEngine(game).onTalkFetched = [&](int n) {
        if (n == 2901) {
            given = true;
            named = talkEngine(game).TalkNames[2];
        }
    };
    for (int seed = 1; seed <= 30 && !given; ++seed) {
        game.random.seed(seed);
        game.play.AdviceStage = 0;  // the first request, when letters are given most
        testsupport::click(window.lblAdvice);
    }
    ASSERT_TRUE(given);
    EXPECT_EQ(named, QStringLiteral("Ｅ"));
}

// Once a puzzle change has told that no other puzzle is left, the advice to change the
// puzzle (kind 9, talk 2937) is not given any more.
TEST_F(HintsOnTheLastPuzzle, NoAdviceToChangeThePuzzleOnceNoneIsLeft)
{
    testsupport::click(window.lblCrossChange);
    ASSERT_TRUE(shown(1801));
    talks.clear();
    game.random.seed(3);
    for (int request = 0; request < 12; ++request) {
        game.play.AdviceStage = 4;  // the stage whose draw holds kind 9
        testsupport::click(window.lblAdvice);
    }
    // The sister's advice talks are 2900 + 4 x kind + 1, one a request.
    EXPECT_EQ(std::count_if(talks.begin(), talks.end(), [](int n) { return n > 2900 && n < 2980 && n % 4 == 1; }), 12);
    EXPECT_FALSE(shown(2937));
}

// As the mood improves, faces 1..5 set the advice stage to 5, 3, 1, 0 and 0.
TEST_F(Hints, EachFaceSetsItsAdviceStageAsTheMoodImproves)
{
    const int stageFor[] = {0, 5, 3, 1, 0, 0};
    game.random.seed(7);
    for (int face = 1; face <= 5; ++face) {
        ChangeGalFace(game, QStringLiteral("=%1").arg(face));
        game.play.AdviceStage = 2;
        for (int i = 0; i < 100 && game.play.AdviceStage == 2; ++i)
            ImproveMood(game);
        EXPECT_EQ(game.play.AdviceStage, stageFor[face]) << "face " << face;
    }
}

class IdleRemarks : public StoryFixture {};

// Letters typed after the first complaint count as activity: the complaints start over
// and the game ends seven idle minutes after the last key, all on the running game tick.
TEST_F(IdleRemarks, TypingStartsTheIdleCountAgain)
{
    form::Clock& clock = form::Clock::instance();
    clock.setSpeed(120);
    const auto complaint = [](int n) { return n >= 3225 && n <= 3237; };  // 1..4 idle minutes
    double typedAt = -1, endedAt = -1;
    int complaintsAfterTyping = 0;
    talkEngine(game).onTalkFetched = [&](int n) {
        talks.push_back(n);
        if (typedAt >= 0 && complaint(n))
            ++complaintsAfterTyping;
        if (n == 3241)
            endedAt = clock.monotonicSeconds();
    };
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (typedAt < 0 && std::any_of(talks.begin(), talks.end(), complaint) && game.Busy == 0) {
            typedAt = clock.monotonicSeconds();
            QWidget* focus = QApplication::focusWidget();
            testsupport::pressKey(focus ? focus : &window, Qt::Key_C, Qt::NoModifier, QStringLiteral("C"));
        }
    });
    player.start(1);
    dialogs.answer(form::Answer::Ok);
    EXPECT_THROW(form::waitUntil([] { return false; }, 20 * 60), form::ProgramEnded);
    ASSERT_GE(typedAt, 0) << "no complaint before the player typed";
    EXPECT_EQ(game.cross.Mas[game.cross.index(1, 1)].Entry, QStringLiteral("Ｃ"));
    EXPECT_GE(complaintsAfterTyping, 1);
    EXPECT_GE(endedAt - typedAt, 7 * 60);
    EXPECT_TRUE(shown(3261));
}

} // namespace
