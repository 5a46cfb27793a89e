// Talk set-up, printing and the two boxes: which box a talker speaks in, sliding aside,
// growing, closing; talks by number and by text.
#include "TalkFixture.h"

#include "form/Clock.h"
#include "form/Label.h"
#include "form/ProgramFolder.h"
#include "form/Shape.h"
#include "support/TestSupport.h"

#include <QDir>
#include <algorithm>

using TalkBoxes = TalkFixture;

TEST_F(TalkBoxes, InitTalkMeasuresTheTalkFontAndMakesTheSecondElements)
{
    const TalkLayout& l = t.layout;
    // 12 points at 96 dpi: "亜" is 16 pixels wide.
    EXPECT_EQ(l.CharW, 16);
    EXPECT_GE(l.CharH, 16);
    EXPECT_EQ(l.BoxWidth, 12 * 16 + 16);
    EXPECT_EQ(l.SideLeft, 420 - 8 - l.BoxWidth);
    EXPECT_EQ(l.OpenHeight, 3 * l.LinePitch - l.LineGap + 2 * l.VMargin);
    EXPECT_EQ(l.FullHeight - l.OpenHeight, 2 * l.LinePitch);
    // 11 points: 15 pixels.
    EXPECT_EQ(l.MenuCharW, 15);
    EXPECT_EQ(l.MenuLeft, 420 + l.BoxWidth - l.HMargin);
    EXPECT_EQ(l.MenuTop, 126 + l.VMargin);
    for (int n = 1; n <= 2; ++n) {
        ASSERT_TRUE(window.picTalkBox.exists(n));
        EXPECT_FALSE(box(n)->isVisible());
        EXPECT_EQ(box(n)->width(), l.BoxWidth);
        EXPECT_EQ(window.picTalkBoxDown(n)->parentWidget(), box(n)) << "the strips ride with their box";
        EXPECT_EQ(window.shpTalkBoxLeft(n)->container(), box(n));
        EXPECT_EQ(window.shpTalkBoxLeft(n)->height(), l.FullHeight);
    }
    for (int k = 1; k <= 9; ++k) {
        ASSERT_TRUE(window.lblMenu.exists(k));
        EXPECT_EQ(window.lblMenu(k)->top(), (k - 1) * l.MenuPitch + l.MenuVMargin);
    }
    EXPECT_FALSE(window.picMenuBox->isVisible());
    EXPECT_FALSE(window.txtTalkInput->isVisible());
}

TEST_F(TalkBoxes, InitTalkOpensTheTalkFolderOfTheProgramFolder)
{
    useTalks({QStringLiteral("＃〈番号のある話〉")});
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkpath(QStringLiteral("talk")));
    for (const char* name : {"TalkIx.Dat", "TalkDt.Dat"})
        ASSERT_TRUE(QFile::copy(QDir(talkFolder()).filePath(QLatin1String(name)),
                                program.filePath(QStringLiteral("talk/") + QLatin1String(name))));
    const QString saved = form::ProgramFolder::path();
    form::ProgramFolder::setPath(program.path());
    t.data.close();
    InitTalk(game, 420, 126);
    form::ProgramFolder::setPath(saved);
    ASSERT_TRUE(t.data.isOpen());
    ASSERT_TRUE(talk(1100));
    // InitTalk forgets whose the boxes are until the talkers are registered again: the
    // narrator now speaks in box 2.
    EXPECT_EQ(printed[2], QStringLiteral("番号のある話"));
    EXPECT_TRUE(t.dataErrors.isEmpty());
}

TEST_F(TalkBoxes, ALiteralTextLeavesTheFilesAndTheNextPositionAlone)
{
    useTalks({QStringLiteral("＃〈一〉"), QStringLiteral("＃〈二〉"), QStringLiteral("＃〈三〉")});
    ASSERT_TRUE(talk(1100));
    const qint64 next = t.data.nextPosition();
    ASSERT_GT(next, 0);
    ASSERT_TRUE(talk(QStringLiteral("＃〈文字で渡した話〉")));
    EXPECT_EQ(t.data.nextPosition(), next);
    // Continuing still reads the talk stored after talk 1100.
    ASSERT_TRUE(talk(0));
    EXPECT_EQ(printed[1], QStringLiteral("一文字で渡した話二"));
}

TEST_F(TalkBoxes, TheFirstTalkerOpensItsBoxAndPrintsCharacterByCharacter)
{
    std::vector<int> xs;
    const auto log = t.onCharPrinted;
    t.onCharPrinted = [&](QChar c) {
        log(c);
        xs.push_back(int(box(1)->currentX()));
    };
    ASSERT_TRUE(talk(QStringLiteral("＃〈ようこそ〉")));
    EXPECT_EQ(printed[1], QStringLiteral("ようこそ"));
    ASSERT_EQ(xs.size(), 4u);
    EXPECT_GT(xs[0], t.layout.HMargin);
    EXPECT_LT(xs[0], xs[3]);
    EXPECT_TRUE(box(1)->isVisible());
    EXPECT_EQ(box(1)->geometry(), QRect(420, 126, t.layout.BoxWidth, t.layout.OpenHeight));
    EXPECT_EQ(window.picTalkBoxDown(1)->top(), t.layout.OpenHeight - 10);
    EXPECT_EQ(t.TalkBoxMode, 1);
    EXPECT_EQ(t.CurrentTalkBox, 1);
    EXPECT_EQ(t.BoxState[1], 1);
    EXPECT_EQ(game.sound.lastEffectRequested(), QStringLiteral("声ナレーション"));
    // The narrator's style: green box, bold.
    EXPECT_EQ(box(1)->backColor(), 0x00C000u);
    EXPECT_TRUE(box(1)->font().bold);
    EXPECT_EQ(window.shpTalkBoxUp(1)->borderColor(), 0xFFFF80u);
}

TEST_F(TalkBoxes, TheTalkTimerRestsBetweenTalksAndWakesForTheNext)
{
    ASSERT_TRUE(talk(QStringLiteral("＃〈一つめ〉")));
    ASSERT_TRUE(form::waitUntil([&] { return window.tmrTalk.isSkipping(); }, 5));
    // The rest lasts IdleTalkRestTicks ticks (15 s); the next talk does not wait for it.
    const double start = form::Clock::instance().monotonicSeconds();
    ASSERT_TRUE(talk(QStringLiteral("＃〈二つめ〉")));
    EXPECT_LT(form::Clock::instance().monotonicSeconds() - start, 5.0);
    EXPECT_EQ(printed[1], QStringLiteral("一つめ二つめ"));
}

// The screen shows one picture a display frame: the opening box is drawn at most once a
// frame, growing all the way, and takes the time of all its steps.
TEST_F(TalkBoxes, AnOpeningBoxIsDrawnOnceADisplayFrameAndTakesItsFullTime)
{
    struct PaintSpy : QObject {
        std::vector<int> heights;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                heights.push_back(static_cast<QWidget*>(watched)->height());
            return false;
        }
    } spy;
    box(1)->installEventFilter(&spy);
    const std::vector<int>& drawn = spy.heights;
    // In real time, where drawing a step takes less than a step.
    form::Clock& clock = form::Clock::instance();
    const double speed = clock.speed();
    clock.setSpeed(1);
    const double start = clock.monotonicSeconds();
    OpenTalkBox(game, 1);
    const double took = clock.monotonicSeconds() - start;
    clock.setSpeed(speed);

    const TalkLayout& l = t.layout;
    // At most 4 pixels a step.
    EXPECT_GE(took, (l.OpenHeight - l.ClosedHeight) / 4 * BoxStepSeconds);
    ASSERT_GE(drawn.size(), 3u) << "the box is seen growing";
    EXPECT_LE(double(drawn.size()), took * 60 + 2);
    EXPECT_EQ(drawn.front(), l.ClosedHeight);
    EXPECT_EQ(drawn.back(), l.OpenHeight);
    EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
}

TEST_F(TalkBoxes, TwoUtterancesOfOneTalkerContinueInOneBoxOnANewLine)
{
    ASSERT_TRUE(talk(QStringLiteral("＋〈あ〉＋〈い〉")));
    EXPECT_EQ(printed[2], QStringLiteral("あい"));
    EXPECT_EQ(t.CurrentTalkBox, 2) << "the adviser, second in the table, has box 2";
    EXPECT_EQ(t.TalkBoxMode, 1);
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_EQ(int(box(2)->currentY()), t.layout.VMargin + t.layout.LinePitch);
    EXPECT_EQ(box(2)->left(), 420);
    // The next talk goes on in the same box.
    ASSERT_TRUE(talk(QStringLiteral("＋〈う〉")));
    EXPECT_EQ(int(box(2)->currentY()), t.layout.VMargin + 2 * t.layout.LinePitch);
}

TEST_F(TalkBoxes, AnotherTalkerSlidesTheBoxAsideAndAThirdReplacesTheSideBox)
{
    const TalkLayout& l = t.layout;
    ASSERT_TRUE(talk(QStringLiteral("＃〈一〉＋〈二〉")));
    EXPECT_EQ(t.TalkBoxMode, 3);
    EXPECT_EQ(box(1)->left(), l.SideLeft);
    EXPECT_EQ(t.BoxState[1], 2);
    EXPECT_EQ(box(2)->left(), l.SpeakLeft);
    EXPECT_EQ(t.BoxState[2], 1);
    EXPECT_EQ(t.CurrentTalkBox, 2);

    ASSERT_TRUE(talk(QStringLiteral("÷〈三〉")));
    EXPECT_EQ(printed[1], QStringLiteral("一三"));
    EXPECT_EQ(printed[2], QStringLiteral("二"));
    EXPECT_EQ(t.BoxOccupant[1], QStringLiteral("÷"));
    EXPECT_EQ(t.CurrentTalkBox, 1);
    EXPECT_EQ(t.BoxState[1], 1);
    EXPECT_EQ(box(1)->left(), l.SpeakLeft);
    EXPECT_EQ(t.BoxState[2], 2);
    EXPECT_EQ(box(2)->left(), l.SideLeft);
    EXPECT_TRUE(box(1)->isVisible());
    EXPECT_TRUE(box(2)->isVisible());
    EXPECT_EQ(box(1)->backColor(), 0xC0C000u) << "the navigator's style";
    EXPECT_EQ(int(box(1)->currentY()), l.VMargin) << "a box given to a new talker starts empty";
    EXPECT_EQ(game.sound.lastEffectRequested(), QStringLiteral("声ナビゲータ"));
}

TEST_F(TalkBoxes, TheBoxGrowsBeyondThreeLinesToFiveAndBeyond)
{
    const TalkLayout& l = t.layout;
    std::vector<int> heights;
    const auto log = t.onCharPrinted;
    t.onCharPrinted = [&](QChar c) {
        log(c);
        heights.push_back(box(2)->height());
        EXPECT_EQ(window.picTalkBoxDown(2)->top(), box(2)->height() - 10);
    };
    ASSERT_TRUE(talk(QStringLiteral("＋〈1　2　3　4　5　6〉")));
    ASSERT_EQ(heights.size(), 6u);
    EXPECT_EQ(heights[0], l.OpenHeight);
    EXPECT_EQ(heights[2], l.OpenHeight);
    EXPECT_EQ(heights[3], l.OpenHeight + l.LinePitch);
    EXPECT_EQ(heights[4], l.FullHeight);
    EXPECT_EQ(heights[5], l.FullHeight + l.LinePitch);
    EXPECT_EQ(window.shpTalkBoxRight(2)->height(), heights[5]) << "the outline reaches the bottom";
}

TEST_F(TalkBoxes, ClosingMarks)
{
    // "×" closes the speaking box: the side box becomes current (mode 2); its talker then
    // speaks in a fresh box in the speaking slot.
    ASSERT_TRUE(talk(QStringLiteral("＃〈一〉＋〈二〉×")));
    EXPECT_EQ(t.TalkBoxMode, 2);
    EXPECT_FALSE(box(2)->isVisible());
    EXPECT_EQ(t.BoxState[2], 0);
    EXPECT_EQ(t.CurrentTalkBox, 1);
    ASSERT_TRUE(talk(QStringLiteral("＃〈三〉")));
    EXPECT_EQ(t.TalkBoxMode, 1);
    EXPECT_EQ(box(1)->left(), t.layout.SpeakLeft);
    EXPECT_EQ(int(box(1)->currentY()), t.layout.VMargin);
    // In mode 2 another talker opens the other box beside it.
    ASSERT_TRUE(talk(QStringLiteral("×")));
    EXPECT_EQ(t.TalkBoxMode, 0);
    ASSERT_TRUE(talk(QStringLiteral("＃〈四〉＋〈五〉×÷〈六〉")));
    EXPECT_EQ(t.TalkBoxMode, 3);
    EXPECT_EQ(t.CurrentTalkBox, 2);
    EXPECT_EQ(box(1)->left(), t.layout.SideLeft);
    EXPECT_EQ(t.BoxOccupant[2], QStringLiteral("÷"));

    // "※" hides the menu and closes every box.
    ASSERT_TRUE(talk(QStringLiteral("『はい／いいえ』※")));
    EXPECT_EQ(t.TalkBoxMode, 0);
    EXPECT_EQ(t.CurrentTalkBox, 0);
    EXPECT_FALSE(box(1)->isVisible());
    EXPECT_FALSE(box(2)->isVisible());
    EXPECT_FALSE(window.picMenuBox->isVisible());
    EXPECT_TRUE(t.dataErrors.isEmpty()) << t.dataErrors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(TalkBoxes, AnAnimatedUtteranceLetsTheTalkersCastTalk)
{
    std::vector<int> states;
    const auto log = t.onCharPrinted;
    t.onCharPrinted = [&](QChar c) {
        log(c);
        states.push_back(game.casts[1].TalkState);
    };
    ASSERT_TRUE(talk(QStringLiteral("＋《はい》＋〈いいえ〉")));
    ASSERT_EQ(states.size(), 5u);
    EXPECT_EQ(states[0], 2);
    EXPECT_EQ(states[1], 2);
    EXPECT_EQ(states[2], 1) << "after its last character the cast went back to its idle loop";
    EXPECT_EQ(states[4], 1) << "a plain utterance leaves the cast alone";
    ASSERT_TRUE(talk(QStringLiteral("＋《》")));
    EXPECT_EQ(game.casts[1].TalkState, 1) << "an empty animated utterance does not leave it talking";
}

TEST_F(TalkBoxes, PlaceholdersNamesAndPauses)
{
    t.TalkNames[10] = QStringLiteral("ミナ");
    const double start = form::Clock::instance().monotonicSeconds();
    ASSERT_TRUE(talk(QStringLiteral("【●姉●兄】＋〈⑩、§①と②〉")));
    const double took = form::Clock::instance().monotonicSeconds() - start;
    EXPECT_EQ(printed[2], QStringLiteral("ミナ、姉と兄"));
    EXPECT_GE(took, 0.5) << "the pause lasts half a second";
}

TEST_F(TalkBoxes, TalkBusyKeepsATickFromInterpretingTwice)
{
    t.TalkBuffer = QStringLiteral("＃〈あ〉");
    t.TalkBusy = 1;
    DoTalkMark(game);
    EXPECT_EQ(t.TalkBuffer, QStringLiteral("＃〈あ〉"));
    t.TalkBusy = 0;
    DoTalkMark(game);
    EXPECT_TRUE(t.TalkBuffer.isEmpty());
    EXPECT_EQ(t.Utterance, QStringLiteral("あ"));
}

TEST_F(TalkBoxes, EndTalkStopsTheEngineAndLaterTalksReturnAtOnce)
{
    useTalks({QStringLiteral("＃〈一〉")});
    EndTalk(game);
    EXPECT_FALSE(t.data.isOpen());
    EXPECT_FALSE(window.tmrTalk.isEnabled());
    ASSERT_TRUE(talk(QStringLiteral("＃〈あ〉"), 5)) << "would wait for ever";
    EXPECT_TRUE(printed[1].isEmpty());
    ASSERT_EQ(t.dataErrors.size(), 1);
    EXPECT_TRUE(t.dataErrors[0].contains(QStringLiteral("タイマー"))) << t.dataErrors[0].toStdString();
}
