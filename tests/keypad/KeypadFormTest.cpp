// The keypad window, headless: its controls, showing and hiding, the ten-position display
// and its scrolling, dragging, and the window without kana entry.
#include "KeypadTables.h"

#include "form/Cp932.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "form/Timer.h"
#include "keypad/frmKeypad.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// A left click in the middle of a widget, as the window system delivers it.
void click(QWidget* widget, QPoint at = QPoint(-1, -1))
{
    if (at.x() < 0)
        at = widget->rect().center();
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

void pressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

class KeypadFormTest : public ::testing::Test {
protected:
    KeypadFormTest()
    {
        form::resetProgramEnded();
        anim.setInterval(10);
    }
    ~KeypadFormTest() override { form::resetProgramEnded(); }

    QString type(const QString& letters)
    {
        QString grid;
        for (QChar c : letters)
            grid += keypad.RomaKanaConvWChr(c);
        return grid;
    }

    QString roma(int i) { return keypad.lblRoma(i)->caption(); }
    // The shown positions as "letter:kana:kana width".
    QStringList cells()
    {
        QStringList out;
        for (int i = 1; i <= keypad.dispPos(); ++i)
            out << QStringLiteral("%1:%2:%3").arg(roma(i), kana(i)).arg(kanaWidth(i));
        return out;
    }
    QString kana(int i) { return keypad.lblKana(i)->caption(); }
    int kanaWidth(int i) { return keypad.lblKana(i)->width(); }

    // Sends a mouse event at a point of the window.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(at), QPointF(keypad.mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&keypad, &event);
    }

    int focusBacks = 0;
    form::Timer anim;
    KeypadForm keypad{[this] { ++focusBacks; }, &anim};
};

} // namespace

// Kana entry set up: a hidden tool window of 252 x 65 that never takes the activation,
// with ten letter and ten kana positions 20 pixels apart.
TEST_F(KeypadFormTest, SetKeypadBuildsTheControls)
{
    EXPECT_EQ(keypad.SetKeypad(), 1) << keypad.tableError().toStdString();
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_EQ(keypad.dispPos(), 10);
    EXPECT_EQ(keypad.size(), QSize(252, 65));
    const Qt::WindowFlags flags = keypad.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint) && flags.testFlag(Qt::WindowStaysOnTopHint)
                && flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(keypad.testAttribute(Qt::WA_ShowWithoutActivating));
    for (int i = 1; i <= 10; ++i) {
        for (auto* array : {&keypad.lblRoma, &keypad.lblKana}) {
            const form::Label* l = (*array)(i);
            EXPECT_EQ(l->rect(), QRect(27 + 20 * (i - 1), array == &keypad.lblRoma ? 19 : 45, 17, 15)) << i;
            EXPECT_TRUE(l->isVisible() && l->caption().isEmpty()) << i;
            EXPECT_EQ(l->font(), (form::Font{QStringLiteral("ＭＳ Ｐゴシック"), 11.25, true}));
        }
    }
    EXPECT_EQ(keypad.cmdKeypadEnd->geometry(), QRect(230, 6, 14, 15));
    EXPECT_EQ(keypad.cmdKeypadEnd->focusPolicy(), Qt::NoFocus);
}

// The picture of the program folder becomes the background when it is there.
TEST_F(KeypadFormTest, BackgroundPictureComesFromTheProgramFolder)
{
    keypad.SetKeypad();
    const bool present = QFile::exists(form::ProgramFolder::resolve(QStringLiteral("\\sys\\Picture\\キーパット.jpg")));
    EXPECT_EQ(!keypad.picture().isNull(), present);
    if (present) {
        EXPECT_EQ(keypad.picture().size(), QSize(252, 65));
    }
}

// Show and hide alternate; every show lands at (500, 100) wherever the window was moved,
// and each gives the keyboard back to the board.
TEST_F(KeypadFormTest, ShowTogglesAndAlwaysReappearsAtItsPlace)
{
    keypad.SetKeypad();
    keypad.ShowKeypad();
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_TRUE(keypad.shown());
    EXPECT_EQ(keypad.pos(), QPoint(500, 100));
    EXPECT_EQ(keypad.size(), QSize(252, 65));
    EXPECT_EQ(focusBacks, 1);

    keypad.move(40, 300);
    keypad.ShowKeypad();
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_FALSE(keypad.shown());
    EXPECT_EQ(focusBacks, 2);

    keypad.ShowKeypad();
    EXPECT_EQ(keypad.pos(), QPoint(500, 100));
    EXPECT_TRUE(keypad.isVisible());
}

// The close button hides the shown window; a close request of the window system does
// the same and never destroys it.
TEST_F(KeypadFormTest, CloseButtonAndCloseRequestHide)
{
    keypad.SetKeypad();
    keypad.ShowKeypad();
    click(keypad.cmdKeypadEnd);
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_FALSE(keypad.shown());
    EXPECT_EQ(focusBacks, 2);

    keypad.ShowKeypad();
    EXPECT_FALSE(keypad.close());
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_FALSE(keypad.shown());
    keypad.ShowKeypad();
    EXPECT_TRUE(keypad.isVisible());
}

// A left press drags the window: the animation stops for the drag and runs again at the
// release, which gives the keyboard back.
TEST_F(KeypadFormTest, LeftPressDragsAndPausesTheAnimation)
{
    keypad.SetKeypad();
    keypad.ShowKeypad();
    anim.setEnabled(true);
    focusBacks = 0;

    mouse(QEvent::MouseButtonPress, QPoint(30, 20), Qt::LeftButton, Qt::LeftButton); // on lblRoma(1)
    EXPECT_FALSE(anim.isEnabled());
    mouse(QEvent::MouseMove, QPoint(130, 70), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(keypad.pos(), QPoint(600, 150));
    EXPECT_EQ(focusBacks, 0);
    mouse(QEvent::MouseButtonRelease, QPoint(130, 70), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(anim.isEnabled());
    EXPECT_EQ(focusBacks, 1);

    // With the animation off it stays off; a press on the bare window drags too.
    anim.setEnabled(false);
    mouse(QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(0, 0), Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, QPoint(0, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(keypad.pos(), QPoint(595, 145));
    EXPECT_FALSE(anim.isEnabled());
    EXPECT_EQ(focusBacks, 2);

    // The next show is back at its place.
    click(keypad.cmdKeypadEnd);
    keypad.ShowKeypad();
    EXPECT_EQ(keypad.pos(), QPoint(500, 100));

    // Hiding in the middle of a drag ends it: the animation does not stay stopped.
    anim.setEnabled(true);
    mouse(QEvent::MouseButtonPress, QPoint(30, 20), Qt::LeftButton, Qt::LeftButton);
    EXPECT_FALSE(anim.isEnabled());
    keypad.ShowKeypad();
    EXPECT_TRUE(anim.isEnabled());
}

// Another button only gives the keyboard back; the window does not follow the mouse.
TEST_F(KeypadFormTest, RightPressOnlyGivesTheFocusBack)
{
    keypad.SetKeypad();
    keypad.ShowKeypad();
    anim.setEnabled(true);
    focusBacks = 0;
    mouse(QEvent::MouseButtonPress, QPoint(60, 50), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(focusBacks, 1);
    EXPECT_TRUE(anim.isEnabled());
    mouse(QEvent::MouseMove, QPoint(90, 50), Qt::NoButton, Qt::RightButton);
    EXPECT_EQ(keypad.pos(), QPoint(500, 100));
}

// The first clear after SetKeypad empties the display, leaving position 1 ready.
TEST_F(KeypadFormTest, ClearEmptiesDisplayAndBuffer)
{
    keypad.SetKeypad();
    keypad.ClearDispKeyBuff();
    EXPECT_EQ(keypad.dispPos(), 0);
    EXPECT_TRUE(keypad.lblRoma(1)->isVisible());
    EXPECT_TRUE(keypad.lblKana(1)->isVisible());
    for (int i = 2; i <= 10; ++i) {
        EXPECT_FALSE(keypad.lblRoma(i)->isVisible()) << i;
        EXPECT_FALSE(keypad.lblKana(i)->isVisible()) << i;
    }

    EXPECT_EQ(type("KY"), QString());
    EXPECT_EQ(kanaWidth(1), 20);
    keypad.ClearDispKeyBuff();
    EXPECT_TRUE(keypad.keyBuff().isEmpty());
    EXPECT_EQ(kanaWidth(1), 17);
    EXPECT_TRUE(roma(1).isEmpty());
    EXPECT_FALSE(keypad.lblRoma(2)->isVisible());
    // The buffer was emptied: A alone is ア, not キャ.
    EXPECT_EQ(type("A"), QStringLiteral("ア"));

    // Hiding and showing the window keeps the buffer.
    type("K");
    keypad.ShowKeypad();
    keypad.ShowKeypad();
    EXPECT_EQ(type("A"), QStringLiteral("カ"));
}

// Each syllable is shown under the letter that completed it: K K A puts ッ (width 17)
// under the first K, a waiting cell of width 20 under the second and カ under the A;
// キャ and "…？" spread over two letters; ン goes under the N before a consonant.
TEST_F(KeypadFormTest, DisplayShowsEachSyllableUnderItsLetters)
{
    keypad.SetKeypad();
    keypad.ClearDispKeyBuff();
    EXPECT_EQ(type("KKA"), QStringLiteral("ツカ"));
    EXPECT_EQ(keypad.dispPos(), 3);
    EXPECT_EQ(cells(), (QStringList{"K:ッ:17", "K::20", "A:カ:17"}));

    keypad.ClearDispKeyBuff();
    EXPECT_EQ(type("KYAQXA"), QStringLiteral("キヤ"));
    EXPECT_EQ(cells(), (QStringList{"K::20", "Y:キ:20", "A:ャ:17", "Q::20", "X:…:20", "A:？:17"}));
    EXPECT_TRUE(keypad.keyBuff().isEmpty());

    keypad.ClearDispKeyBuff();
    EXPECT_EQ(type("KANDA"), QStringLiteral("カンダ"));
    EXPECT_EQ(cells(), (QStringList{"K::20", "A:カ:17", "N:ン:17", "D::20", "A:ダ:17"}));
}

// Eleven letters: positions 1..10 fill, then everything moves one position left, with
// the widths, and the new letter lands at position 10.
TEST_F(KeypadFormTest, EleventhLetterScrolls)
{
    keypad.SetKeypad();
    keypad.ClearDispKeyBuff();
    type("AIUEOKAKIK");
    EXPECT_EQ(keypad.dispPos(), 10);
    EXPECT_EQ(cells().last(), QStringLiteral("K::20"));

    EXPECT_EQ(type("U"), QStringLiteral("ク"));
    EXPECT_EQ(keypad.dispPos(), 10);
    EXPECT_EQ(cells(), (QStringList{"I:イ:17", "U:ウ:17", "E:エ:17", "O:オ:17", "K::20", "A:カ:17", "K::20",
                                    "I:キ:17", "K::20", "U:ク:17"}));

    // A contracted sound across the scroll: キャ lands under the Y and the A.
    type("KYA");
    EXPECT_EQ(cells().mid(6), (QStringList{"U:ク:17", "K::20", "Y:キ:20", "A:ャ:17"}));
}

// A two-character display kana at position 1 has no position before it: only its
// second character is shown.
TEST_F(KeypadFormTest, TwoCharacterKanaAtPositionOne)
{
    keypad.SetKeypad();
    keypad.converter().setTable(keypadtest::smallTable({"K"}, {"A=アァ/アア"}));
    keypad.ClearDispKeyBuff();
    EXPECT_EQ(type("A"), QStringLiteral("アア"));
    EXPECT_EQ(roma(1), QStringLiteral("A"));
    EXPECT_EQ(kana(1), QStringLiteral("ァ"));
    EXPECT_EQ(type("A"), QStringLiteral("アア"));
    EXPECT_EQ(kana(1), QStringLiteral("ア"));
    EXPECT_EQ(kana(2), QStringLiteral("ァ"));
}

// KeypadMode 0: the window without SetKeypad keeps its design captions, shows and hides,
// and typing converts nothing.
TEST_F(KeypadFormTest, WindowWithoutKanaEntry)
{
    keypad.ClearDispKeyBuff();
    EXPECT_EQ(roma(1), QStringLiteral("Ａ"));
    EXPECT_EQ(kana(1), QStringLiteral("あ"));
    EXPECT_FALSE(keypad.lblRoma.exists(2));
    keypad.ShowKeypad();
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_EQ(keypad.pos(), QPoint(500, 100));
    EXPECT_EQ(type("KA"), QString());
    EXPECT_EQ(roma(1), QStringLiteral("Ａ"));
    keypad.ShowKeypad();
    EXPECT_FALSE(keypad.isVisible());
}

// Alt+F4 on the window closes the files and ends the program at once; F4 alone does not.
TEST_F(KeypadFormTest, AltF4EndsTheProgram)
{
    keypad.SetKeypad();
    keypad.ShowKeypad();
    int closed = 0;
    keypad.onCloseFiles = [&closed] { ++closed; };
    pressKey(&keypad, Qt::Key_F4, Qt::NoModifier);
    EXPECT_FALSE(form::programEnded());
    pressKey(&keypad, Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(form::programEnded());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(keypad.isVisible());
}

// A program folder without the table or the picture: SetKeypad reports the table, the
// window still works and converts nothing.
TEST(KeypadFormFiles, MissingTableAndPicture)
{
    const QStringList lines = form::splitLines(form::fromCp932(keypadtest::realTableBytes()));
    ASSERT_GT(lines.size(), 40);
    QTemporaryDir dir;
    const QString saved = form::ProgramFolder::path();
    form::ProgramFolder::setPath(dir.path());
    {
        KeypadForm keypad{[] {}, nullptr};
        EXPECT_EQ(keypad.SetKeypad(), 0);
        EXPECT_TRUE(keypad.tableError().contains(QStringLiteral("新ローマ字かな変換.txt")))
            << keypad.tableError().toStdString();
        EXPECT_TRUE(keypad.picture().isNull());
        keypad.ClearDispKeyBuff();
        EXPECT_EQ(keypad.RomaKanaConvWChr(QLatin1Char('A')), QString());
        EXPECT_TRUE(keypad.lblRoma(1)->caption().isEmpty());
        keypad.ShowKeypad();
        EXPECT_TRUE(keypad.isVisible());
        // A press without an animation timer drags all the same.
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(keypad.mapToGlobal(QPoint(5, 5))),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&keypad, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(keypad.mapToGlobal(QPoint(5, 5))),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&keypad, &release);
    }
    // A damaged table is reported as well, naming what is wrong.
    testsupport::writeFile(dir.filePath(QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt")),
                           testsupport::cp932Lines(lines.mid(0, 40)));
    {
        KeypadForm keypad{[] {}, nullptr};
        EXPECT_EQ(keypad.SetKeypad(), 0);
        EXPECT_TRUE(keypad.tableError().contains(QStringLiteral("二字"))) << keypad.tableError().toStdString();
    }
    form::ProgramFolder::setPath(saved);
}

// Wired to the real main window, a click on the keypad leaves the keyboard with the board.
TEST(KeypadFormFocus, ClickGivesTheBoardTheKeyboard)
{
    form::PictureBox board;
    board.setFocusPolicy(Qt::StrongFocus);
    board.resize(100, 100);
    board.show();
    board.activateWindow();
    ASSERT_TRUE(form::waitUntil([&board] { return board.isActiveWindow(); }, 5));
    KeypadForm keypad{[&board] { board.setFocus(); }, nullptr};
    keypad.SetKeypad();
    keypad.ShowKeypad();
    board.clearFocus();
    ASSERT_NE(QApplication::focusWidget(), &board);
    click(&keypad, QPoint(60, 50));
    EXPECT_EQ(QApplication::focusWidget(), &board);
    EXPECT_NE(QApplication::focusWidget(), &keypad);
}
