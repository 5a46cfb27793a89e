#include "Cursor.h"

#include "BoardView.h"
#include "CrossTitle.h"
#include "CellRoll.h"
#include "KeypadLink.h"
#include "PlaySounds.h"
#include "records/Boards.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

void setCellColour(Game& game, int cell, unsigned colour)
{
    if (form::Label* label = game.frmMain->lblCell.find(cell))
        label->setBackColor(colour);
}

void clearKeypadDisplay(Game& game)
{
    if (game.KeypadMode == 1)
        KeypadClearDisplay(game);
}

// Whether any cell of the word through n in the given direction is in the current word.
bool wordTouchesCurrent(const Game& game, int n, bool across)
{
    const Puzzle& p = game.cross;
    const int q = across ? p.Mas[n].AcrossQues : p.Mas[n].DownQues;
    if (q <= 0 || q > p.QuesNmbMax)
        return false;
    const QuesData& w = p.Ques[q];
    const int step = across ? 1 : p.MasLineLen;
    for (int i = 0; i < w.Length; ++i) {
        if (p.Mas[w.StartMas + i * step].InWord > 0)
            return true;
    }
    return false;
}

void ClickOtherMas(Game& game, int n)
{
    Puzzle& p = game.cross;
    if (p.Mas[n].InWord > 0) {
        PlayEffect(game, SoundNo::Selected);
        MoveCursor(game, game.play.CursorMas, n);
        return;
    }
    const int step = ChooseStepForMas(game, n);
    if (step == 0) {
        PlayEffect(game, SoundNo::Refused);
        return;
    }
    ClearWordMark(game, game.play.CursorStep);
    SelectWord(game, n, step);
    clearKeypadDisplay(game);
}

} // namespace

void ShowClue(Game& game, int q)
{
    MainForm& f = *game.frmMain;
    const QString& clue = game.cross.Ques[q].QuesText;
    f.lblQuesNmb->setCaption(fullWidthNumber(q));
    f.lblQues->setFontSize(clue.size() <= 39 ? 14 : clue.size() <= 47 ? 12 : 10);
    f.lblQues->setCaption(clue);
}

void SelectWord(Game& game, int n, int step)
{
    MainForm& f = *game.frmMain;
    PlayState& s = game.play;
    Puzzle& p = game.cross;
    PlayEffect(game, SoundNo::Selected);
    const int q = step == 1 ? p.Mas[n].AcrossQues : p.Mas[n].DownQues;
    if (q <= 0 || q > p.QuesNmbMax)
        return; // no word runs through n in that direction
    s.WordStart = p.Ques[q].StartMas;
    s.WordLength = p.Ques[q].Length;
    s.CurQues = step == 1 ? p.Mas[s.WordStart].AcrossNmb : p.Mas[s.WordStart].DownNmb;
    for (int i = 0; i < s.WordLength; ++i) {
        const int cell = s.WordStart + i * step;
        setCellColour(game, cell, BoardColour::WordCell);
        p.Mas[cell].InWord = step;
    }
    ShowClue(game, s.CurQues);
    if (s.CursorStep != step) {
        f.picControler(1)->setVisible(step == 1);
        f.picControler(2)->setVisible(step != 1);
        s.CursorStep = step;
    }
    setCellColour(game, n, BoardColour::CursorCell);
    s.CursorMas = n;
}

void ClearWordMark(Game& game, int step)
{
    PlayState& s = game.play;
    Puzzle& p = game.cross;
    for (int i = 0; i < s.WordLength; ++i) {
        const int cell = s.WordStart + i * step;
        if (cell < 0 || cell > p.MasLast)
            break;
        setCellColour(game, cell, BoardColour::EmptyCell);
        p.Mas[cell].InWord = 0;
    }
    game.frmMain->lblQuesNmb->setCaption(QString());
    game.frmMain->lblQues->setCaption(QString());
    s.CurQues = 0;
}

void MoveCursor(Game& game, int from, int to)
{
    setCellColour(game, from, BoardColour::WordCell);
    setCellColour(game, to, BoardColour::CursorCell);
    game.play.CursorMas = to;
}

void MoveCursorBy(Game& game, int d)
{
    MoveCursor(game, game.play.CursorMas, game.play.CursorMas + d);
}

void ClickMas(Game& game, int n)
{
    Puzzle& p = game.cross;
    if (n < 0 || n > p.MasLast || p.Mas[n].Kind == 1) {
        PlayEffect(game, SoundNo::Refused);
        return;
    }
    if (game.play.CurQues == 0) {
        SelectWordByKind(game, n);
        return;
    }
    if (n == game.play.CursorMas) {
        PlayEffect(game, SoundNo::Refused);
        return;
    }
    ClickOtherMas(game, n);
}

void SelectWordByKind(Game& game, int n)
{
    const Puzzle& p = game.cross;
    const MasData& m = p.Mas[n];
    switch (m.Kind) {
    case 2: SelectWord(game, n, 1); break;
    case 3: SelectWord(game, n, p.MasLineLen); break;
    case 4:
        if (m.AcrossNmb != 0)
            SelectWord(game, n, 1);
        else if (m.DownNmb != 0)
            SelectWord(game, n, p.MasLineLen);
        else
            SelectWord(game, n, game.play.CursorStep == 0 ? 1 : game.play.CursorStep);
        break;
    default: break;
    }
}

int ChooseStepForMas(Game& game, int n)
{
    const Puzzle& p = game.cross;
    const MasData& m = p.Mas[n];
    switch (m.Kind) {
    case 2: return 1;
    case 3: return p.MasLineLen;
    case 4:
        if (wordTouchesCurrent(game, n, true))
            return 1;
        if (wordTouchesCurrent(game, n, false))
            return p.MasLineLen;
        if (m.AcrossNmb != 0)
            return 1;
        if (m.DownNmb != 0)
            return p.MasLineLen;
        return game.play.CursorStep == 0 ? 1 : game.play.CursorStep;
    default: return 0;
    }
}

void MoveInWord(Game& game, int d)
{
    PlayState& s = game.play;
    const Puzzle& p = game.cross;
    const int neighbour = d == 1 ? s.CursorMas - s.CursorStep : s.CursorMas + s.CursorStep;
    if (s.CursorStep == 0 || neighbour < 0 || neighbour > p.MasLast || p.Mas[neighbour].InWord != s.CursorStep) {
        PlayEffect(game, SoundNo::Refused);
        return;
    }
    PlayEffect(game, SoundNo::Moved);
    MoveCursorBy(game, d == 1 ? -s.CursorStep : s.CursorStep);
    if (s.ScrollMode != 0)
        ScrollFollowCursor(game);
}

void MoveToWord(Game& game, int d)
{
    PlayState& s = game.play;
    const Puzzle& p = game.cross;
    const int top = p.DownQuesTop;
    int next;
    if (d == 1)
        next = s.CurQues == 1 ? top - 1 : s.CurQues == top ? p.QuesNmbMax : s.CurQues - 1;
    else
        next = s.CurQues == top - 1 ? 1 : s.CurQues == p.QuesNmbMax ? top : s.CurQues + 1;
    // A puzzle with words of one direction only has one ring.
    if (next < 1 || next > p.QuesNmbMax)
        next = d == 1 ? p.QuesNmbMax : 1;
    const int step = next < top ? 1 : p.MasLineLen;
    ClearWordMark(game, s.CursorStep);
    SelectWord(game, p.Ques[next].StartMas, step);
    clearKeypadDisplay(game);
    ShowCurrentWord(game);
}

void TurnWord(Game& game)
{
    PlayState& s = game.play;
    const Puzzle& p = game.cross;
    if (p.Mas[s.CursorMas].Kind != 4) {
        PlayEffect(game, SoundNo::Refused);
        return;
    }
    if (s.CursorStep == 1) {
        ClearWordMark(game, 1);
        SelectWord(game, s.CursorMas, p.MasLineLen);
    } else {
        ClearWordMark(game, p.MasLineLen);
        SelectWord(game, s.CursorMas, 1);
    }
    clearKeypadDisplay(game);
}

void EraseMas(Game& game)
{
    MasData& m = game.cross.Mas[game.play.CursorMas];
    if (m.Entry != QStringLiteral("　")) {
        m.PrevEntry = m.Entry;
        m.Entry = QStringLiteral("　");
        KeepBoard(game);
        DrawCross(game, 1);
    } else {
        PlayEffect(game, SoundNo::Moved);
    }
}

void UndoMas(Game& game)
{
    MasData& m = game.cross.Mas[game.play.CursorMas];
    std::swap(m.Entry, m.PrevEntry);
    KeepBoard(game);
    DrawCross(game, 1);
}
