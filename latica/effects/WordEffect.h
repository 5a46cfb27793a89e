#pragma once
#include <QString>

struct Game;

// Words shown over the stage with a white shadow: lblWordEf(0) is the shadow, lblWordEf(1)
// the coloured word. Codes given as 0 take the value the effect kept from its last call;
// a call whose codes fall outside the tables does nothing.

// Parks both word labels on the stage: invisible, disabled, 1 x 1 at (-1, -1), empty.
void InitWordEffect(Game& game);

// A word that grows out of the middle of the stage and rises until it reaches its end
// size or leaves the top edge; 0.05 s per step.
void ZoomUpWord(Game& game, const QString& text, int colour, int size, int growth);

// A word that slides in from an edge in the keypad direction (2 down, 4 left, 6 right,
// 8 up); 0.05 s per step.
void SlideWord(Game& game, const QString& text, int direction, int colour, int size, int speed);
