#include "TalkEngine.h"
#include "Talk.h"

#include "form/Shape.h"
#include "model/Game.h"

#include <cstdio>

TalkEngine::TalkEngine() = default;
TalkEngine::~TalkEngine() = default;

void TalkEngine::reportDataError(const QString& what)
{
    dataErrors.append(what);
    std::fprintf(stderr, "latica: %s\n", what.toLocal8Bit().constData());
}

const TalkStyle& talkStyle(int style)
{
    static const TalkStyle styles[] = {
        {true, false, 0x00C000, 0xFFFF80},
        {true, false, 0x0080FF, 0x00FFFF},
        {true, false, 0xC0C000, 0x80FF80},
        {true, false, 0x0000C0, 0xFFC0C0},
        {false, true, 0xC00000, 0x00FFFF},
    };
    return styles[(style >= 1 && style <= 5 ? style : 1) - 1];
}

TalkEngine& talkEngine(Game& game)
{
    if (!game.talk)
        game.talk = std::make_shared<TalkEngine>();
    return *game.talk;
}
