#include "AppRequests.h"

#include "Game.h"
#include "form/Pump.h"

#include <cstdio>

void EndProgram(Game& game)
{
    if (game.app.endProgram)
        game.app.endProgram(game);
    // Without an application (a tool that links the game's code) the process just ends.
    form::endProcess(0);
}

void DataFailure(Game& game, const QString& what)
{
    if (game.app.dataFailure)
        game.app.dataFailure(game, what);
    std::fprintf(stderr, "latica: %s\n", what.toLocal8Bit().constData());
    form::endProcess(1);
}

void WriteDebugReport(Game& game)
{
    if (game.app.writeDebugReport)
        game.app.writeDebugReport(game);
}
