// The advice label and the timed events of the game tick, through the real controls and
// the game timer on the time source.
#include "StoryFixture.h"

#include "form/Clock.h"
#include "form/Pump.h"
#include "form/KeyCodes.h"
#include "play/Entry.h"
#include "cast/GalFace.h"
#include "play/GameTick.h"
#include "play/TimedEvents.h"

namespace {

class AdviceTest : public StoryFixture {
protected:
    // The 29xx advice talks shown, as advice kinds.
    std::vector<int> kinds() const
    {
        std::vector<int> out;
        for (int n : talks)
            if (n >= 2901 && n <= 2992)
                out.push_back((n - 2901) / 4);
        return out;
    }
};

TEST_F(AdviceTest, TenRequestsInARowEndTheGameAtTheTenth)
{
    window.tmrKumi.setEnabled(false);  // no mood recovery in between
    game.random.seed(42);
    dialogs.answer(form::Answer::Ok);
    std::vector<int> faces;
    for (int request = 1; request <= 10 && !form::programEnded(); ++request) {
        testsupport::click(window.lblAdvice);
        faces.push_back(game.gal.GalFaceNo);
        EXPECT_EQ(talkEngine(game).TalkNames[1], QStringLiteral("お姉ちゃん")) << "the names come back";
    }
    EXPECT_TRUE(form::programEnded());
    const std::vector<int> k = kinds();
    ASSERT_EQ(k.size(), 10u);
    EXPECT_EQ(k.back(), 19);
    EXPECT_TRUE(shown(3001) && shown(3011));
    EXPECT_EQ(faces[0], 5) << "stage 0 cheers the face up from 4";
    EXPECT_EQ(faces[6], 2) << "stage 6 sets face 2";
    const bool exclaimed = std::find(talks.begin(), talks.end(), 2801) != talks.end();
    EXPECT_EQ(exclaimed, std::count(k.begin(), k.end(), 13) + std::count(k.begin(), k.end(), 14) > 0);
}

// "問題変更" is advised only while another unsolved puzzle is there to change to.
TEST_F(AdviceTest, ChangingPuzzlesIsAdvisedOnlyWhileAnotherIsUnsolved)
{
    window.tmrKumi.setEnabled(false);
    game.random.seed(7);
    const auto changesAdvised = [this] {
        talks.clear();
        for (int i = 0; i < 40; ++i) {
            game.play.AdviceStage = 4;  // draws kinds 9..13
            testsupport::click(window.lblAdvice);
        }
        const std::vector<int> k = kinds();
        EXPECT_EQ(k.size(), 40u);
        return std::count(k.begin(), k.end(), 9);
    };
    EXPECT_GT(changesAdvised(), 0) << "puzzle 2 is unsolved";
    game.CrossSolved[2] = 1;
    EXPECT_EQ(changesAdvised(), 0) << "the puzzle on the board is the last unsolved one";
}

class RemarksTest : public StoryFixture {
protected:
    RemarksTest() { window.tmrKumi.setEnabled(false); }
    void atMinute(int minute, int entries)
    {
        game.play.PassedHour = minute / 60;
        game.play.PassedMinute = minute % 60;
        game.play.EntryCount = entries;
        form::runHandler([this] { story.TimedTalk(); });  // as the game tick runs it
    }
    void idleFor(double minutes)
    {
        game.play.LastKeyMoment = form::Clock::instance().monotonicSeconds() - minutes * 60;
    }
};

TEST_F(RemarksTest, WritingEveryMinuteGivesTheMilestones)
{
    for (int minute = 1; minute <= 61; ++minute) {
        atMinute(minute, 1);
        atMinute(minute, 1);  // at most once a minute
    }
    EXPECT_EQ(std::count(talks.begin(), talks.end(), 3201), 1) << "10 minutes";
    EXPECT_EQ(std::count(talks.begin(), talks.end(), 3205), 1) << "15 minutes";
    EXPECT_EQ(std::count(talks.begin(), talks.end(), 3213), 1) << "60 minutes";
    EXPECT_FALSE(shown(3225)) << "no complaint while the player writes";
}

TEST_F(RemarksTest, IdleMinutesBringComplaintsAndSevenEndTheGame)
{
    idleFor(4.5);
    atMinute(5, 0);
    EXPECT_TRUE(shown(3237));
    for (double idle : {5.5, 6.5}) {
        talks.clear();
        idleFor(idle);
        atMinute(int(idle) + 1, 0);
        EXPECT_TRUE(talks.empty()) << idle << " idle minutes";
    }
    idleFor(7.2);
    dialogs.answer(form::Answer::Ok);
    atMinute(8, 0);
    EXPECT_TRUE(shown(3241) && shown(3251) && shown(3261));
    EXPECT_TRUE(form::programEnded());
}

TEST_F(RemarksTest, TheMoodRecoversOnlyAfterAdvice)
{
    ChangeGalFace(game, QStringLiteral("=2"));
    for (int i = 0; i < 20; ++i)
        ImproveMood(game);
    EXPECT_EQ(game.gal.GalFaceNo, 2) << "no advice given: nothing to recover from";
    game.play.AdviceStage = 4;
    game.random.seed(1);
    while (game.play.AdviceStage == 4)
        ImproveMood(game);
    EXPECT_EQ(game.play.AdviceStage, 3) << "face 2 sets stage 3";
    EXPECT_EQ(game.gal.GalFaceNo, 3);
}

TEST_F(RemarksTest, IdleTimeCountsAcrossMidnight)
{
    form::Clock& clock = form::Clock::instance();
    clock.setTimeOfDay(86340);  // 23:59
    PlayKeyDown(game, form::Key::Right);
    clock.setSpeed(1000);
    form::waitFor(125);  // to 00:01:05
    clock.setSpeed(20);
    atMinute(3, 0);
    EXPECT_TRUE(shown(3229)) << "two idle minutes";
}

TEST_F(RemarksTest, TheTickTurnsTheSpriteEachMinuteAndEndsTheGameAtTenHours)
{
    const int sprite = game.scene.BackSpriteCast;
    game.casts[sprite].MoveDirection = 4;
    game.play.KumiTick = 590;
    window.tmrKumi.setEnabled(true);
    ASSERT_TRUE(form::waitUntil([&] { return game.play.KumiTick < 590; }, 30));
    EXPECT_EQ(game.casts[sprite].MoveDirection, 6);

    game.play.PlayStartTime -= 10 * 3600;
    dialogs.answer(form::Answer::Ok);
    EXPECT_THROW(form::waitFor(60), form::ProgramEnded);
    EXPECT_EQ(std::count(talks.begin(), talks.end(), 3101), 1) << "the ending starts once";
    EXPECT_TRUE(shown(3121));
}

} // namespace
