// Strict readers for the generated WAV and MIDI files.
#include "ContentFiles.h"

#include <QMap>

namespace content {
namespace {

quint32 le32(const QByteArray& b, qsizetype at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16
        | quint32(quint8(b[at + 3])) << 24;
}

quint16 le16(const QByteArray& b, qsizetype at)
{
    return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8);
}

quint32 be32(const QByteArray& b, qsizetype at)
{
    return quint32(quint8(b[at])) << 24 | quint32(quint8(b[at + 1])) << 16 | quint32(quint8(b[at + 2])) << 8
        | quint32(quint8(b[at + 3]));
}

quint16 be16(const QByteArray& b, qsizetype at)
{
    return quint16(quint8(b[at]) << 8 | quint8(b[at + 1]));
}

bool fail(QString* error, const QString& what)
{
    *error = what;
    return false;
}

} // namespace

bool parseWav(const QByteArray& b, WavInfo* wav, QString* error)
{
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("not a RIFF/WAVE file"));
    if (le32(b, 4) != quint32(b.size() - 8))
        return fail(error, QStringLiteral("RIFF size %1 for a file of %2 bytes").arg(le32(b, 4)).arg(b.size()));
    bool haveFormat = false, haveData = false;
    for (qsizetype at = 12; at < b.size();) {
        if (at + 8 > b.size())
            return fail(error, QStringLiteral("a chunk header is cut off"));
        const QByteArray id = b.mid(at, 4);
        const quint32 size = le32(b, at + 4);
        if (size > quint32(b.size() - at - 8))
            return fail(error, QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id)));
        if (id == "fmt ") {
            if (size < 16 || le16(b, at + 8) != 1)
                return fail(error, QStringLiteral("not PCM"));
            wav->channels = le16(b, at + 10);
            wav->sampleRate = int(le32(b, at + 12));
            wav->bitsPerSample = le16(b, at + 22);
            const int align = wav->channels * wav->bitsPerSample / 8;
            if (le16(b, at + 20) != align || le32(b, at + 16) != quint32(wav->sampleRate * align))
                return fail(error, QStringLiteral("block align or byte rate inconsistent"));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat || wav->bitsPerSample != 16 || size % 2)
                return fail(error, QStringLiteral("data before the format, or not 16-bit"));
            for (quint32 i = 0; i < size; i += 2)
                wav->samples.append(qint16(le16(b, at + 8 + i)));
            haveData = true;
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        return fail(error, QStringLiteral("format or data chunk missing"));
    return true;
}

bool parseMidi(const QByteArray& b, MidiInfo* midi, QString* error)
{
    if (b.size() < 14 || !b.startsWith("MThd") || be32(b, 4) != 6)
        return fail(error, QStringLiteral("no MThd header of length 6"));
    midi->format = be16(b, 8);
    const int declared = be16(b, 10);
    midi->division = be16(b, 12);
    if (midi->division == 0 || midi->division & 0x8000)
        return fail(error, QStringLiteral("division %1 is not ticks per quarter").arg(midi->division));

    QMap<long, quint32> tempo{{0, 500000}}; // tick -> microseconds per quarter
    long lastTick = 0;
    qsizetype at = 14;
    for (int t = 0; t < declared; ++t) {
        if (at + 8 > b.size() || b.mid(at, 4) != "MTrk")
            return fail(error, QStringLiteral("track %1: no MTrk chunk").arg(t));
        const qsizetype end = at + 8 + be32(b, at + 4);
        if (end > b.size())
            return fail(error, QStringLiteral("track %1 runs past the end of the file").arg(t));
        qsizetype p = at + 8;
        long tick = 0;
        int running = 0;
        bool ended = false;
        QMap<int, int> sounding; // channel * 128 + key -> count
        auto varLen = [&](quint32* value) {
            *value = 0;
            for (int i = 0; i < 4; ++i) {
                if (p >= end)
                    return false;
                const quint8 c = quint8(b[p++]);
                *value = (*value << 7) | (c & 0x7F);
                if (!(c & 0x80))
                    return true;
            }
            return false;
        };
        while (p < end && !ended) {
            quint32 delta = 0;
            if (!varLen(&delta))
                return fail(error, QStringLiteral("track %1: bad delta time").arg(t));
            tick += long(delta);
            if (p >= end)
                return fail(error, QStringLiteral("track %1: event cut off").arg(t));
            int status = quint8(b[p]);
            if (status & 0x80)
                ++p;
            else if (running)
                status = running;
            else
                return fail(error, QStringLiteral("track %1: data byte without status").arg(t));
            if (status == 0xFF) {
                if (p >= end)
                    return fail(error, QStringLiteral("track %1: meta event cut off").arg(t));
                const int type = quint8(b[p++]);
                quint32 length = 0;
                if (!varLen(&length) || p + qsizetype(length) > end)
                    return fail(error, QStringLiteral("track %1: meta event runs past the track").arg(t));
                if (type == 0x51 && length == 3)
                    tempo[tick] = quint32(quint8(b[p])) << 16 | quint32(quint8(b[p + 1])) << 8 | quint8(b[p + 2]);
                if (type == 0x2F)
                    ended = true;
                p += length;
            } else if (status == 0xF0 || status == 0xF7) {
                quint32 length = 0;
                if (!varLen(&length) || p + qsizetype(length) > end)
                    return fail(error, QStringLiteral("track %1: sysex runs past the track").arg(t));
                p += length;
            } else {
                running = status;
                const int kind = status & 0xF0;
                const int size = kind == 0xC0 || kind == 0xD0 ? 1 : 2;
                if (p + size > end)
                    return fail(error, QStringLiteral("track %1: channel event cut off").arg(t));
                const int key = quint8(b[p]), velocity = size == 2 ? quint8(b[p + 1]) : 0;
                const int slot = (status & 0x0F) * 128 + key;
                if (kind == 0x90 && velocity > 0) {
                    ++sounding[slot];
                    ++midi->notes;
                } else if (kind == 0x80 || kind == 0x90) {
                    if (sounding.value(slot) == 0)
                        return fail(error, QStringLiteral("track %1: note-off without note-on").arg(t));
                    --sounding[slot];
                } else if (kind == 0xC0) {
                    ++midi->programChanges;
                    midi->programs.append(key);
                }
                p += size;
            }
        }
        if (!ended || p != end)
            return fail(error, QStringLiteral("track %1: end-of-track is not the last event").arg(t));
        for (int count : sounding)
            if (count)
                return fail(error, QStringLiteral("track %1: a note is never released").arg(t));
        lastTick = std::max(lastTick, tick);
        at = end;
        ++midi->tracks;
    }
    if (at != b.size())
        return fail(error, QStringLiteral("%1 bytes after the declared tracks").arg(b.size() - at));

    // Seconds to the last end-of-track, segment by segment of the tempo map.
    double seconds = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it.key() < lastTick; ++it) {
        const auto next = std::next(it);
        const long until = next == tempo.end() ? lastTick : std::min(lastTick, next.key());
        seconds += double(until - it.key()) / midi->division * it.value() / 1e6;
    }
    midi->seconds = seconds;
    return true;
}

} // namespace content
