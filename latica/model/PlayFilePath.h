#pragma once
#include <QString>

struct Game;

// The chosen play file on disk: PlayFileFolder + PlayFileTitle with the name matched
// without regard to case, so that a file chosen as "Puzzle.KMI" (title "Puzzle.kmi") is
// found.
QString PlayFilePath(const Game& game);
