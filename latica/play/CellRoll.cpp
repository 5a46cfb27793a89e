#include "CellRoll.h"

#include "PlaySounds.h"
#include "effects/Wait.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

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

void DrawCross(Game& game, int mode)
{
    MainForm& f = *game.frmMain;
    PlayState& s = game.play;
    const int cellIndex = s.CursorMas;
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
