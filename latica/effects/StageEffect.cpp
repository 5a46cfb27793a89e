#include "StageEffect.h"

#include "EffectCodes.h"
#include "EffectTables.h"
#include "Wait.h"
#include "cast/Anim.h"
#include "form/Blt.h"
#include "form/Clock.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

constexpr double ShakeDuration = 1.0;
constexpr int StripeSpacing = 8;

} // namespace

void ShakeStage(Game& game, int axis, int amplitude, int speed)
{
    EffectState& st = game.effects;
    const EffectCodes codes{{&axis, &st.ShakeAxis}, {&amplitude, &st.ShakeAmplitude}, {&speed, &st.ShakeSpeed}};
    const int a = effects::shakeAmplitude(amplitude);
    const double stepTime = effects::shakeStepTime(speed);
    if (!effects::validShakeAxis(axis) || a == 0 || stepTime < 0)
        return;
    codes.keep(st);

    MainForm& f = *game.frmMain;
    const int w = game.stage.StageWidth;
    const int h = game.stage.StageHeight;
    form::PictureBox* spot = f.picSpotStage;

    // The shake moves a still copy of the stage.
    StopAnim(game);
    spot->setGeometry(0, 0, w, h);
    form::bitBlt(spot->canvas(), 0, 0, w, h, f.picStage->canvas(), 0, 0);
    spot->bringToFront();
    spot->show();
    spot->refresh();

    const form::Clock& clock = form::Clock::instance();
    const double end = clock.monotonicSeconds() + ShakeDuration;
    while (clock.monotonicSeconds() < end) {
        const int first = effects::shakeOffset(a, game.random.next());
        const int second = effects::shakeOffset(a, game.random.next());
        if (axis == 28)
            spot->setTop(second);
        else if (axis == 46)
            spot->setLeft(first);
        else
            spot->move(first, second);
        CountEffectStep(st);
        WaitTime(stepTime);
    }

    StartAnim(game);
    spot->hide();
    spot->sendToBack();
    spot->setGeometry(w, 0, 1, 1);
}

void StripeStage(Game& game, int axis, int colour, double seconds)
{
    EffectState& st = game.effects;
    const EffectCodes codes{{&colour, &st.StripeColour}};
    if (!effects::validStripeAxis(axis) || !effects::validColourCode(colour))
        return;
    codes.keep(st);
    const form::Colour paint = effects::colourOf(colour);

    MainForm& f = *game.frmMain;
    form::PictureBox* stage = f.picStage;
    const int w = game.stage.StageWidth;
    const int h = game.stage.StageHeight;
    StopAnim(game);
    stage->setAutoRedraw(false);

    const int extent = axis == 28 ? w : h;
    for (int k = 0; k < StripeSpacing; ++k) {
        for (int j = 0; j <= extent; j += StripeSpacing) {
            if (axis == 28)
                stage->line(k + j, 0, k + j, h, paint);
            else
                stage->line(0, k + j, w, k + j, paint);
        }
        CountEffectStep(st);
        WaitTime(seconds);
    }

    // The next animation tick paints the stage over the stripes.
    stage->setAutoRedraw(true);
    StartAnim(game);
}
