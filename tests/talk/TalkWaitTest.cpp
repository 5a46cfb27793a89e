// Click waits and timed waits: the cursor, the time-outs, the wait factor and the tick
// count that every timed wait starts from 0.
#include "TalkFixture.h"

#include "form/Clock.h"
#include "form/Label.h"
#include "form/TextBox.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QImage>
#include <algorithm>

using TalkWaits = TalkFixture;

namespace {
bool waitingFor(const TalkEngine& t, int kind) { return t.TalkWait == kind; }

// Pixels of the canvas in a rectangle that differ from a colour.
int pixelsOtherThan(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != (colour & 0xFFFFFF);
    return count;
}
} // namespace

TEST_F(TalkWaits, ATalkEndingInAWaitReturnsOnlyAfterTheWait)
{
    Script player;
    bool clicked = false;
    int resultDuringWait = 0;
    player.when([&] { return waitingFor(t, 1) && blinkTicks >= 3; }, [&] {
        resultDuringWait = t.TalkWaitResult;
        clicked = true;
        clickWidget(box(2));
    });
    ASSERT_TRUE(talk(QStringLiteral("＋〈はい〉▼")));
    EXPECT_TRUE(clicked) << "returned before the click";
    EXPECT_EQ(resultDuringWait, 1);
    EXPECT_EQ(t.TalkWaitResult, 11);
    EXPECT_EQ(t.TalkWait, 0);
    EXPECT_FALSE(window.tmrTalkCursorBlink.isEnabled());
    EXPECT_TRUE(window.tmrTalk.isEnabled()) << "printing goes on after the wait";
}

TEST_F(TalkWaits, AClickOnTheOtherBoxIsIgnored)
{
    Script player;
    int stillWaiting = 0;
    player.when([&] { return waitingFor(t, 1); }, [&] { clickWidget(box(1)); });
    player.when([&] { return blinkTicks >= 2; }, [&] {
        stillWaiting = t.TalkWait;
        // On the strip of the speaking box: that is the box, too.
        clickWidget(window.picTalkBoxUp(2));
    });
    ASSERT_TRUE(talk(QStringLiteral("＃〈一〉＋〈二〉▼")));
    EXPECT_EQ(stillWaiting, 1);
    EXPECT_EQ(t.TalkWaitResult, 11);
    EXPECT_TRUE(player.finished());
}

TEST_F(TalkWaits, TheCursorBlinksAndIsErasedWithoutTrace)
{
    Script player;
    double cursorX = 0;
    int xWithCursor = 0, xWithout = 0, inkWithCursor = 0, inkAfter = 0;
    QRect area;
    player.when([&] { return waitingFor(t, 1) && blinkTicks == 1; }, [&] {
        cursorX = t.CursorX;
        xWithCursor = int(box(2)->currentX());
        area = QRect(int(cursorX), int(box(2)->currentY()), t.layout.CharW, t.layout.CharH);
        inkWithCursor = pixelsOtherThan(box(2)->canvas(), area, form::toQColor(box(2)->backColor()).rgb());
    });
    player.when([&] { return blinkTicks == 2; }, [&] {
        xWithout = int(box(2)->currentX());
        inkAfter = pixelsOtherThan(box(2)->canvas(), area, form::toQColor(box(2)->backColor()).rgb());
        clickWidget(box(2));
    });
    ASSERT_TRUE(talk(QStringLiteral("＋〈はい〉▼＋〈次〉")));
    EXPECT_GT(xWithCursor, int(cursorX)) << "the cursor was printed after the text";
    EXPECT_GT(inkWithCursor, 20);
    EXPECT_EQ(xWithout, int(cursorX));
    EXPECT_EQ(inkAfter, 0) << "printing it in the back colour erases it";
    EXPECT_EQ(box(2)->foreColor(), 0xFFFFFFu) << "the text colour comes back";
}

TEST_F(TalkWaits, ATimedClickWaitRunsOutAfterElevenTicks)
{
    ASSERT_TRUE(talk(QStringLiteral("＋〈はい〉▽")));
    ASSERT_EQ(ticksAtTimeOut.size(), 1u);
    EXPECT_EQ(ticksAtTimeOut[0], 11);
    EXPECT_EQ(t.TalkWaitResult, 10);
    EXPECT_EQ(t.TickCounter, 0);
    EXPECT_EQ(int(box(2)->currentX()), int(t.CursorX)) << "the cursor is erased";
}

TEST_F(TalkWaits, ATimedMenuRunsOutWithAnswerZero)
{
    t.TalkMenuAnswer = 4;
    ASSERT_TRUE(talk(QStringLiteral("＋〈どっち？〉『はい／いいえ』☆")));
    ASSERT_EQ(ticksAtTimeOut.size(), 1u);
    EXPECT_EQ(ticksAtTimeOut[0], 91) << "factor 5: 5 x 18 ticks of 50 ms, out on the next";
    EXPECT_LT(blinkCalls, 10) << "while the pointer stays, the menu's ticks rest";
    EXPECT_EQ(t.TalkMenuAnswer, 0);
    EXPECT_EQ(t.TalkWaitResult, 10);
    EXPECT_TRUE(window.picMenuBox->isVisible()) << "the menu stays until it is hidden";
}

TEST_F(TalkWaits, TheFactorDigitAppliesToTheNextWaitOnly)
{
    ASSERT_TRUE(talk(QStringLiteral("『はい／いいえ』¶2☆☆⊿")));
    ASSERT_EQ(ticksAtTimeOut.size(), 2u);
    EXPECT_EQ(ticksAtTimeOut[0], 2 * 18 + 1);
    EXPECT_EQ(ticksAtTimeOut[1] - ticksAtTimeOut[0], 5 * 18 + 1);
    EXPECT_EQ(t.WaitFactor, 5);
    EXPECT_FALSE(window.picMenuBox->isVisible());
    // A factor set by the story lasts for one wait as well.
    SetTalkWaitTime(game, 1);
    ASSERT_TRUE(talk(QStringLiteral("＋〈あ〉▽▽")));
    ASSERT_EQ(ticksAtTimeOut.size(), 4u);
    EXPECT_EQ(ticksAtTimeOut[2] - ticksAtTimeOut[1], 1 * 2 + 1);
    EXPECT_EQ(ticksAtTimeOut[3] - ticksAtTimeOut[2], 5 * 2 + 1);
}

TEST_F(TalkWaits, AWaitThePlayerEndsLeavesTheNextTimedWaitItsFullTime)
{
    Script player;
    // Once the menu has counted a tick (its ticks then rest while the pointer stays).
    player.when([&] { return waitingFor(t, -3) && blinkTicks >= 1; },
                [&] { testsupport::click(window.lblMenu(1)); });
    ASSERT_TRUE(talk(QStringLiteral("『はい／いいえ』☆")));
    EXPECT_EQ(t.TalkWaitResult, 11);
    const int ended = blinkTicks;
    ASSERT_TRUE(talk(QStringLiteral("☆⊿")));
    ASSERT_EQ(ticksAtTimeOut.size(), 1u);
    EXPECT_EQ(ticksAtTimeOut[0] - ended, 91) << "the count starts again from 0";
}

TEST_F(TalkWaits, TheWaitTimeOfTheTimeSource)
{
    // A timed click wait with factor 5 lasts eleven ticks of half a second.
    const double start = form::Clock::instance().monotonicSeconds();
    ASSERT_TRUE(talk(QStringLiteral("＃〈あ〉▽")));
    const double took = form::Clock::instance().monotonicSeconds() - start;
    EXPECT_GE(took, 5.5);
}

// Talks go on from the keyboard, with key preview or without: Return ends a click wait, a
// digit (main keys or keypad) chooses a menu item. The key that ends a wait goes no
// further; a digit the menu has no item for, or one typed into the input box, goes where
// keys went before.
TEST_F(TalkWaits, ReturnAndDigitsEndWaitsAndGoNoFurther)
{
    std::vector<int> keysDown;
    window.onKeyDown = [&](int key, int) { keysDown.push_back(key); };
    const auto press = [this](int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
        QWidget* focus = QApplication::focusWidget();
        testsupport::pressKey(focus ? focus : &window, qtKey, modifiers, text);
    };
    window.activateWindow();
    ASSERT_TRUE(form::waitUntil([this] { return window.isActiveWindow(); }, 100));
    for (const bool preview : {false, true}) {
        SCOPED_TRACE(preview ? "key preview" : "no key preview");
        window.setKeyPreview(preview);
        keysDown.clear();
        window.txtTalkInput->setText(QString());
        int stillMenu = 0;
        Script player;
        player.when([&] { return waitingFor(t, 1); }, [&] { press(Qt::Key_Return); });
        player.when([&] { return waitingFor(t, 3); }, [&] {
            press(Qt::Key_7, Qt::NoModifier, QStringLiteral("7"));  // the menu has three items
            stillMenu = t.TalkWait;
            press(Qt::Key_2, Qt::KeypadModifier, QStringLiteral("2"));
        });
        player.when([&] { return waitingFor(t, 2); }, [&] {
            press(Qt::Key_5, Qt::NoModifier, QStringLiteral("5"));
            press(Qt::Key_Enter, Qt::KeypadModifier);
        });
        ASSERT_TRUE(talk(QStringLiteral("＋〈はい〉▼"), 60));
        ASSERT_TRUE(talk(QStringLiteral("＋〈どれ？〉『いち／に／さん』★"), 60));
        EXPECT_EQ(stillMenu, 3);
        EXPECT_EQ(t.TalkMenuAnswer, 2);
        ASSERT_TRUE(talk(QStringLiteral("＋〈名前は〉◆"), 60));
        EXPECT_EQ(t.TalkInputText, QStringLiteral("５"));
        if (preview)
            EXPECT_EQ(keysDown, (std::vector<int>{'7', '5', 13})) << "the Enter of the input box";
        else
            EXPECT_TRUE(std::count(keysDown.begin(), keysDown.end(), 13) + std::count(keysDown.begin(), keysDown.end(), 98) == 0);
        ASSERT_TRUE(talk(QStringLiteral("※")));
    }
}
