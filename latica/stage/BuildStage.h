#pragma once

struct Game;

// The one-time construction of the main window: size and place, frame pictures,
// read-outs, cell metrics, the opening stage with the family, the talk engine, sound and
// effects, and the two fixed talkers.
void BuildStage(Game& game);
// One family member runs its idle loop once and takes a random face.
void RandomFamilyFace(Game& game);
