#include "FaceTalk.h"

#include "Talk.h"
#include "cast/GalFace.h"
#include "model/Game.h"

void ChangeGalFaceWithTalk(Game& game, int talk, const QString& code)
{
    if (!game.casts.valid(game.gal.GalCast))
        return;
    GalFaceBeforeTalk(game, code);
    AdviserTalk(game, talk);
    GalFaceAfterTalk(game);
}
