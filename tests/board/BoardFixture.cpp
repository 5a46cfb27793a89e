#include "BoardFixture.h"

#include "play/GameTick.h"

void BoardFixture::KumiTickNow()
{
    KumiTick(game);
}
