#include "PlayFilePath.h"

#include "Game.h"
#include "form/ProgramFolder.h"

QString PlayFilePath(const Game& game)
{
    return form::ProgramFolder::resolveIn(game.PlayFileFolder, game.PlayFileTitle);
}
