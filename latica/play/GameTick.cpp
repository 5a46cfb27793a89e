#include "GameTick.h"

#include "Entry.h"
#include "TimedEvents.h"
#include "form/Clock.h"
#include "model/Game.h"
#include "model/StoryFlows.h"
#include "window/MainForm.h"


namespace {

void kumiStep(Game& game)
{
    PlayState& s = game.play;
    if (game.AnswerOpenBusy == 1)
        return;
    ++s.KumiTick;
    if (!s.PendingInput.isEmpty() && s.MasBusy == 0)
        PutPendingKana(game);
    if (s.KumiTick % 5 == 0) {
        BlinkCursor(game);
        UpdatePlayClock(game);
    }
    if (s.KumiTick % 200 == 0) {
        ImproveMood(game);
        if (game.Busy == 0 && game.story && game.story->timedRemark) {
            game.Busy = 1;
            game.story->timedRemark();
            game.Busy = 0;
        }
        game.frmMain->picCrossStage->setFocus();
    }
    if (s.KumiTick >= 600) {
        s.KumiTick = 0;
        ToggleCastState(game);
    }
}

// Ticks to come that only count: every fifth blinks and shows the clock (the 20 s, 60 s
// and 600-tick steps fall on those too), and typed characters are written at once.
int kumiQuietTicks(const Game& game)
{
    if (!game.play.PendingInput.isEmpty() || game.AnswerOpenBusy == 1)
        return 0;
    return 4 - game.play.KumiTick % 5;
}

} // namespace

void KumiTick(Game& game)
{
    form::Timer& timer = game.frmMain->tmrKumi;
    // The intervals of a rest only counted, on the count as it was when the rest began; a
    // count set from outside during the rest replaced theirs.
    if (game.play.KumiTick == game.play.KumiRestTick)
        game.play.KumiTick += timer.elapsedTicks() - 1;
    kumiStep(game);
    const int rest = kumiQuietTicks(game);
    if (rest > 0) {
        game.play.KumiRestTick = game.play.KumiTick;
        timer.skipTicks(rest);
    }
}

bool KumiTickDueEarly(const Game& game)
{
    return !game.play.PendingInput.isEmpty() || game.AnswerOpenBusy == 1 ||
           game.play.KumiTick != game.play.KumiRestTick;
}

void ResetPlayClock(Game& game)
{
    PlayState& s = game.play;
    const form::Clock& clock = form::Clock::instance();
    s.PlayStart = clock.wholeSecondsSinceMidnight();
    s.PlayWrap = 86400 - s.PlayStart;
    s.PlayStartTime = clock.monotonicSeconds();
    s.LastTalkMinute = 0;
    game.frmMain->lblPassedTime->setCaption(QStringLiteral("00:00"));
}

void ContinuePlayClock(Game& game, int seconds)
{
    if (seconds <= 0 || seconds >= 10 * 3600)
        return;
    PlayState& s = game.play;
    s.PlayStartTime -= seconds;
    // The once-a-minute remarks go on from the minute reached, not from minute 0.
    s.LastTalkMinute = seconds / 60;
    UpdatePlayClock(game);
}

int elapsedPlaySeconds(int now, int start, int wrap)
{
    return now >= start ? now - start : wrap + now;
}

QString playClockText(int hours, int minutes, int seconds)
{
    return QStringLiteral("%1:%2:%3")
        .arg(hours)
        .arg(minutes, 2, 10, QLatin1Char('0'))
        .arg(seconds, 2, 10, QLatin1Char('0'));
}

void UpdatePlayClock(Game& game)
{
    PlayState& s = game.play;
    // Measured on the monotonic clock: a wall clock set back (time sync, a new time zone)
    // must not read as a night passed. Across midnight it counts on as the day clock would.
    const int elapsed = int(form::Clock::instance().monotonicSeconds() - s.PlayStartTime);
    s.PassedSecond = elapsed % 60;
    s.PassedMinute = (elapsed / 60) % 60;
    s.PassedHour = elapsed / 3600;
    if (s.PassedHour >= 10) {
        // The ending waits for a running flow to end: inside its waits every talk of the
        // ending would be refused. It never returns.
        if (game.story && game.story->timeOutEnding && game.Busy == 0) {
            game.Busy = 1;
            game.story->timeOutEnding();
        }
        return;
    }
    game.frmMain->lblPassedTime->setCaption(playClockText(s.PassedHour, s.PassedMinute, s.PassedSecond));
}

void BlinkCursor(Game& game)
{
    form::Label* cell = game.frmMain->lblCell.find(game.play.CursorMas);
    if (!cell)
        return;
    if (cell->backColor() == BoardColour::CursorCell)
        cell->setBackColor(BoardColour::WordCell);
    else if (cell->backColor() == BoardColour::WordCell)
        cell->setBackColor(BoardColour::CursorCell);
}
