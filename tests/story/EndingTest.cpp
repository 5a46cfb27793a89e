// The end label during play: the adviser asks, and the answer ends the game or goes on.
#include "StoryFixture.h"

#include "form/Pump.h"

#include <QTimer>

namespace {

class EndingTest : public StoryFixture {
protected:
    // Clicks the end label with menuChoice answered; the lowest face seen meanwhile.
    int endWith(int choice)
    {
        menuChoice = choice;
        int lowest = game.gal.GalFaceNo;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] { lowest = std::min(lowest, game.gal.GalFaceNo); });
        watch.start(1);
        testsupport::click(window.lblEnd);
        return lowest;
    }
};

TEST_F(EndingTest, GoingOnOrNoAnswerReturnsToPlayWithTheFaceBack)
{
    const int face = game.gal.GalFaceNo;
    for (int choice : {2, 0}) {
        EXPECT_EQ(endWith(choice), face - 1) << "the face fell while the adviser asked";
        EXPECT_FALSE(form::programEnded());
        EXPECT_EQ(game.gal.GalFaceNo, face);
        EXPECT_EQ(game.Busy, 0);
        EXPECT_TRUE(window.lblEnd->isEnabled());
    }
}

TEST_F(EndingTest, EndingTheGameWalksTheAdviserOffAndEndsTheProgram)
{
    endWith(1);
    EXPECT_TRUE(form::programEnded());
    EXPECT_GE(game.casts[game.scene.AdviserCast].X, 160) << "the adviser left the stage";
    EXPECT_FALSE(window.tmrTalk.isEnabled());
    EXPECT_FALSE(window.tmrAnim.isEnabled());
}

// Ten hours that pass while another flow asks its question: the ending waits for that flow
// to end, then shows all its talks; inside the flow's wait they would be refused.
TEST_F(EndingTest, TheTenHourEndingWaitsForTheFlowThatRuns)
{
    meanwhile = [this] {
        if (talkEngine(game).TalkWait == -3 && game.play.PassedHour < 10)
            game.play.PlayStartTime -= 10 * 3600;
    };
    menuChoice = 0;  // the puzzle change's menu runs out while the hours pass
    dialogs.answer(form::Answer::Ok);
    talks.clear();
    testsupport::click(window.lblCrossChange);
    EXPECT_FALSE(form::programEnded()) << "ended inside the puzzle change";
    EXPECT_THROW(form::waitUntil([] { return false; }, 30), form::ProgramEnded);
    EXPECT_TRUE(shown(1915) && shown(2001) && shown(3101) && shown(3111) && shown(3121));
    EXPECT_TRUE(talkEngine(game).dataErrors.isEmpty()) << talkEngine(game).dataErrors.join(u' ').toStdString();
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("Laticaの終了"));
}

} // namespace
