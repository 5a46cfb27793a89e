// Running a talk: AdviserTalk hands it to the tmrTalk ticks, which interpret one mark or
// print one character each.
#include "Talk.h"
#include "TalkEngine.h"

#include "cast/Cast.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

// Half a second of the time source, printed in a talk as "§".
constexpr double TalkPauseSeconds = 0.5;

// Resets a flag when the scope ends, also when the program ends inside it.
class FlagScope {
public:
    explicit FlagScope(int& flag) : m_flag(flag) { m_flag = 1; }
    ~FlagScope() { m_flag = 0; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    int& m_flag;
};

// Why a talk cannot start now, or empty. Each of these would otherwise wait for ever.
QString talkBlocked(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (!t.initialised || !game.frmMain)
        return QStringLiteral("トークの準備（InitTalk）の前に呼ばれました");
    if (t.TalkWait != 0 || t.tickRunning)
        return QStringLiteral("別のトークの待ちの途中で呼ばれました");
    if (!game.frmMain->tmrTalk.isEnabled())
        return QStringLiteral("トークのタイマーが止まっています（ResetTalk の前か EndTalk の後）");
    return QString();
}

// A menu the player never saw has no answer: the flow after it must not act on the answer
// to an earlier menu.
void forgetUnseenMenu(TalkEngine& t, const QString& text, int menusBefore)
{
    if (text.contains(QChar(talk::MenuOpen)) && t.menuWaitsStarted == menusBefore)
        t.TalkMenuAnswer = 0;
}

// Hands the talk to the ticks once the one before has been interpreted, and returns when
// this one has been.
void runTalk(Game& game, const QString& text, const QString& label)
{
    TalkEngine& t = talkEngine(game);
    form::waitUntil([&t] { return t.TalkBuffer.isEmpty(); });
    const int menusBefore = t.menuWaitsStarted;
    t.TalkBuffer = text;
    t.talkLabel = label;
    form::waitUntil([&t] { return t.TalkBuffer.isEmpty(); });
    forgetUnseenMenu(t, text, menusBefore);
}

// The rest of the talk is dropped and the fault reported with the talk's name.
void dataError(TalkEngine& t, const QString& what)
{
    t.TalkBuffer.clear();
    t.reportDataError(QStringLiteral("%1: %2").arg(t.talkLabel, what));
}

// The text up to `close`, taken off the talk with the bracket; false when it is missing.
bool takeUpTo(QString& buffer, QChar close, QString& inside)
{
    const qsizetype at = buffer.indexOf(close);
    if (at < 0)
        return false;
    inside = buffer.left(at);
    buffer.remove(0, at + 1);
    return true;
}

QString unmatched(QChar open) { return QStringLiteral("「%1」に対になる閉じ括弧がありません").arg(open); }

int talkAnimOf(const TalkEngine& t, const QString& mark)
{
    const qsizetype at = t.TalkerMarks.indexOf(mark);
    return at < 0 ? 0 : t.talkers[std::size_t(at)].TalkAnim;
}

void StartTalkAnim(Game& game)
{
    TalkEngine& t = talkEngine(game);
    t.TalkAnimCast = talkAnimOf(t, t.BoxOccupant[t.CurrentTalkBox]);
    SetCastTalkState(game, t.TalkAnimCast, 2);
}

void StopTalkAnim(Game& game) { SetCastTalkState(game, talkEngine(game).TalkAnimCast, 1); }

// An utterance: the talker's box, then the text in its brackets. False on a data error.
bool takeUtterance(Game& game, QChar mark)
{
    TalkEngine& t = talkEngine(game);
    const QChar open = t.TalkBuffer.isEmpty() ? QChar() : t.TalkBuffer.at(0);
    if (open != QChar(talk::UtteranceOpen) && open != QChar(talk::AnimatedOpen)) {
        dataError(t, QStringLiteral("話し手の記号「%1」の後に「〈」も「《」もありません").arg(mark));
        return false;
    }
    const bool animated = open == QChar(talk::AnimatedOpen);
    QString rest = t.TalkBuffer.mid(1);
    QString inside;
    if (!takeUpTo(rest, animated ? QChar(talk::AnimatedClose) : QChar(talk::UtteranceClose), inside)) {
        dataError(t, unmatched(open));
        return false;
    }
    QString expanded, error;
    if (!talk::expandPlaceholders(inside, t.TalkNames, t.TalkMenuAnswer, expanded, error)) {
        dataError(t, error);
        return false;
    }
    t.TalkBuffer = rest;
    SwitchTalker(game, QString(mark));
    if (animated) {
        t.AnimatedUtterance = 1;
        StartTalkAnim(game);
    }
    t.Utterance = expanded;
    // An empty animated utterance prints nothing, so nothing else would stop the cast.
    if (t.Utterance.isEmpty() && t.AnimatedUtterance) {
        t.AnimatedUtterance = 0;
        StopTalkAnim(game);
    }
    return true;
}

// What stops a wait from ever ending, or empty.
QString waitImpossible(Game& game, int kind)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    const int k = kind < 0 ? -kind : kind;
    if ((k == 1 || k == 2) && (t.CurrentTalkBox == 0 || !f.picTalkBox(t.CurrentTalkBox)->isVisible()))
        return QStringLiteral("待ちの記号「%1」の時に話し手のトーク枠が開いていません")
            .arg(k == 1 ? QStringLiteral("▼▽") : QStringLiteral("◆◇"));
    if (k == 3 && !f.picMenuBox->isVisible())
        return QStringLiteral("待ちの記号「★☆」の時にメニューが出ていません");
    return QString();
}

} // namespace

void AdviserTalk(Game& game, int n)
{
    TalkEngine& t = talkEngine(game);
    const QString label = n > 0 ? QStringLiteral("トーク%1").arg(n)
                                : QStringLiteral("トーク%1 に続くトーク").arg(t.lastTalkNumber);
    const QString blocked = talkBlocked(game);
    if (!blocked.isEmpty()) {
        t.reportDataError(QStringLiteral("%1: %2").arg(label, blocked));
        // Nothing of it shows, a menu in it neither.
        t.TalkMenuAnswer = 0;
        return;
    }
    talk::TalkText text = t.data.fetch(n);
    if (n > 0) {
        t.lastTalkNumber = n;
        if (t.onTalkFetched)
            t.onTalkFetched(n);
    }
    if (!text.ok()) {
        // A talk that cannot be read shows nothing; the one before still finishes first.
        t.reportDataError(text.error);
        form::waitUntil([&t] { return t.TalkBuffer.isEmpty(); });
        return;
    }
    runTalk(game, text.text, label);
}

void AdviserTalk(Game& game, const QString& text)
{
    TalkEngine& t = talkEngine(game);
    const QString label = QStringLiteral("トーク「%1」").arg(text.left(20));
    const QString blocked = talkBlocked(game);
    if (!blocked.isEmpty()) {
        t.reportDataError(QStringLiteral("%1: %2").arg(label, blocked));
        t.TalkMenuAnswer = 0;
        return;
    }
    runTalk(game, t.data.fetch(text).text, label);
}

void TalkTick(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (t.tickRunning || !t.initialised)
        return;
    t.tickRunning = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{t.tickRunning};
    if (!t.Utterance.isEmpty())
        PrintTalkChar(game);
    else if (!t.TalkBuffer.isEmpty())
        DoTalkMark(game);
    // With nothing left to show the ticks do nothing: the timer rests until a talk comes.
    if (!TalkPending(game))
        game.frmMain->tmrTalk.skipTicks(IdleTalkRestTicks);
}

bool TalkPending(Game& game)
{
    const TalkEngine& t = talkEngine(game);
    return !t.Utterance.isEmpty() || !t.TalkBuffer.isEmpty();
}

void DoTalkMark(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (t.TalkBusy || t.TalkBuffer.isEmpty())
        return;
    FlagScope busy(t.TalkBusy);
    const QChar c = t.TalkBuffer.at(0);
    t.TalkBuffer.remove(0, 1);
    QString inside;

    if (t.TalkerMarks.contains(c)) {
        if (!takeUtterance(game, c))
            return;
    } else {
        switch (c.unicode()) {
        case talk::NamesOpen: {
            QString error;
            if (!takeUpTo(t.TalkBuffer, QChar(talk::NamesClose), inside))
                return dataError(t, unmatched(c));
            if (!talk::applyTalkNames(inside, t.TalkNames, error))
                return dataError(t, error);
            break;
        }
        case talk::MenuOpen: {
            QString expanded, error;
            if (!takeUpTo(t.TalkBuffer, QChar(talk::MenuClose), inside))
                return dataError(t, unmatched(c));
            if (!talk::expandPlaceholders(inside, t.TalkNames, t.TalkMenuAnswer, expanded, error))
                return dataError(t, error);
            if (talk::splitMenu(expanded).size() > 9)
                return dataError(t, QStringLiteral("メニュー「%1」の項目が九つより多くあります").arg(expanded));
            ShowTalkMenu(game, expanded);
            break;
        }
        case talk::HideMenuMark:
            HideTalkMenu(game);
            break;
        case talk::CloseBoxMark:
            CloseTalkBox(game, t.CurrentTalkBox);
            break;
        case talk::CloseAllMark:
            HideTalkMenu(game);
            // At most two boxes are open.
            for (int i = 0; i < 3 && t.CurrentTalkBox != 0; ++i)
                CloseTalkBox(game, t.CurrentTalkBox);
            break;
        case talk::WaitFactorMark: {
            const QChar digit = t.TalkBuffer.isEmpty() ? QChar() : t.TalkBuffer.at(0);
            const int value = digit.digitValue();
            if (value < 0)
                return dataError(t, QStringLiteral("「¶」の後に数字がありません"));
            t.TalkBuffer.remove(0, 1);
            SetTalkWaitTime(game, value);
            break;
        }
        case talk::UtteranceOpen:
        case talk::AnimatedOpen:
            return dataError(t, QStringLiteral("話し手の記号のない「%1」があります").arg(c));
        case talk::UtteranceClose:
        case talk::AnimatedClose:
        case talk::NamesClose:
        case talk::MenuClose:
            return dataError(t, QStringLiteral("対になる開き括弧のない「%1」があります").arg(c));
        default: {
            const QChar next = t.TalkBuffer.isEmpty() ? QChar() : t.TalkBuffer.at(0);
            if (next == QChar(talk::UtteranceOpen) || next == QChar(talk::AnimatedOpen))
                return dataError(t, QStringLiteral("話し手の記号「%1」は登録されていません").arg(c));
            t.TalkWait = talk::waitKindOf(c);
            break;
        }
        }
    }

    if (t.TalkWait == 0)
        return;
    const QString impossible = waitImpossible(game, t.TalkWait);
    if (!impossible.isEmpty()) {
        t.TalkWait = 0;
        return dataError(t, impossible);
    }
    MainForm& f = *game.frmMain;
    f.tmrTalk.setEnabled(false);
    StartTalkWait(game);
    form::waitUntil([&t] { return t.TalkWait == 0; });
    SetTalkWaitTime(game, 5);
    f.tmrTalk.setEnabled(true);
}

void PrintTalkChar(Game& game)
{
    TalkEngine& t = talkEngine(game);
    if (t.Utterance.isEmpty())
        return;
    const QChar ch = t.Utterance.at(0);
    t.Utterance.remove(0, 1);
    if (ch == QChar(talk::LineBreak)) {
        NewTalkLine(game);
    } else if (ch == QChar(talk::PauseMark)) {
        form::waitFor(TalkPauseSeconds);
    } else if (t.CurrentTalkBox == 1 || t.CurrentTalkBox == 2) {
        game.frmMain->picTalkBox(t.CurrentTalkBox)->print(QString(ch));
        if (t.onCharPrinted)
            t.onCharPrinted(ch);
    }
    if (t.Utterance.isEmpty() && t.AnimatedUtterance) {
        t.AnimatedUtterance = 0;
        StopTalkAnim(game);
    }
}
