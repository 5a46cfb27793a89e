#pragma once
#include "model/PlayFilePath.h"

#include <QString>

struct Game;

// Reads puzzle n of the chosen play file into the board's model and updates the title
// displays. On failure the model and displays stay as they were, the reason goes to
// *error, and the result is 0; on success 1.
int ReadCrossFile(Game& game, int n, QString* error = nullptr);

