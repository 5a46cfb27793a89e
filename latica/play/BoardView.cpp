#include "BoardView.h"

#include "PlaySounds.h"
#include "ViewRules.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

// The board window's top-left corner in the main window.
constexpr int BaseLeft = 129;
constexpr int BaseTop = 98;

int stageLeft(const PlayState& s) { return -(s.CrossViewX - 1) * s.CellW; }
int stageTop(const PlayState& s) { return -(s.CrossViewY - 1) * s.CellH; }

int columnOf(const Game& game, int cell) { return cell % game.cross.MasLineLen; }
int rowOf(const Game& game, int cell) { return cell / game.cross.MasLineLen; }

} // namespace

void MeasureBoardCells(Game& game)
{
    MainForm& f = *game.frmMain;
    PlayState& s = game.play;
    s.CellW = f.lblCell(0)->width();
    s.CellH = f.lblCell(0)->height();
    for (int i = 0; i <= 1; ++i) {
        f.shpRollCell1(i)->setHeight(s.CellH);
        f.shpRollCell1(i)->setWidth(s.CellW / 7);
        f.shpRollCell2(i)->setHeight(s.CellH);
        f.shpRollCell2(i)->setWidth(s.CellW / 3);
    }
    s.RollBarWidth1 = f.shpRollCell1(0)->width();
    s.RollBarWidth2 = f.shpRollCell2(0)->width();
    s.RollTravel1 = f.lblCell(0)->width() - s.RollBarWidth1;
    s.RollTravel2 = f.lblCell(0)->width() - s.RollBarWidth2;
}

void LayoutCrossBase(Game& game)
{
    MainForm& f = *game.frmMain;
    PlayState& s = game.play;
    const Puzzle& p = game.cross;
    s.CrossViewMaxX = std::max(1, p.MasMaxX - 10);
    s.CrossViewMaxY = std::max(1, p.MasMaxY - 9);
    s.CrossViewX = 1;
    s.CrossViewY = 1;

    const int stageWidth = s.CellW * p.MasMaxX;
    const int stageHeight = s.CellH * p.MasMaxY;
    f.picCrossStage->setGeometry(0, 0, stageWidth, stageHeight);

    const bool wide = s.CrossViewMaxX > 1;
    const bool tall = s.CrossViewMaxY > 1;
    const int left = wide ? BaseLeft : BaseLeft + (ViewColumns * s.CellW - stageWidth) / 2;
    const int top = tall ? BaseTop : BaseTop + (ViewRows * s.CellH - stageHeight) / 2;
    const int width = wide ? ViewColumns * s.CellW : stageWidth;
    const int height = tall ? ViewRows * s.CellH : stageHeight;
    f.picCrossBase->setGeometry(left, top, width, height);
    f.picCrossStageMoveH->setVisible(wide);
    f.picCrossStageMoveV->setVisible(tall);
    s.ScrollMode = (wide ? 1 : 0) + (tall ? 2 : 0);
}

void ScrollCrossH(Game& game, int button)
{
    PlayState& s = game.play;
    s.CrossViewX = scrolledView(button, s.CrossViewX, s.CrossViewMaxX);
    form::PictureBox* stage = game.frmMain->picCrossStage;
    if (stageLeft(s) == stage->left()) {
        PlayEffect(game, SoundNo::Refused);
    } else {
        PlayEffect(game, SoundNo::Moved);
        stage->setLeft(stageLeft(s));
    }
}

void ScrollCrossV(Game& game, int button)
{
    PlayState& s = game.play;
    s.CrossViewY = scrolledView(button, s.CrossViewY, s.CrossViewMaxY);
    form::PictureBox* stage = game.frmMain->picCrossStage;
    if (stageTop(s) == stage->top()) {
        PlayEffect(game, SoundNo::Refused);
    } else {
        PlayEffect(game, SoundNo::Moved);
        stage->setTop(stageTop(s));
    }
}

void ScrollFollowCursor(Game& game)
{
    PlayState& s = game.play;
    form::PictureBox* stage = game.frmMain->picCrossStage;
    if (s.CursorStep == 1) {
        if (s.ScrollMode == 2)
            return;
        const int view = followView(columnOf(game, s.CursorMas), s.CrossViewX, ViewColumns);
        if (view != s.CrossViewX) {
            s.CrossViewX = view;
            stage->setLeft(stageLeft(s));
        }
    } else if (s.CursorStep >= 2) {
        if (s.ScrollMode == 1)
            return;
        const int view = followView(rowOf(game, s.CursorMas), s.CrossViewY, ViewRows);
        if (view != s.CrossViewY) {
            s.CrossViewY = view;
            stage->setTop(stageTop(s));
        }
    }
}

namespace {

int wordColumnView(const Game& game)
{
    const PlayState& s = game.play;
    return wordViewColumn(s.CursorStep == 1, columnOf(game, s.WordStart), s.WordLength, s.CrossViewX,
                          s.CrossViewMaxX);
}

int wordRowView(const Game& game)
{
    const PlayState& s = game.play;
    return wordViewRow(s.CursorStep == 1, rowOf(game, s.WordStart), s.WordLength, s.CrossViewY, s.CrossViewMaxY);
}

} // namespace

void ShowWordH(Game& game)
{
    PlayState& s = game.play;
    const int view = wordColumnView(game);
    if (view != s.CrossViewX) {
        s.CrossViewX = view;
        game.frmMain->picCrossStage->setLeft(stageLeft(s));
    }
}

void ShowWordV(Game& game)
{
    PlayState& s = game.play;
    const int view = wordRowView(game);
    if (view != s.CrossViewY) {
        s.CrossViewY = view;
        game.frmMain->picCrossStage->setTop(stageTop(s));
    }
}

void ShowWordHV(Game& game)
{
    PlayState& s = game.play;
    const int viewX = wordColumnView(game);
    const int viewY = wordRowView(game);
    if (viewX == s.CrossViewX && viewY == s.CrossViewY)
        return;
    s.CrossViewX = viewX;
    s.CrossViewY = viewY;
    game.frmMain->picCrossStage->move(stageLeft(s), stageTop(s));
}

void ShowCurrentWord(Game& game)
{
    switch (game.play.ScrollMode) {
    case 1: ShowWordH(game); break;
    case 2: ShowWordV(game); break;
    case 3: ShowWordHV(game); break;
    default: break;
    }
}
