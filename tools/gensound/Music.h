#pragma once
#include "Midi.h"

namespace gensound {

// "BGMテーマ曲": a gentle theme in F major (flute, piano, warm pad, bass), about 37 s,
// ending on the tonic so that it can start again.
Song themeSong();
// "BGM挿入曲1": a livelier piece in G major (marimba, guitar, bass, drums), about 29 s.
Song insertSong();

// Parses a line of notes such as "C5:1 Bb4:.5 R:.5" (name, octave, length in beats;
// R is a rest) into notes from `beat` on. Returns the beat after the last note.
double addMelody(std::vector<Note>& notes, double beat, const char* line, int velocity, double legato);

} // namespace gensound
