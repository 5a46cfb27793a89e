#pragma once
// A Standard MIDI File writer (format 1: a conductor track, then one track per part).
#include <cstdint>
#include <string>
#include <vector>

namespace gensound {

struct Note {
    double beat;   // start, in quarter notes from the beginning
    double length; // in quarter notes
    int pitch;     // MIDI note number
    int velocity;  // 1..127
};

struct Part {
    std::string name;  // track name (ASCII)
    int channel;       // 0..15; 9 is the General MIDI drum channel
    int program;       // General MIDI program 0..127 (not sent on the drum channel)
    int volume;        // controller 7
    int pan;           // controller 10, 64 = centre
    int reverb;        // controller 91
    std::vector<Note> notes;
};

struct Song {
    std::string title;
    int bpm;
    int keySharps;     // key signature: sharps (> 0) or flats (< 0)
    double lengthBeats; // where every track ends (4/4 time)
    std::vector<Part> parts;
};

constexpr int TicksPerQuarter = 480;

std::vector<std::uint8_t> encodeMidi(const Song& song);
bool writeMidi(const std::string& path, const Song& song);

} // namespace gensound
