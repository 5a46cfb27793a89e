#include "SetCross.h"

#include "BoardView.h"
#include "playfile/CrossFile.h"
#include "Cursor.h"
#include "GameTick.h"
#include "ReadCrossFile.h"
#include "model/Game.h"
#include "records/Boards.h"
#include "window/MainForm.h"

namespace {

void showEntries(Game& game)
{
    const Puzzle& p = game.cross;
    for (int r = 1; r <= p.MasMaxY; ++r)
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const MasData& m = p.Mas[size_t(p.index(r, c))];
            if (m.Kind != 1)
                game.frmMain->lblCell(p.index(r, c))->setCaption(m.Entry);
        }
}

} // namespace

int SetCross(Game& game, int n, QString* error)
{
    MainForm& f = *game.frmMain;
    // The puzzle leaving the board keeps what was written into it.
    KeepBoard(game);
    if (ReadCrossFile(game, n, error) == 0)
        return 0;
    // Labels left by a previous puzzle go, whoever forgot to unload them.
    for (int i : f.lblCell.indices()) {
        if (i != 0)
            f.lblCell.unload(i);
    }
    game.CurCross = n;
    SetMasQuesNmb(game.cross);
    SetQuesAnswer(game.cross);

    LayoutCrossBase(game);
    f.picCrossStage->setVisible(true);
    LoadMasLabels(game, 1);
    InitMasLabels(game);
    // The player goes on where they stopped, on the clock too.
    int keptSeconds = 0;
    if (RestoreBoard(game, &keptSeconds))
        showEntries(game);
    f.picCrossStage->setFocus();

    PlayState& s = game.play;
    s.CurQues = 0;
    s.PendingInput.clear();
    s.CursorMas = game.cross.Ques[1].StartMas;
    ClickMas(game, s.CursorMas);
    s.AdviceStage = 0;
    s.NoOtherCross = 0;
    game.AnswerOpenBusy = 0;
    ResetPlayClock(game);
    s.LastKeyTime = s.PlayStart;
    s.LastKeyMoment = s.PlayStartTime;
    ContinuePlayClock(game, keptSeconds);
    s.EntryCount = 0;
    f.tmrKumi.setEnabled(true);
    return 1;
}

bool CrossOnBoard(const Game& game)
{
    const Puzzle& p = game.cross;
    return game.CurCross >= 1 && p.QuesNmbMax >= 1 && !p.Mas.empty();
}

void LoadMasLabels(Game& game, int mode)
{
    MainForm& f = *game.frmMain;
    const Puzzle& p = game.cross;
    ++game.play.BoardSerial;
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            if (mode == 1 && !f.lblCell.exists(i))
                f.lblCell.load(i);
            else if (mode == 0 && i != 0)
                f.lblCell.unload(i);
        }
    }
}

void InitMasLabels(Game& game)
{
    MainForm& f = *game.frmMain;
    const Puzzle& p = game.cross;
    const PlayState& s = game.play;
    for (int r = 1; r <= p.MasMaxY; ++r) {
        for (int c = 1; c <= p.MasMaxX; ++c) {
            const int i = p.index(r, c);
            form::Label* cell = f.lblCell(i);
            cell->bringToFront();
            cell->move((c - 1) * s.CellW, (r - 1) * s.CellH);
            cell->setCaption(QStringLiteral("　"));
            cell->setVisible(true);
            cell->setBackStyle(form::BackStyle::Opaque);
            cell->setBackColor(p.Mas[i].Kind == 1 ? BoardColour::BlackCell : BoardColour::EmptyCell);
        }
    }
}
