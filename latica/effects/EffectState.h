#pragma once

// The kept values of the stage effects (filled by the effects themselves).
struct EffectState {
    int ShadowOffset = 2;
};
