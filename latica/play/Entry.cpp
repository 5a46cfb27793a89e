#include "Entry.h"

#include "BoardView.h"
#include "CellRoll.h"
#include "Cursor.h"
#include "KeypadLink.h"
#include "PlaySounds.h"
#include "form/Clock.h"
#include "form/KeyCodes.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "records/Boards.h"
#include "window/MainForm.h"

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
        // On disk before the roll starts: a crash in the roll loses nothing.
        KeepBoard(game);
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
