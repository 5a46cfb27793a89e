#include "TimedEvents.h"

#include "cast/GalFace.h"
#include "form/Clock.h"
#include "model/Game.h"

int IdleMinutes(const Game& game)
{
    return static_cast<int>((form::Clock::instance().monotonicSeconds() - game.play.LastKeyMoment) / 60);
}

int AdviceStageForFace(int face, int stage)
{
    switch (face) {
    case 1: return 5;
    case 2: return 3;
    case 3: return 1;
    case 4:
    case 5: return 0;
    default: return stage;
    }
}

// After advice the adviser cheers up over time, and advice gets cheaper again.
void ImproveMood(Game& game)
{
    PlayState& s = game.play;
    if (s.AdviceStage == 0 || game.random.RandomFrom1(2) != 1)
        return;
    s.AdviceStage = AdviceStageForFace(game.gal.GalFaceNo, s.AdviceStage);
    ChangeGalFace(game, QStringLiteral("+1"));
}

void ToggleCastState(Game& game)
{
    if (!game.casts.valid(game.scene.BackSpriteCast))
        return;
    CastRecord& sprite = game.casts[game.scene.BackSpriteCast];
    if (sprite.MoveDirection == 4)
        sprite.MoveDirection = 6;
    else if (sprite.MoveDirection == 6)
        sprite.MoveDirection = 4;
}
