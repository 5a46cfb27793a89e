#include "TalkEvents.h"

#include "shell/Game.h"

void ConnectTalkEvents(Game&)
{
    // The talk engine wires its controls here.
}
