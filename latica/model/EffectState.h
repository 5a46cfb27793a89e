#pragma once
#include <functional>

// The stage effects' own state: the shadow distance of the word labels and the codes each
// effect was last given. An effect called with code 0 uses the code it kept; the kept
// codes start at 0, so the first call of each effect passes all of them.
struct EffectState {
    int ShadowOffset = 2;  // the shadow label stands this far right of and below the word

    // ZoomUpWord
    int ZoomWordColour = 0;
    int ZoomWordSize = 0;
    int ZoomWordGrowth = 0;
    // SlideWord
    int SlideWordColour = 0;
    int SlideWordSize = 0;
    int SlideWordSpeed = 0;
    // ShakeStage
    int ShakeAxis = 0;
    int ShakeAmplitude = 0;
    int ShakeSpeed = 0;
    // StripeStage
    int StripeColour = 0;
    // ZoomSpot
    int SpotZoom = 0;
    int SpotMode = 0;

    // Steps made by the last effect (word steps, shake steps, stripe passes, zoom frames).
    int LastSteps = 0;
    // Called after each step of an effect, with its controls in place; lets a caller (the
    // tests, a debug view) follow an effect while it runs.
    std::function<void()> onStep;
};
