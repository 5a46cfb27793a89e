#include "SpotEffect.h"

#include "EffectCodes.h"
#include "EffectTables.h"
#include "cast/Anim.h"
#include "form/Blt.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

void parkSpot(Game& game)
{
    form::PictureBox* spot = game.frmMain->picSpotStage;
    spot->sendToBack();
    spot->setGeometry(game.stage.StageWidth, 0, game.stage.StageWidth, game.stage.StageHeight);
}

} // namespace

void InitSpotStage(Game& game)
{
    MainForm& f = *game.frmMain;
    f.picSpotStage->setBorder(false);
    f.picSpotStage->setContainer(f.picStage);
    parkSpot(game);
    f.picSpotStage->setEnabled(false);
}

void HideSpotStage(Game& game)
{
    game.frmMain->picSpotStage->hide();
    parkSpot(game);
    StartAnim(game);
}

void ZoomSpot(Game& game, int cx, int cy, int zoom, int mode)
{
    EffectState& st = game.effects;
    const EffectCodes codes{{&zoom, &st.SpotZoom}};
    if (zoom < effects::SpotZoomMin || zoom > effects::SpotZoomMax || (mode != 0 && mode != 1))
        return;
    // The stage keeps moving while it is magnified.
    StartAnim(game);
    codes.keep(st);
    st.SpotMode = mode;

    MainForm& f = *game.frmMain;
    const int w = game.stage.StageWidth;
    const int h = game.stage.StageHeight;
    form::PictureBox* spot = f.picSpotStage;
    // Sized as well as placed: a shake leaves the overlay at 1 x 1.
    spot->setGeometry(0, 0, w, h);
    spot->bringToFront();
    spot->show();

    const int first = mode == 1 ? 101 : zoom - 1;
    const int last = mode == 1 ? zoom : 100;
    const int dir = mode == 1 ? 1 : -1;
    for (int s = first; dir * s <= dir * last; s += dir) {
        const QRect from = effects::spotSourceRect(w, h, cx, cy, s);
        form::stretchBlt(spot->canvas(), 0, 0, w, h, f.picStage->canvas(), from.x(), from.y(),
                         from.width(), from.height());
        spot->refresh();
        CountEffectStep(st);
        form::doEvents();
    }

    StopAnim(game);
}
