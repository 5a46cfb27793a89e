// Setting the talk engine up: data files, fonts, the measured layout, the boxes, the
// input box and the menu; the talkers and the run state.
#include "Talk.h"
#include "TalkEngine.h"

#include "form/Label.h"
#include "form/Shape.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "window/MainForm.h"


namespace {

const form::Colour Navy = 0x800000;
const form::Colour White = 0xFFFFFF;
const form::Colour Yellow = 0x00FFFF;
const form::Colour MenuColour = 0xC000C0;
const form::Colour MenuHighlight = 0x0000FF;
const int StripHeight = 10;

const form::Font TalkFont{QStringLiteral("ＭＳ Ｐゴシック"), 12};
const form::Font MenuFont{QStringLiteral("ＭＳ Ｐゴシック"), 11};

int rounded(double value) { return talk::roundHalfEven(value); }

// A loaded copy of a windowed element moved into its own box.
template <typename T>
T* loadInto(form::ControlArray<T>& array, int index, QWidget* into)
{
    T* element = array.load(index);
    element->setContainer(into);
    element->setVisible(true);
    return element;
}

// A loaded copy of a windowless element moved into its own box.
template <typename T>
T* loadControlInto(form::ControlArray<T>& array, int index, form::Container* into)
{
    T* element = array.load(index);
    element->setContainer(into);
    element->setVisible(true);
    return element;
}

// Element 2 of the box pieces and menu items 2..9, made once.
void createTalkElements(MainForm& f)
{
    if (!f.picTalkBox.exists(2)) {
        form::PictureBox* box = f.picTalkBox.load(2);
        form::PictureBox* up = loadInto(f.picTalkBoxUp, 2, box);
        form::PictureBox* down = loadInto(f.picTalkBoxDown, 2, box);
        loadControlInto(f.shpTalkBoxLeft, 2, box);
        loadControlInto(f.shpTalkBoxRight, 2, box);
        loadControlInto(f.shpTalkBoxUp, 2, up);
        loadControlInto(f.shpTalkBoxDown, 2, down);
    }
    for (int k = 2; k <= 9; ++k) {
        if (!f.lblMenu.exists(k))
            f.lblMenu.load(k);
    }
    // Loaded boxes lie above everything made before them; the menu and the input box
    // belong above the talk boxes.
    f.picMenuBox->bringToFront();
    f.txtTalkInput->bringToFront();
}

void InitTalkLayout(Game& game, int x, int y)
{
    TalkLayout& l = talkEngine(game).layout;
    form::PictureBox* box = game.frmMain->picTalkBox(1);
    box->setFont(TalkFont);
    box->setForeColor(White);
    l.CharW = box->textWidth(QStringLiteral("亜"));
    l.CharH = box->textHeight(QStringLiteral("亜"));
    l.LineGap = rounded(l.CharH * 0.2);
    l.LinePitch = l.CharH + l.LineGap;
    l.HMargin = rounded(l.CharW / 2.0);
    l.VMargin = rounded(l.CharH * 2.0 / 3.0);
    l.BoxWidth = 12 * l.CharW + 2 * l.HMargin;
    l.OpenHeight = 3 * l.LinePitch - l.LineGap + 2 * l.VMargin;
    l.FullHeight = 5 * l.LinePitch - l.LineGap + 2 * l.VMargin;
    l.ClosedHeight = 2 * l.VMargin;
    l.GrowMargin = l.VMargin - l.LineGap + l.LinePitch;
    l.SpeakLeft = x;
    l.SideLeft = x - rounded(l.CharW * 0.5) - l.BoxWidth;
    l.BoxTop = y;
}

void SetupTalkBox(Game& game, int n)
{
    MainForm& f = *game.frmMain;
    const TalkLayout& l = talkEngine(game).layout;
    form::PictureBox* box = f.picTalkBox(n);
    box->setFont(TalkFont);
    box->setForeColor(White);
    box->setBackColor(Navy);
    box->setAutoRedraw(true);
    box->setGeometry(l.SpeakLeft, l.BoxTop, l.BoxWidth, l.OpenHeight);
    box->cls();
    f.picTalkBoxUp(n)->setGeometry(0, 0, l.BoxWidth, StripHeight);
    f.picTalkBoxUp(n)->setBackColor(Navy);
    f.picTalkBoxDown(n)->setGeometry(0, l.OpenHeight - StripHeight, l.BoxWidth, StripHeight);
    f.picTalkBoxDown(n)->setBackColor(Navy);
    f.shpTalkBoxLeft(n)->setGeometry(0, 0, 1, l.FullHeight);
    f.shpTalkBoxRight(n)->setGeometry(l.BoxWidth - 1, 0, 1, l.FullHeight);
    f.shpTalkBoxUp(n)->setGeometry(0, 0, l.BoxWidth, StripHeight + 1);
    f.shpTalkBoxDown(n)->setGeometry(0, -1, l.BoxWidth, StripHeight + 1);
    for (form::Shape* s : {f.shpTalkBoxLeft(n), f.shpTalkBoxRight(n), f.shpTalkBoxUp(n), f.shpTalkBoxDown(n)})
        s->setBorderColor(Yellow);
    box->setVisible(false);
}

void InitTalkState(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    t.TalkWait = 0;
    t.TalkWaitResult = 0;
    t.TalkMenuAnswer = 0;
    t.TalkInputText.clear();
    t.TickCounter = 0;
    t.CursorPhase = 0;
    t.HighlightedItem = 0;
    f.tmrTalkCursorBlink.setEnabled(false);
    f.picMenuBox->setVisible(false);
    f.txtTalkInput->setVisible(false);
}

void SetupTalkInput(Game& game)
{
    MainForm& f = *game.frmMain;
    const TalkLayout& l = talkEngine(game).layout;
    f.txtTalkInput->setFont(TalkFont);
    f.txtTalkInput->setColours(Navy, White);
    f.txtTalkInput->setGeometry(l.SpeakLeft + l.HMargin, l.BoxTop + l.VMargin, l.BoxWidth - 2 * l.HMargin,
                                l.LinePitch);
    f.txtTalkInput->setVisible(false);
}

void InitMenuLayout(Game& game)
{
    TalkLayout& l = talkEngine(game).layout;
    form::PictureBox* menu = game.frmMain->picMenuBox;
    menu->setFont(MenuFont);
    l.MenuCharW = menu->textWidth(QStringLiteral("亜"));
    l.MenuPitch = menu->textHeight(QStringLiteral("亜"));
    l.MenuHMargin = rounded(l.MenuCharW / 2.0);
    l.MenuVMargin = rounded(l.MenuPitch * 2.0 / 3.0);
    l.MenuWidth = 8 * l.MenuCharW + 2 * l.MenuHMargin;
    l.MenuFullHeight = 9 * l.MenuPitch + 2 * l.MenuVMargin;
    l.MenuLeft = l.SpeakLeft + l.BoxWidth - l.HMargin;
    l.MenuTop = l.BoxTop + l.VMargin;
}

void SetupTalkMenu(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    const TalkLayout& l = t.layout;
    f.picMenuBox->setGeometry(l.MenuLeft, l.MenuTop, l.MenuWidth, l.MenuFullHeight);
    f.picMenuBox->setBackColor(MenuColour);
    f.picMenuBoxUp->setGeometry(0, 0, l.MenuWidth, StripHeight);
    f.picMenuBoxUp->setBackColor(MenuColour);
    f.picMenuBoxDown->setGeometry(0, l.MenuFullHeight - StripHeight, l.MenuWidth, StripHeight);
    f.picMenuBoxDown->setBackColor(MenuColour);
    if (!t.shpMenuBoxUp) {
        t.shpMenuBoxUp = std::make_unique<form::Shape>(f.picMenuBoxUp);
        t.shpMenuBoxDown = std::make_unique<form::Shape>(f.picMenuBoxDown);
    }
    t.shpMenuBoxUp->setGeometry(0, 0, l.MenuWidth, StripHeight + 1);
    t.shpMenuBoxDown->setGeometry(0, -1, l.MenuWidth, StripHeight + 1);
    t.shpMenuBoxUp->setBorderColor(MenuColour);
    t.shpMenuBoxDown->setBorderColor(MenuColour);
    for (int k = 1; k <= 9; ++k) {
        form::Label* item = f.lblMenu(k);
        item->setFont(MenuFont);
        item->setGeometry(l.MenuHMargin, (k - 1) * l.MenuPitch + l.MenuVMargin, 8 * l.MenuCharW, l.MenuPitch);
        item->setForeColor(White);
        item->setBackColor(MenuHighlight);
        item->setBackStyle(form::BackStyle::Transparent);
        item->setVisible(false);
    }
}

} // namespace

void InitTalk(Game& game, int x, int y)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    t.WaitFactor = 5;
    // The story cannot run without its talks: missing or damaged files end the program.
    if (!t.data.open())
        DataFailure(game, t.data.openError());
    if (const QString damage = t.data.damage(); !damage.isEmpty())
        DataFailure(game, damage);
    t.BoxOccupant[1].clear();
    t.BoxOccupant[2].clear();
    t.BoxState[1] = t.BoxState[2] = 0;
    t.TalkBoxMode = 0;
    t.CurrentTalkBox = 0;
    t.TalkNames.fill(QString());
    t.TalkBuffer.clear();
    t.Utterance.clear();
    f.picTalkBox(1)->setVisible(false);
    f.txtTalkInput->setVisible(false);
    f.picMenuBox->setVisible(false);
    f.lblMenu(1)->setVisible(false);
    createTalkElements(f);
    InitTalkLayout(game, x, y);
    SetupTalkBox(game, 1);
    SetupTalkBox(game, 2);
    InitTalkState(game);
    SetupTalkInput(game);
    InitMenuLayout(game);
    SetupTalkMenu(game);
    if (!t.pointerPosition) {
        MainForm* window = game.frmMain;
        t.pointerPosition = [window] { return window->pointerPosition(); };
    }
    t.initialised = true;
}

void EndTalk(Game& game)
{
    TalkEngine& t = talkEngine(game);
    t.data.close();
    t.TalkBuffer.clear();
    if (game.frmMain)
        game.frmMain->tmrTalk.setEnabled(false);
}

void ResetTalk(Game& game)
{
    talkEngine(game).TalkBuffer.clear();
    if (game.frmMain)
        game.frmMain->tmrTalk.setEnabled(true);
}

void ClearTalkers(Game& game)
{
    TalkEngine& t = talkEngine(game);
    t.talkers.clear();
    t.TalkerMarks.clear();
}

void AddTalker(Game& game, const QString& mark, int style, const QString& voice, int value1, int value2,
               int value3, int value4, int talkAnim)
{
    TalkEngine& t = talkEngine(game);
    if (mark.size() != 1) {
        t.reportDataError(QStringLiteral("話し手の記号「%1」は一文字ではありません").arg(mark));
        return;
    }
    int position = int(t.TalkerMarks.indexOf(mark)) + 1;
    if (position == 0) {
        t.talkers.push_back(Talker{});
        t.TalkerMarks += mark;
        position = int(t.talkers.size());
    }
    Talker& talker = t.talkers[std::size_t(position - 1)];
    talker.Style = style;
    talker.TalkAnim = talkAnim;
    talker.Mark = mark;
    talker.Voice = voice;
    talker.Value1 = value1;
    talker.Value2 = value2;
    talker.Value3 = value3;
    talker.Value4 = value4;
    if (position <= 2)
        SetTalkBoxTalker(game, position, mark);
}

void SetTalkWaitTime(Game& game, int factor) { talkEngine(game).WaitFactor = factor; }

void SetTalkNames(Game& game, const QString& list)
{
    TalkEngine& t = talkEngine(game);
    QString error;
    if (!talk::applyTalkNames(list, t.TalkNames, error))
        t.reportDataError(error);
}
