#pragma once
#include "TalkData.h"
#include "TalkText.h"
#include "form/Color.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

namespace form { class Shape; }

// A registered talker: its box style, the cast that talks for it, its mark, its voice
// and four values kept for the story.
struct Talker {
    int Style = 1;        // 1..5
    int TalkAnim = 0;     // cast number switched between idle and talking; 0 none
    QString Mark;         // one character
    QString Voice;        // sound-effect name
    int Value1 = 0, Value2 = 0, Value3 = 0, Value4 = 0;
};

// Colours and font of a talker style.
struct TalkStyle {
    bool Bold = true;
    bool Italic = false;
    form::Colour BackColor = 0;
    form::Colour BorderColor = 0;
};

// Sizes measured from the talk font and the menu font at start.
struct TalkLayout {
    int CharW = 0, CharH = 0;
    int LineGap = 0, LinePitch = 0;
    int HMargin = 0, VMargin = 0;
    int BoxWidth = 0, OpenHeight = 0, FullHeight = 0, ClosedHeight = 0, GrowMargin = 0;
    int SpeakLeft = 0, SideLeft = 0, BoxTop = 0;

    int MenuCharW = 0, MenuPitch = 0;
    int MenuHMargin = 0, MenuVMargin = 0;
    int MenuWidth = 0, MenuFullHeight = 0;
    int MenuLeft = 0, MenuTop = 0;
};

// Everything the talk engine keeps for the run: the talk being interpreted, the two
// boxes, the talkers, the wait in progress and its answers, the menu. One per game.
class TalkEngine {
public:
    TalkEngine();
    ~TalkEngine();
    TalkEngine(const TalkEngine&) = delete;
    TalkEngine& operator=(const TalkEngine&) = delete;

    talk::TalkData data;            // the talk data files, open from InitTalk to EndTalk
    bool initialised = false;       // InitTalk has run

    // The talk in progress
    QString TalkBuffer;             // rest of the talk still to interpret; empty: none
    QString Utterance;              // rest of the utterance still to print
    int AnimatedUtterance = 0;      // the utterance came in "《" "》"
    int TalkBusy = 0;               // DoTalkMark is running
    int TalkAnimCast = 0;           // cast switched to talking for the animated utterance
    QString talkLabel;              // names the talk in data-error reports
    int lastTalkNumber = 0;         // number of the talk fetched last (for the labels)

    // Names and answers
    talk::NameList TalkNames;       // 0..10, 10 the player's name
    int TalkMenuAnswer = 0;
    QString TalkInputText;
    int TalkWait = 0;               // 0 none; 1 click, 2 input, 3 menu; negative: timed
    int TalkWaitResult = 0;         // 1 running, 11 ended by the player, 10 timed out
    int menuWaitsStarted = 0;       // counts the menus put before the player

    // Talkers and boxes
    std::vector<Talker> talkers;    // table positions 1..n at indices 0..n-1
    QString TalkerMarks;
    int TalkBoxMode = 0;            // 0 none, 1 one box, 2 one box after a close, 3 both
    int CurrentTalkBox = 0;         // 0 none
    QString BoxOccupant[3];         // 1..2
    int BoxState[3] = {0, 0, 0};    // 1..2: 0 closed, 1 speaking slot, 2 side slot
    TalkLayout layout;

    // Timed waits, the cursor and the menu
    int WaitFactor = 5;
    int TickLimit = 0;
    int TickCounter = 0;
    int CursorPhase = 0;
    double CursorX = 0;
    form::Colour CursorColor = 0xFFFFFF;
    int HighlightedItem = 0;
    int MenuItemCount = 0;
    QRect MenuItemsRect;            // the items' rectangle in window coordinates
    std::unique_ptr<form::Shape> shpMenuBoxUp, shpMenuBoxDown;

    // Data errors: each faulty talk is reported once, on standard error and here.
    QStringList dataErrors;
    void reportDataError(const QString& what);

    // Where the mouse pointer is, in main-window coordinates; tests may replace it.
    std::function<QPoint()> pointerPosition;
    QPoint restPointer;  // where the pointer stood when the menu's ticks began to rest
    // Called after each character printed into a box, and with the number of each talk
    // fetched by number (measurements and tests).
    std::function<void(QChar)> onCharPrinted;
    std::function<void(int)> onTalkFetched;

    // A tmrTalk tick is being handled; ticks arriving inside it (while a box animates or
    // a pause runs) are skipped.
    bool tickRunning = false;
    // EndTalkWait is running; hiding the input box inside it must not end the wait again.
    bool endingWait = false;
};

// Talker styles 1..5.
const TalkStyle& talkStyle(int style);
