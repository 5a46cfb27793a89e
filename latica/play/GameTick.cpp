#include "GameTick.h"

#include "Entry.h"
#include "TimedEvents.h"
#include "form/Clock.h"
#include "shell/Game.h"
#include "shell/MainForm.h"

void KumiTick(Game& game)
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
        if (game.Busy == 0) {
            game.Busy = 1;
            TimedTalk(game);
            game.Busy = 0;
        }
        game.frmMain->picCrossStage->setFocus();
    }
    if (s.KumiTick >= 600) {
        s.KumiTick = 0;
        ToggleCastState(game);
    }
}

void ResetPlayClock(Game& game)
{
    PlayState& s = game.play;
    s.PlayStart = form::Clock::instance().wholeSecondsSinceMidnight();
    s.PlayWrap = 86400 - s.PlayStart;
    s.LastTalkMinute = 0;
    game.frmMain->lblPassedTime->setCaption(QStringLiteral("00:00"));
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
    const int now = form::Clock::instance().wholeSecondsSinceMidnight();
    const int elapsed = elapsedPlaySeconds(now, s.PlayStart, s.PlayWrap);
    s.PassedSecond = elapsed % 60;
    s.PassedMinute = (elapsed / 60) % 60;
    s.PassedHour = elapsed / 3600;
    if (s.PassedHour >= 10) {
        TimeOutEnding(game);
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
