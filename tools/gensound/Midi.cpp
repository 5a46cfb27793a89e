#include "Midi.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>

namespace gensound {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Event {
    long tick;
    int order; // at one tick: note-offs (0) before controls (1) before note-ons (2)
    Bytes data;
};

long toTick(double beat)
{
    return std::lround(beat * TicksPerQuarter);
}

void putVarLen(Bytes& out, std::uint32_t value)
{
    Bytes rev{static_cast<std::uint8_t>(value & 0x7F)};
    while (value >>= 7)
        rev.push_back(static_cast<std::uint8_t>((value & 0x7F) | 0x80));
    out.insert(out.end(), rev.rbegin(), rev.rend());
}

Bytes meta(int type, const Bytes& payload)
{
    Bytes b{0xFF, static_cast<std::uint8_t>(type)};
    putVarLen(b, static_cast<std::uint32_t>(payload.size()));
    b.insert(b.end(), payload.begin(), payload.end());
    return b;
}

Bytes text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

// Sorts the events, closes the track with end-of-track at `endTick` (or after its last
// event) and wraps it in an MTrk chunk.
Bytes trackChunk(std::vector<Event> events, long endTick)
{
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    Bytes body;
    long now = 0;
    for (const Event& e : events) {
        putVarLen(body, static_cast<std::uint32_t>(e.tick - now));
        body.insert(body.end(), e.data.begin(), e.data.end());
        now = e.tick;
    }
    putVarLen(body, static_cast<std::uint32_t>(std::max(0L, endTick - now)));
    const Bytes end = meta(0x2F, {});
    body.insert(body.end(), end.begin(), end.end());

    Bytes chunk{'M', 'T', 'r', 'k'};
    const auto size = static_cast<std::uint32_t>(body.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        chunk.push_back(static_cast<std::uint8_t>(size >> shift));
    chunk.insert(chunk.end(), body.begin(), body.end());
    return chunk;
}

std::vector<Event> partEvents(const Part& part)
{
    const auto ch = static_cast<std::uint8_t>(part.channel);
    std::vector<Event> events{{0, 1, meta(0x03, text(part.name))}};
    if (part.channel != 9)
        events.push_back({0, 1, {static_cast<std::uint8_t>(0xC0 | ch), static_cast<std::uint8_t>(part.program)}});
    for (auto [controller, value] : {std::pair{7, part.volume}, {10, part.pan}, {91, part.reverb}, {93, 0}})
        events.push_back({0, 1, {static_cast<std::uint8_t>(0xB0 | ch), static_cast<std::uint8_t>(controller),
                                 static_cast<std::uint8_t>(value)}});

    // A note that sounds again before it was released is cut at the new start, so that the
    // synthesizer never sees two note-ons of one key.
    std::vector<Note> notes = part.notes;
    std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) { return a.beat < b.beat; });
    std::map<int, size_t> lastOfPitch;
    std::vector<long> ends(notes.size());
    for (size_t i = 0; i < notes.size(); ++i) {
        const long on = toTick(notes[i].beat);
        ends[i] = std::max(on + 1, toTick(notes[i].beat + notes[i].length));
        auto prev = lastOfPitch.find(notes[i].pitch);
        if (prev != lastOfPitch.end() && ends[prev->second] > on)
            ends[prev->second] = std::max(toTick(notes[prev->second].beat) + 1, on);
        lastOfPitch[notes[i].pitch] = i;
    }
    for (size_t i = 0; i < notes.size(); ++i) {
        const auto key = static_cast<std::uint8_t>(notes[i].pitch);
        events.push_back({toTick(notes[i].beat), 2,
                          {static_cast<std::uint8_t>(0x90 | ch), key, static_cast<std::uint8_t>(notes[i].velocity)}});
        events.push_back({ends[i], 0, {static_cast<std::uint8_t>(0x80 | ch), key, 64}});
    }
    return events;
}

} // namespace

std::vector<std::uint8_t> encodeMidi(const Song& song)
{
    const long endTick = toTick(song.lengthBeats);
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    const auto tracks = static_cast<std::uint16_t>(song.parts.size() + 1);
    file.push_back(static_cast<std::uint8_t>(tracks >> 8));
    file.push_back(static_cast<std::uint8_t>(tracks));
    file.push_back(static_cast<std::uint8_t>(TicksPerQuarter >> 8));
    file.push_back(static_cast<std::uint8_t>(TicksPerQuarter & 0xFF));

    const std::uint32_t usPerQuarter = 60000000u / static_cast<std::uint32_t>(song.bpm);
    std::vector<Event> conductor{
        {0, 1, meta(0x03, text(song.title))},
        {0, 1, meta(0x51, {static_cast<std::uint8_t>(usPerQuarter >> 16), static_cast<std::uint8_t>(usPerQuarter >> 8),
                           static_cast<std::uint8_t>(usPerQuarter)})},
        {0, 1, meta(0x58, {4, 2, 24, 8})}, // 4/4
        {0, 1, meta(0x59, {static_cast<std::uint8_t>(static_cast<std::int8_t>(song.keySharps)), 0})},
    };
    const Bytes first = trackChunk(conductor, endTick);
    file.insert(file.end(), first.begin(), first.end());
    for (const Part& part : song.parts) {
        const Bytes chunk = trackChunk(partEvents(part), endTick);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

bool writeMidi(const std::string& path, const Song& song)
{
    const Bytes bytes = encodeMidi(song);
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f)
        return false;
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

} // namespace gensound
