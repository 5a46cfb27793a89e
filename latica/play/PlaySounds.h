#pragma once

struct Game;

// Plays effect k of the sound-name table (1 "ピポポン" .. 7 "正解").
void PlayEffect(Game& game, int k);
// Fills the sound-name table as the play scene does.
void FillSoundNames(Game& game);
