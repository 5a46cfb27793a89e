#include "WordEffect.h"

#include "EffectCodes.h"
#include "EffectTables.h"
#include "Wait.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

constexpr double WordStepTime = 0.05;
constexpr int RisePerStep = 10;

// A kept code replaces a 0 argument.
void parkWordLabel(form::Label& label, form::PictureBox* stage)
{
    label.setContainer(stage);
    label.setVisible(false);
    label.setEnabled(false);
    // Caption and size first: the labels size themselves to their caption, and the
    // parked size is 1 x 1.
    label.setCaption(QString());
    label.setFontSize(1);
    label.setGeometry(-1, -1, 1, 1);
    label.bringToFront();
}

void parkWordLabels(Game& game)
{
    MainForm& f = *game.frmMain;
    parkWordLabel(*f.lblWordEf(0), f.picStage);
    parkWordLabel(*f.lblWordEf(1), f.picStage);
}

// Shadow at (x, y) + ShadowOffset, word at (x, y); the word stays above its shadow.
void placeWord(Game& game, int x, int y)
{
    MainForm& f = *game.frmMain;
    const int offset = game.effects.ShadowOffset;
    f.lblWordEf(0)->move(x + offset, y + offset);
    f.lblWordEf(1)->move(x, y);
}

void showWord(Game& game)
{
    MainForm& f = *game.frmMain;
    f.lblWordEf(0)->bringToFront();
    f.lblWordEf(1)->bringToFront();
    for (int i = 0; i <= 1; ++i) {
        f.lblWordEf(i)->setEnabled(true);
        f.lblWordEf(i)->setVisible(true);
    }
}

void hideWord(Game& game)
{
    game.frmMain->lblWordEf(0)->setVisible(false);
    game.frmMain->lblWordEf(1)->setVisible(false);
}

void setWordFontSize(Game& game, int points)
{
    game.frmMain->lblWordEf(0)->setFontSize(points);
    game.frmMain->lblWordEf(1)->setFontSize(points);
}

void setWordCaption(Game& game, const QString& text)
{
    game.frmMain->lblWordEf(0)->setCaption(text);
    game.frmMain->lblWordEf(1)->setCaption(text);
}


} // namespace

void InitWordEffect(Game& game)
{
    parkWordLabels(game);
    game.effects.ShadowOffset = 2;
}

void ZoomUpWord(Game& game, const QString& text, int colour, int size, int growth)
{
    EffectState& st = game.effects;
    const EffectCodes codes{{&colour, &st.ZoomWordColour}, {&size, &st.ZoomWordSize}, {&growth, &st.ZoomWordGrowth}};
    const int startSize = effects::zoomStartSize(size);
    const int span = effects::zoomGrowthSpan(growth);
    if (!effects::validColourCode(colour) || startSize == 0 || span == 0)
        return;
    codes.keep(st);

    MainForm& f = *game.frmMain;
    form::Label& word = *f.lblWordEf(1);
    setWordFontSize(game, startSize);
    word.setForeColor(effects::colourOf(colour));
    const int endSize = startSize + span;

    // Over the spot overlay, the word has to live in the overlay to be seen.
    if (!f.picSpotStage->isHidden()) {
        f.lblWordEf(0)->setContainer(f.picSpotStage);
        f.lblWordEf(1)->setContainer(f.picSpotStage);
    }

    setWordCaption(game, text);
    const int stageWidth = game.stage.StageWidth;
    int y = game.stage.StageHeight / 2;
    int x = (stageWidth - word.width()) / 2;
    placeWord(game, x, y);
    showWord(game);

    for (int points = startSize; points <= endSize; points += growth) {
        WaitTime(WordStepTime);
        y -= RisePerStep;
        // Centred by the width before this step's growth.
        x = (stageWidth - word.width()) / 2;
        hideWord(game);
        setWordFontSize(game, points);
        placeWord(game, x, y);
        showWord(game);
        CountEffectStep(st);
        if (y + word.height() < 0)
            break;  // the word has left the top edge
    }

    parkWordLabels(game);
}

void SlideWord(Game& game, const QString& text, int direction, int colour, int size, int speed)
{
    EffectState& st = game.effects;
    const EffectCodes codes{{&colour, &st.SlideWordColour}, {&size, &st.SlideWordSize}, {&speed, &st.SlideWordSpeed}};
    const int points = effects::slideFontSize(size);
    const int step = effects::slideStep(speed);
    if (!effects::validSlideDirection(direction) || !effects::validColourCode(colour) ||
        points == 0 || step == 0)
        return;
    codes.keep(st);

    MainForm& f = *game.frmMain;
    form::Label& word = *f.lblWordEf(1);
    setWordFontSize(game, points);
    word.setForeColor(effects::colourOf(colour));
    setWordCaption(game, text);

    effects::SlidePath path = effects::slidePath(direction, game.stage.StageWidth,
                                                 game.stage.StageHeight, word.width(),
                                                 word.height(), step);
    placeWord(game, path.x, path.y);
    showWord(game);

    for (int i = 0; i < path.steps; ++i) {
        WaitTime(WordStepTime);
        path.x += path.dx;
        path.y += path.dy;
        hideWord(game);
        placeWord(game, path.x, path.y);
        showWord(game);
        CountEffectStep(st);
    }

    parkWordLabels(game);
}
