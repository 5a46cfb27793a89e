#include "Entry.h"

#include "BoardView.h"
#include "Cursor.h"
#include "KeypadLink.h"
#include "PlaySounds.h"
#include "effects/Wait.h"
#include "form/Clock.h"
#include "form/KeyCodes.h"
#include "records/Boards.h"
#include "shell/DebugReport.h"
#include "shell/Game.h"
#include "shell/MainForm.h"

namespace {

const QString EmptyEntry = QStringLiteral("　");

void focusBoard(Game& game)
{
    game.frmMain->picCrossStage->setFocus();
}

// The arrow keys: along the word they move inside it, across it they change the word.
void arrow(Game& game, bool alongAcross, int d)
{
    const int inWord = game.cross.Mas[game.play.CursorMas].InWord;
    const bool acrossWord = inWord == 1;
    if (acrossWord == alongAcross)
        MoveInWord(game, d);
    else
        MoveToWord(game, d);
}

void showBars(form::ControlArray<form::Shape>& bars, int left, int top, int travel, bool visible)
{
    for (int i = 0; i <= 1; ++i) {
        form::Shape* bar = bars(i);
        if (visible) {
            bar->bringToFront();
            bar->move(left + (i == 1 ? travel : 0), top);
        }
        bar->setVisible(visible);
    }
}

} // namespace

void PlayKeyDown(Game& game, int key)
{
    PlayState& s = game.play;
    if (game.AnswerOpenBusy == 1) {
        focusBoard(game);
        return;
    }
    s.LastKeyTime = form::Clock::instance().wholeSecondsSinceMidnight();
    s.LastKeyMoment = form::Clock::instance().monotonicSeconds();
    if (key >= 'A' && key <= 'Z') {
        if (game.KeypadMode == 0)
            s.PendingInput += QChar(0xFF21 + (key - 'A'));
        else if (game.KeypadMode == 1)
            s.PendingInput += KeypadConvert(game, QChar(key));
    } else if (key == form::Key::Minus) {
        if (game.KeypadMode == 1)
            s.PendingInput += KeypadConvert(game, QChar(u'-'));
    } else if (s.CursorStep != 0) {
        switch (key) {
        case form::Key::Up: arrow(game, false, 1); break;
        case form::Key::Down: arrow(game, false, 2); break;
        case form::Key::Left: arrow(game, true, 1); break;
        case form::Key::Right: arrow(game, true, 2); break;
        case form::Key::Space: TurnWord(game); break;
        case form::Key::Delete:
            if (s.PendingInput.isEmpty() && s.MasBusy == 0)
                EraseMas(game);
            break;
        case form::Key::Escape:
            if (s.PendingInput.isEmpty() && s.MasBusy == 0)
                UndoMas(game);
            break;
        case form::Key::F1: WriteDebugReport(game); break;
        default: break;
        }
    }
    focusBoard(game);
}

void PutPendingKana(Game& game)
{
    PlayState& s = game.play;
    Puzzle& p = game.cross;
    if (s.PendingInput.isEmpty())
        return;
    // One character; a pair of surrogates stays whole.
    const int size = s.PendingInput[0].isHighSurrogate() && s.PendingInput.size() > 1 ? 2 : 1;
    const QString c = s.PendingInput.left(size);
    s.PendingInput.remove(0, size);
    MasData& m = p.Mas[s.CursorMas];
    if (c != m.Entry) {
        m.PrevEntry = m.Entry;
        m.Entry = c;
        DrawCross(game, 1);
        ++s.EntryCount;
    } else {
        PlayEffect(game, SoundNo::Moved);
    }
    const int next = s.CursorMas + s.CursorStep;
    if (next >= 0 && next <= p.MasLast && p.Mas[next].InWord == s.CursorStep && s.CursorStep != 0) {
        MoveCursorBy(game, s.CursorStep);
        if (s.ScrollMode != 0)
            ScrollFollowCursor(game);
    } else {
        s.PendingInput.clear();
    }
}

void DrawCross(Game& game, int mode)
{
    MainForm& f = *game.frmMain;
    PlayState& s = game.play;
    const int cellIndex = s.CursorMas;
    // The entry has just changed: it is on disk before the roll starts.
    if (mode == 1)
        KeepBoard(game);
    form::Label* cell = f.lblCell.find(cellIndex);
    if (!cell)
        return;
    // Other events run during the roll's waits: a puzzle change may replace the board.
    // The cell is found again after each wait, and the roll stops on a new board.
    const int board = s.BoardSerial;
    const auto stillThere = [&] {
        cell = s.BoardSerial == board ? f.lblCell.find(cellIndex) : nullptr;
        if (!cell) {
            showBars(f.shpRollCell1, 0, 0, 0, false);
            showBars(f.shpRollCell2, 0, 0, 0, false);
            s.MasBusy = 0;
        }
        return cell != nullptr;
    };
    s.MasBusy = 1;
    const int top = cell->top();
    const int left = cell->left();
    if (mode == 1)
        PlayEffect(game, SoundNo::Written);

    showBars(f.shpRollCell1, left, top, s.RollTravel1, true);
    WaitTime(0.1);
    showBars(f.shpRollCell1, left, top, s.RollTravel1, false);
    showBars(f.shpRollCell2, left, top, s.RollTravel2, true);
    WaitTime(0.1);
    if (!stillThere())
        return;

    const MasData& m = game.cross.Mas[cellIndex];
    if (mode == 1) {
        cell->setCaption(QString());
    } else if (mode == 2) {
        if (m.Entry == m.Answer) {
            cell->setBackStyle(form::BackStyle::Transparent);
            PlayEffect(game, SoundNo::Right);
        } else {
            cell->setBackColor(BoardColour::WrongCell);
            PlayEffect(game, SoundNo::Wrong);
        }
    }
    showBars(f.shpRollCell2, left, top, s.RollTravel2, false);
    showBars(f.shpRollCell1, left, top, s.RollTravel1, true);
    WaitTime(0.1);
    if (!stillThere())
        return;
    showBars(f.shpRollCell1, left, top, s.RollTravel1, false);
    cell->setCaption(game.cross.Mas[cellIndex].Entry);
    s.MasBusy = 0;
}
