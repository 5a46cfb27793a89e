#pragma once
#include "support/GameFixture.h"

#include "cast/Anim.h"
#include "effects/SpotEffect.h"
#include "effects/WordEffect.h"
#include "form/Clock.h"
#include "form/Pump.h"

#include <QImage>
#include <QPoint>

// A shown main window whose stage looks onto a world painted with a coordinate pattern
// (every pixel tells where it lies), the animation wired, and the effect controls parked
// as the stage build leaves them. Waits run on a sped-up time source.
class EffectFixture : public GameFixture {
protected:
    void SetUp() override { SetUp(148, 116); }
    void SetUp(int width, int height)
    {
        form::Clock::instance().setSpeed(50);
        window.tmrAnim.onTick = [this] { AnimTick(game); };
        window.show();
        SetStageRect(game, 10, 10, width, height);
        SetWorldSize(game, width, height, 1);
        paintPattern(window.picWorld->canvas(), width, height);
        ShowStage(game);
        InitWordEffect(game);
        InitSpotStage(game);
        AnimTick(game);  // the stage now shows the pattern
    }
    void TearDown() override
    {
        StopAnim(game);
        game.effects.onStep = nullptr;
        form::Clock::instance().setSpeed(1);
    }

    // Pixel (x, y) of the pattern: red x, green y (low bytes), blue marks the high bits
    // and is never below 0x80, so no pattern pixel is pure black, white or a table colour.
    static QRgb patternAt(int x, int y)
    {
        return qRgb(x & 0xFF, y & 0xFF, 0x80 | ((x >> 8) << 2) | (y >> 8));
    }
    static bool isPattern(QRgb pixel) { return (qBlue(pixel) & 0x80) != 0 && qBlue(pixel) < 0x90; }
    static QPoint decode(QRgb pixel)
    {
        const int b = qBlue(pixel) & 0x7F;
        return QPoint(qRed(pixel) | ((b >> 2) << 8), qGreen(pixel) | ((b & 3) << 8));
    }
    static void paintPattern(QImage& image, int width, int height)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, patternAt(x, y));
    }

    QImage& stageImage() { return window.picStage->canvas(); }
    int W() const { return game.stage.StageWidth; }
    int H() const { return game.stage.StageHeight; }
};
