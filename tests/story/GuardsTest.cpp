// The guards of the main window's events, driven through the real controls.
#include "StoryFixture.h"

#include "form/Pump.h"

#include <QTimer>

namespace {

using GuardsTest = StoryFixture;

TEST_F(GuardsTest, NoSecondFlowStartsInsideARunningOne)
{
    // While the puzzle change waits for its menu, the player clicks the other commands.
    QTimer player;
    bool clicked = false;
    QObject::connect(&player, &QTimer::timeout, [&] {
        if (!clicked && talkEngine(game).TalkWait == -3) {
            clicked = true;
            testsupport::click(window.lblAdvice);
            testsupport::click(window.lblAnswerOpen);
            testsupport::click(window.lblEnd);
        }
    });
    player.start(1);
    testsupport::click(window.lblCrossChange);
    EXPECT_TRUE(clicked);
    for (int n : talks)
        EXPECT_TRUE(n < 2101 || n > 2992) << "talk " << n << " of another flow";
    EXPECT_FALSE(shown(1601));
    EXPECT_EQ(game.Busy, 0);
}

TEST_F(GuardsTest, ACellClickWaitsForTheTypedCharacters)
{
    const int word = game.play.CurQues;
    game.play.PendingInput = QStringLiteral("ＣＡ");
    testsupport::click(window.lblCell(game.cross.index(3, 3)));  // a cell of another word
    EXPECT_EQ(game.play.CurQues, word);
    ASSERT_TRUE(form::waitUntil([this] { return game.play.PendingInput.isEmpty() && game.play.MasBusy == 0; }, 30));
    testsupport::click(window.lblCell(game.cross.index(3, 3)));
    EXPECT_EQ(game.play.CurQues, 3);
}

} // namespace
