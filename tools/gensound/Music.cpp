// The two music pieces, written out note by note over a chord chart.
#include "Music.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>

namespace gensound {

double addMelody(std::vector<Note>& notes, double beat, const char* line, int velocity, double legato)
{
    std::istringstream in(line);
    std::string token;
    while (in >> token) {
        const size_t colon = token.find(':');
        const std::string name = token.substr(0, colon);
        const double length = std::atof(token.c_str() + colon + 1);
        if (name != "R") {
            static const int steps[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
            int pitch = steps[name[0] - 'A'];
            size_t i = 1;
            if (name[i] == 'b') {
                --pitch;
                ++i;
            } else if (name[i] == '#') {
                ++pitch;
                ++i;
            }
            pitch += 12 * (std::atoi(name.c_str() + i) + 1);
            notes.push_back({beat, length * legato, pitch, velocity});
        }
        beat += length;
    }
    return beat;
}

namespace {

struct Chord {
    double beat, length;
    int root;  // MIDI note of the root between C3 (48) and B3 (59)
    bool minor;
    int bass;  // MIDI note of the bass, an octave or two below
};

int third(const Chord& c)
{
    return c.minor ? 3 : 4;
}

struct Change {
    double length; // in beats
    int root;
    bool minor;
    int bass;
};

// Lays the chords one after another from the first beat.
std::vector<Chord> chart(std::initializer_list<Change> changes)
{
    std::vector<Chord> chords;
    for (const Change& c : changes) {
        const double beat = chords.empty() ? 0 : chords.back().beat + chords.back().length;
        chords.push_back({beat, c.length, c.root, c.minor, c.bass});
    }
    return chords;
}

} // namespace

Song themeSong()
{
    // F major: F=53 G=55 A=57 Bb=58 C=48 D=50 E=52 (roots), basses an octave lower.
    const std::vector<Chord> chords = chart({
        {4, 53, false, 41}, {4, 48, false, 40}, {4, 50, true, 38}, {4, 57, true, 45},  // F  C/E Dm Am
        {4, 58, false, 46}, {4, 53, false, 45}, {4, 55, true, 43}, {4, 48, false, 36}, // Bb F/A Gm C
        {4, 53, false, 41}, {4, 48, false, 40}, {4, 50, true, 38}, {4, 57, true, 45},  // F  C/E Dm Am
        {4, 58, false, 46}, {4, 48, false, 36}, {2, 58, false, 46}, {2, 48, false, 36}, // Bb C Bb C
        {4, 53, false, 41},                                                              // F
    });
    Part flute{"Flute", 0, 73, 96, 64, 60, {}};
    Part piano{"Piano", 1, 0, 80, 50, 50, {}};
    // The chords on a warm pad: the soundfont's string ensemble layers many voices per
    // note, which made the synthesizer's share of the waiting title several times larger.
    Part pad{"Warm pad", 2, 89, 62, 80, 70, {}};
    Part bass{"Bass", 3, 32, 92, 64, 30, {}};

    const char* melody[] = {
        "C5:1 A4:.5 Bb4:.5 C5:1.5 F5:.5", "E5:1 D5:.5 C5:.5 G4:2",     "A4:1 D5:.5 C5:.5 A4:1 F4:1",
        "E4:1 A4:1 C5:2",                 "D5:1.5 C5:.5 Bb4:1 D5:1",   "C5:1.5 A4:.5 F4:2",
        "G4:1 Bb4:1 D5:1 C5:.5 Bb4:.5",   "G4:1.5 A4:.5 G4:1 E4:1",    "C5:1 A4:.5 Bb4:.5 C5:1.5 F5:.5",
        "G5:1 F5:.5 E5:.5 C5:2",          "D5:1 F5:1 A5:1.5 G5:.5",    "E5:2 C5:1 E5:1",
        "F5:1.5 D5:.5 Bb4:1 D5:1",        "E5:1.5 D5:.5 C5:1 G4:1",    "D5:1 Bb4:1 C5:1 E5:1",
        "F5:3 R:1",
    };
    double beat = 0;
    for (const char* bar : melody)
        beat = addMelody(flute.notes, beat, bar, 84, 0.95);

    for (size_t i = 0; i < chords.size(); ++i) {
        const Chord& c = chords[i];
        const int t = third(c);
        const bool last = i + 1 == chords.size();
        for (int k : {12, 12 + t, 19})
            pad.notes.push_back({c.beat, c.length, c.root + k, 44});
        if (last) {
            // A rolled closing chord.
            const int roll[] = {0, 7, 12, 12 + t, 19};
            for (int k = 0; k < 5; ++k)
                piano.notes.push_back({c.beat + 0.08 * k, c.length - 0.08 * k, c.root + roll[k], 58});
            bass.notes.push_back({c.beat, c.length, c.bass, 76});
            continue;
        }
        // Flowing eighths over the chord.
        const int pattern[] = {0, 7, 12, 12 + t, 19, 12 + t, 12, 7};
        for (int e = 0; e < static_cast<int>(c.length * 2); ++e)
            piano.notes.push_back({c.beat + e * 0.5, 0.9, c.root + pattern[e], e == 0 ? 62 : 52});
        bass.notes.push_back({c.beat, std::min(c.length, 2.0) - 0.15, c.bass, 78});
        if (c.length > 2) // the chord's fifth, just above the bass note
            bass.notes.push_back({c.beat + 2, 1.85, c.bass + (c.root + 7 - c.bass) % 12, 70});
    }
    return {"Latica Theme", 104, -1, 64, {flute, piano, pad, bass}};
}

Song insertSong()
{
    // G major: G=55 E=52 C=48 D=50 A=57 B=59 (roots); basses in the second octave.
    const std::vector<Chord> chords = chart({
        {4, 55, false, 43}, {4, 52, true, 40}, {4, 48, false, 36}, {4, 50, false, 38},  // G Em C D
        {4, 55, false, 43}, {4, 52, true, 40}, {4, 57, true, 45}, {4, 50, false, 38},   // G Em Am D
        {4, 48, false, 36}, {4, 50, false, 38}, {4, 59, true, 47}, {4, 52, true, 40},   // C D Bm Em
        {4, 48, false, 36}, {4, 50, false, 38}, {4, 55, false, 43}, {4, 55, false, 43}, // C D G G
    });
    Part marimba{"Marimba", 0, 12, 110, 70, 40, {}};
    Part guitar{"Guitar", 1, 25, 78, 44, 40, {}};
    Part bass{"Bass", 2, 33, 96, 64, 20, {}};
    Part drums{"Drums", 9, 0, 88, 64, 30, {}};

    const char* melody[] = {
        "D5:.5 B4:.5 D5:.5 G5:1 F#5:.5 G5:.5 D5:.5", "E5:.5 G5:.5 B5:1 A5:.5 G5:.5 E5:1",
        "C5:.5 E5:.5 G5:.5 E5:.5 A5:1 G5:1",         "F#5:.5 E5:.5 D5:1 A4:.5 B4:.5 C5:.5 A4:.5",
        "B4:.5 D5:.5 G5:1 B5:.5 A5:.5 G5:1",         "E5:.5 F#5:.5 G5:.5 E5:.5 B4:1 E5:1",
        "C5:.5 E5:.5 A5:1 G5:.5 E5:.5 C5:1",         "D5:1 F#5:.5 A5:.5 D6:1.5 R:.5",
        "G5:.5 E5:.5 C5:.5 E5:.5 G5:.5 C6:1 B5:.5",  "A5:.5 F#5:.5 D5:.5 F#5:.5 A5:1 R:.5 A5:.5",
        "B5:1 A5:.5 F#5:.5 D5:1 F#5:1",              "G5:.5 F#5:.5 E5:.5 B4:.5 E5:1 G5:1",
        "E5:.5 G5:.5 C6:1 B5:.5 A5:.5 G5:1",         "F#5:.5 A5:.5 D6:1 C6:.5 A5:.5 F#5:1",
        "G5:.5 D5:.5 B4:.5 D5:.5 G5:.5 B5:.5 A5:1",  "G5:2 R:2",
    };
    double beat = 0;
    for (const char* bar : melody)
        beat = addMelody(marimba.notes, beat, bar, 100, 0.9);

    const int lastBar = static_cast<int>(chords.size()) - 1;
    for (int bar = 0; bar <= lastBar; ++bar) {
        const Chord& c = chords[static_cast<size_t>(bar)];
        const int t = third(c);
        const int voicing[] = {0, 7, 12, 12 + t};
        if (bar == lastBar) {
            // The closing hit: one strum, the bass and a crash, then silence.
            for (int k = 0; k < 4; ++k)
                guitar.notes.push_back({c.beat + 0.03 * k, 2, c.root + voicing[k], 80});
            bass.notes.push_back({c.beat, 2, c.bass, 90});
            drums.notes.push_back({c.beat, 1, 36, 100});
            drums.notes.push_back({c.beat, 2, 49, 96});
            continue;
        }
        // Off-beat strums, a bouncing bass in eighths, and a plain rock beat.
        for (int b = 0; b < 4; ++b)
            for (int k = 0; k < 4; ++k)
                guitar.notes.push_back({c.beat + b + 0.5 + 0.025 * k, 0.4, c.root + voicing[k], b % 2 ? 64 : 72});
        const int walk[] = {0, 0, 7, 12, 0, 7, 12, 7};
        for (int e = 0; e < 8; ++e)
            bass.notes.push_back({c.beat + e * 0.5, 0.42, c.bass + walk[e], e % 2 ? 80 : 92});
        if (bar == 0 || bar == 8)
            drums.notes.push_back({c.beat, 2, 49, 90});
        const bool fill = bar == 7 || bar == 14;
        for (int e = 0; e < (fill ? 4 : 8); ++e)
            drums.notes.push_back({c.beat + e * 0.5, 0.25, 42, e % 2 ? 52 : 72});
        for (double k : {0.0, 2.0, 2.5})
            if (!fill || k < 2)
                drums.notes.push_back({c.beat + k, 0.25, 36, 96});
        drums.notes.push_back({c.beat + 1, 0.25, 38, 90});
        if (fill) {
            // A short run down the toms into the next phrase.
            const double at[] = {2.0, 2.5, 3.0, 3.25, 3.5, 3.75};
            const int drum[] = {38, 38, 50, 48, 45, 41};
            for (int k = 0; k < 6; ++k)
                drums.notes.push_back({c.beat + at[k], 0.25, drum[k], 80 + 3 * k});
        } else {
            drums.notes.push_back({c.beat + 3, 0.25, 38, 92});
        }
    }
    return {"Latica Insert 1", 132, 1, 64, {marimba, guitar, bass, drums}};
}

} // namespace gensound
