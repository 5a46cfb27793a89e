#include "PlaySounds.h"

#include "model/Game.h"

void PlayEffect(Game& game, int k)
{
    if (k >= 1 && k < static_cast<int>(game.SoundNames.size()))
        game.sound.PlaySound(game.SoundNames[k]);
}

void FillSoundNames(Game& game)
{
    game.SoundNames = {QString(),
                       QStringLiteral("ピポポン"),
                       QStringLiteral("ビィヨン"),
                       QStringLiteral("ザッ"),
                       QStringLiteral("ピイイン"),
                       QStringLiteral("ビュ"),
                       QStringLiteral("不正解"),
                       QStringLiteral("正解")};
}
