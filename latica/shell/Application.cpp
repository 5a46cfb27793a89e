#include "Application.h"

#include "DataFailure.h"
#include "DebugReport.h"
#include "EndProgram.h"
#include "model/Game.h"

void ConnectApplication(Game& game)
{
    game.app.endProgram = [](Game& g) { CloseProgram(g); };
    game.app.dataFailure = [](Game& g, const QString& what) { ShowDataFailure(g, what); };
    game.app.writeDebugReport = [](Game& g) { ShowDebugReport(g); };
}
