#pragma once
#include "MusicRender.h"

#include <QString>
#include <array>
#include <memory>

struct Mix_Chunk;

// Music (MIDI, one piece at a time, synthesized ahead by MusicRender) and sound effects (WAV), addressed by name below the
// program folder's "sound" folders. Slot 0 plays the effects, each cutting off the last;
// slots -1, 1 and 2 hold the placeholder sound. Without an audio device or a file the
// game goes on silently; the first such problem is noted on standard error.
class Sound {
public:
    Sound() = default;
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void InitSound();
    void PlaySound(const QString& name);
    void StopSound(int slot);
    void SoundIntervalTick();
    void PlayMusic(const QString& name);
    void StopMusic();

    // Read-outs for the game and its tests.
    bool deviceOpen() const { return m_open; }
    QString effectPlaying() const;  // the name slot 0 is playing, or empty
    QString musicName() const { return m_musicName; }
    bool musicPlaying() const { return m_music != nullptr; }
    const MusicRender* music() const { return m_music.get(); }
    QString noted() const { return m_note; }  // the problem noted on standard error, if any
    // The last effect asked for, played or not (with no device, too).
    QString lastEffectRequested() const { return m_lastRequested; }
    int tickCounter() const { return m_tickCounter; }
    void setTickCounter(int value) { m_tickCounter = value; }
    int repeatMode(int slot) const { return m_repeat[slot].mode; }

private:
    static int channelOf(int slot) { return slot + 1; }
    Mix_Chunk* loadEffect(const QString& name);
    void note(const QString& problem);
    void freeSlot(int slot);

    bool m_open = false;
    QString m_note;
    std::array<Mix_Chunk*, 4> m_slots{};  // slots -1..2 at channelOf(slot)
    QString m_slot0Name;
    QString m_lastRequested;
    struct Repeat { int mode = 0; int period = 0; };
    std::array<Repeat, 3> m_repeat{};     // 1..2 used
    int m_tickCounter = 0;
    std::unique_ptr<MusicRender> m_music;
    QString m_musicName;
};
