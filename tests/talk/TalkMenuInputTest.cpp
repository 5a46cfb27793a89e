// Menus (placement, hover, the chosen item, names) and typed input (the full-width text,
// the number rule, an empty answer).
#include "TalkFixture.h"

#include "form/Label.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCursor>
#include <QLineEdit>

using TalkMenus = TalkFixture;
using TalkInput = TalkFixture;

namespace {
bool waitingFor(const TalkEngine& t, int kind) { return t.TalkWait == kind; }
} // namespace

TEST_F(TalkMenus, ItemsComeFromTheListAndLongMenusMoveUp)
{
    ShowTalkMenu(game, QStringLiteral("一／二／三／四／五"));
    const int fiveTop = window.picMenuBox->top();
    EXPECT_EQ(fiveTop, t.layout.MenuTop);
    EXPECT_EQ(window.picMenuBox->height(), 5 * t.layout.MenuPitch + 2 * t.layout.MenuVMargin);
    EXPECT_EQ(window.picMenuBoxDown->top(), window.picMenuBox->height() - 10);
    EXPECT_TRUE(window.lblMenu(5)->isVisible());
    EXPECT_FALSE(window.lblMenu(6)->isVisible());
    const QRect fiveItems = t.MenuItemsRect;

    ShowTalkMenu(game, QStringLiteral("1／2／3／4／5／6／7"));
    EXPECT_EQ(window.picMenuBox->top(), fiveTop - 2 * t.layout.MenuPitch);
    EXPECT_EQ(t.MenuItemsRect.top(), fiveItems.top() - 2 * t.layout.MenuPitch);
    EXPECT_EQ(window.lblMenu(7)->caption(), QStringLiteral("7"));
    EXPECT_TRUE(window.lblMenu(7)->isVisible());
    EXPECT_TRUE(window.picMenuBox->isVisible());
    EXPECT_EQ(window.picMenuBox->left(), 420 + t.layout.BoxWidth - t.layout.HMargin);

    // A short menu after a long one is back in its place.
    ShowTalkMenu(game, QStringLiteral("はい／いいえ"));
    EXPECT_EQ(window.picMenuBox->top(), fiveTop);
    EXPECT_EQ(t.MenuItemsRect.top(), fiveItems.top());
    EXPECT_FALSE(window.lblMenu(3)->isVisible());
    HideTalkMenu(game);
    EXPECT_FALSE(window.picMenuBox->isVisible());
}

TEST_F(TalkMenus, TheChosenItemTurnsYellowAndAnswers)
{
    Script player;
    player.when([&] { return waitingFor(t, 3); }, [&] { testsupport::click(window.lblMenu(2)); });
    ASSERT_TRUE(talk(QStringLiteral("＋〈どれ？〉『いち／に／さん』★")));
    EXPECT_EQ(t.TalkMenuAnswer, 2);
    EXPECT_EQ(t.TalkWaitResult, 11);
    EXPECT_EQ(window.lblMenu(2)->foreColor(), 0x00FFFFu);
    EXPECT_EQ(window.lblMenu(1)->foreColor(), 0xFFFFFFu);
    EXPECT_FALSE(window.tmrTalkCursorBlink.isEnabled());
    EXPECT_TRUE(window.picMenuBox->isVisible());
    // Hiding the menu makes every item white and clear again.
    ASSERT_TRUE(talk(QStringLiteral("⊿")));
    EXPECT_EQ(window.lblMenu(2)->foreColor(), 0xFFFFFFu);
    EXPECT_EQ(window.lblMenu(2)->backStyle(), form::BackStyle::Transparent);
}

TEST_F(TalkMenus, AClickOnAnItemOutsideAMenuWaitDoesNothing)
{
    ShowTalkMenu(game, QStringLiteral("はい／いいえ"));
    testsupport::click(window.lblMenu(1));
    EXPECT_EQ(t.TalkMenuAnswer, 0);
    EXPECT_EQ(window.lblMenu(1)->foreColor(), 0xFFFFFFu);
}

TEST_F(TalkMenus, TheHighlightFollowsThePointer)
{
    const TalkLayout& l = t.layout;
    const auto pointAt = [&](int item) {
        // The middle of item `item` of the menu, in window coordinates.
        return QPoint(t.MenuItemsRect.left() + 20, t.MenuItemsRect.top() + (item - 1) * l.MenuPitch + l.MenuPitch / 2);
    };
    // The pointer moves as a player's does: the window system tells the window.
    const auto moveTo = [&](QPoint p) {
        QCursor::setPos(window.mapToGlobal(p));
        QCoreApplication::processEvents();
    };
    ASSERT_TRUE(talk(QStringLiteral("『いち／に／さん』")));
    moveTo(pointAt(1));
    ASSERT_EQ(t.pointerPosition(), pointAt(1)) << "the pointer is read in window coordinates";

    Script player;
    std::vector<int> seen;
    const auto opaque = [&] {
        int which = 0;
        for (int k = 1; k <= 9; ++k)
            if (window.lblMenu(k)->backStyle() == form::BackStyle::Opaque)
                which = which ? -1 : k;
        return which;
    };
    int mark = 0;
    player.when([&] { return waitingFor(t, 3) && blinkTicks >= 2; }, [&] {
        seen.push_back(opaque());
        moveTo(pointAt(3));
        mark = blinkTicks;
    });
    player.when([&] { return blinkTicks >= mark + 2; }, [&] {
        seen.push_back(opaque());
        moveTo(QPoint(t.MenuItemsRect.right() + 5, t.MenuItemsRect.top()));
        mark = blinkTicks;
    });
    player.when([&] { return blinkTicks >= mark + 2; }, [&] {
        seen.push_back(opaque());
        moveTo(pointAt(2));
        mark = blinkTicks;
    });
    player.when([&] { return blinkTicks >= mark + 2; }, [&] {
        seen.push_back(opaque());
        testsupport::click(window.lblMenu(2));
    });
    ASSERT_TRUE(talk(QStringLiteral("★")));
    EXPECT_EQ(seen, (std::vector<int>{1, 3, 0, 2}));
    EXPECT_EQ(t.TalkMenuAnswer, 2);
    EXPECT_EQ(window.lblMenu(2)->backStyle(), form::BackStyle::Transparent)
        << "the highlight under the pointer goes when the choice is made";
    EXPECT_EQ(window.lblMenu(2)->foreColor(), 0x00FFFFu);
}

TEST_F(TalkMenus, NamesFillTheMenuAndTheAnswerPicksTheName)
{
    Script player;
    QStringList captions;
    player.when([&] { return waitingFor(t, 3); }, [&] {
        captions << window.lblMenu(1)->caption() << window.lblMenu(2)->caption();
        testsupport::click(window.lblMenu(2));
    });
    t.TalkNames[0] = QStringLiteral("残る名");
    ASSERT_TRUE(talk(QStringLiteral("【●お姉ちゃん●お兄ちゃん】『①／②』★⊿＋〈㊥ですね。◎〉")));
    EXPECT_EQ(captions, (QStringList{QStringLiteral("お姉ちゃん"), QStringLiteral("お兄ちゃん")}));
    EXPECT_EQ(printed[2], QStringLiteral("お兄ちゃんですね。残る名"));
    EXPECT_EQ(t.TalkNames[0], QStringLiteral("残る名")) << "the empty first piece keeps entry 0";
}

TEST_F(TalkInput, TypedTextIsPrintedFullWidthAndANumberAnswers)
{
    struct Case {
        QString keys;
        QString text;
        int answer;
    };
    const Case cases[] = {
        {QStringLiteral("12"), QStringLiteral("１２"), 12},
        {QStringLiteral("012"), QStringLiteral("０１２"), 0},
        {QStringLiteral("12345678"), QStringLiteral("１２３４５６７８"), 0},
        {QStringLiteral("abc"), QStringLiteral("ａｂｃ"), 0},
    };
    window.activateWindow();
    ASSERT_TRUE(form::waitUntil([this] { return window.isActiveWindow(); }, 100));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys.toStdString());
        Script player;
        QRect placed;
        bool focused = false;
        player.when([&] { return waitingFor(t, 2); }, [&] {
            placed = window.txtTalkInput->geometry();
            focused = QApplication::focusWidget() == window.txtTalkInput->editor();
            // The prompt is selected, so typing replaces it.
            EXPECT_EQ(window.txtTalkInput->editor()->selectedText(), window.txtTalkInput->text());
            type(c.keys + QLatin1Char('\r'));
        });
        t.TalkMenuAnswer = 99;
        ASSERT_TRUE(talk(QStringLiteral("＋〈名前は〉◆")));
        EXPECT_EQ(t.TalkInputText, c.text);
        EXPECT_EQ(t.TalkMenuAnswer, c.answer);
        EXPECT_EQ(t.TalkWaitResult, 11);
        EXPECT_TRUE(focused);
        EXPECT_FALSE(window.txtTalkInput->isVisible());
        // The box sat at the end of the printed text.
        EXPECT_EQ(placed.top(), box(2)->top() + int(box(2)->currentY()));
        EXPECT_EQ(placed.right(), box(2)->left() + box(2)->width() - t.layout.HMargin - 1);
        EXPECT_GT(box(2)->currentX(), placed.left() - box(2)->left()) << "the answer was printed after it";
        ASSERT_TRUE(talk(QStringLiteral("※")));
    }
}

TEST_F(TalkInput, EnterOnAnEmptyBoxKeepsTheWaitAndSelectsTheBoxAgain)
{
    window.activateWindow();
    ASSERT_TRUE(form::waitUntil([this] { return window.isActiveWindow(); }, 100));
    Script player;
    bool stillWaiting = false, stillFocused = false;
    player.when([&] { return waitingFor(t, -2); }, [&] {
        window.txtTalkInput->setText(QString());
        type(QStringLiteral("\r"));
        stillWaiting = t.TalkWait == -2 && window.txtTalkInput->isVisible();
        stillFocused = QApplication::focusWidget() == window.txtTalkInput->editor();
        // Leaving the box with nothing in it brings the focus back as well.
        window.picCrossStage->setFocus();
        stillFocused = stillFocused && QApplication::focusWidget() == window.txtTalkInput->editor();
        type(QStringLiteral("ﾐﾅ\r"));
    });
    ASSERT_TRUE(talk(QStringLiteral("＋〈名前は〉◇")));
    EXPECT_TRUE(stillWaiting);
    EXPECT_TRUE(stillFocused);
    EXPECT_EQ(t.TalkInputText, QStringLiteral("ミナ"));
    EXPECT_EQ(t.TalkMenuAnswer, 0);
    EXPECT_EQ(t.TalkWaitResult, 11) << "the timed input wait has no time limit";
    EXPECT_TRUE(ticksAtTimeOut.empty());
}

// A menu talk refused because another talk's wait is open shows nothing: the flow after it
// reads no answer, not the answer to the menu before.
TEST_F(TalkMenus, AMenuTalkRefusedInsideAnotherWaitLeavesNoAnswer)
{
    Script player;
    player.when([&] { return waitingFor(t, 3); }, [&] { testsupport::click(window.lblMenu(1)); });
    ASSERT_TRUE(talk(QStringLiteral("＋〈どれ？〉『はい／いいえ』★⊿")));
    ASSERT_EQ(t.TalkMenuAnswer, 1);
    player.when([&] { return waitingFor(t, 1); }, [&] {
        AdviserTalk(game, QStringLiteral("＋〈本当に？〉『はい／いいえ』★"));
        EndTalkWait(game, t.CurrentTalkBox);
    });
    ASSERT_TRUE(talk(QStringLiteral("＋〈待って。〉▼")));
    EXPECT_EQ(t.TalkMenuAnswer, 0);
    EXPECT_EQ(t.dataErrors.size(), 1);
}

// The name question leaves the input box the rest of a line; the prompt in it shows whole,
// from its first character, not scrolled to its end.
TEST_F(TalkInput, ThePromptShowsWholeInTheBox)
{
    QLineEdit* editor = window.txtTalkInput->editor();
    const QString prompt = window.txtTalkInput->text();
    int firstShown = -1, lastShown = -1, pixels = 0;
    Script player;
    player.when([&] { return waitingFor(t, 2); }, [&] {
        editor->grab();  // scrolls the text as a paint would
        firstShown = editor->cursorPositionAt(QPoint(3, editor->height() / 2));
        lastShown = editor->cursorPositionAt(QPoint(editor->width() - 2, editor->height() / 2));
        pixels = editor->font().pixelSize();
        type(QStringLiteral("ﾐﾅ\r"));
    });
    ASSERT_TRUE(talk(QStringLiteral("÷〈あなたの名前を　教えてください。　〉◆")));
    EXPECT_EQ(prompt, QStringLiteral("キーボードから入力してください"));
    EXPECT_EQ(firstShown, 0);
    EXPECT_EQ(lastShown, prompt.size());
    EXPECT_GE(pixels, 12) << "still readable";
}
