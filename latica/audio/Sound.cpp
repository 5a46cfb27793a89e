#include "Sound.h"

#include "form/ProgramFolder.h"

#include <QFile>
#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>

namespace {

QString effectPath(const QString& name)
{
    return form::ProgramFolder::resolve(QStringLiteral("\\sound\\wave\\") + name + QStringLiteral(".wav"));
}

QString musicPath(const QString& name)
{
    return form::ProgramFolder::resolve(QStringLiteral("\\sound\\midi\\") + name + QStringLiteral(".mid"));
}

quint32 bigEndian(const QByteArray& bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = 0; i < size; ++i)
        value = value << 8 | quint8(bytes[at + i]);
    return value;
}

// A standard MIDI file holds its header chunk and as many whole track chunks as the header
// counts. The synthesizer would play a file cut short up to the cut, or not at all.
bool midiComplete(const QByteArray& bytes)
{
    if (bytes.size() < 14 || !bytes.startsWith("MThd"))
        return false;
    const quint32 tracks = bigEndian(bytes, 10, 2);
    quint32 found = 0;
    qsizetype at = 0;
    while (at + 8 <= bytes.size()) {
        const quint32 length = bigEndian(bytes, at + 4, 4);
        if (length > quint32(bytes.size() - at - 8))
            return false;
        if (bytes.mid(at, 4) == "MTrk")
            ++found;
        at += 8 + length;
    }
    return at == bytes.size() && found >= tracks;
}

void playMusic(void* music, Uint8* stream, int bytes)
{
    static_cast<MusicRender*>(music)->take(stream, bytes);
}

} // namespace

Sound::~Sound()
{
    if (!m_open)
        return;
    StopMusic();
    for (int slot = -1; slot <= 2; ++slot)
        freeSlot(slot);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Sound::note(const QString& problem)
{
    if (!m_note.isEmpty())
        return;
    m_note = problem;
    std::fprintf(stderr, "latica: sound is off or incomplete: %s\n", problem.toLocal8Bit().constData());
}

void Sound::InitSound()
{
    m_repeat[1] = {0, 2};
    m_repeat[2] = {0, 30};
    if (m_open)
        return;
    // The window toolkit owns the process's signals: Ctrl+C and SIGTERM still end it.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // A sound file cut short is refused rather than played up to the cut.
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "verystrict");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        note(QString::fromUtf8(SDL_GetError()));
        return;
    }
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024) != 0) {
        note(QString::fromUtf8(Mix_GetError()));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    m_open = true;
    Mix_AllocateChannels(4);
    for (int slot = -1; slot <= 2; ++slot) {
        freeSlot(slot);
        m_slots[channelOf(slot)] = loadEffect(QStringLiteral("dummy"));
    }
    m_slot0Name = QStringLiteral("dummy");
}

Mix_Chunk* Sound::loadEffect(const QString& name)
{
    const QString path = effectPath(name);
    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk)
        note(QStringLiteral("%1: %2").arg(path, QString::fromUtf8(Mix_GetError())));
    return chunk;
}

void Sound::freeSlot(int slot)
{
    const int channel = channelOf(slot);
    if (m_open)
        Mix_HaltChannel(channel);
    if (m_slots[channel]) {
        Mix_FreeChunk(m_slots[channel]);
        m_slots[channel] = nullptr;
    }
}

void Sound::PlaySound(const QString& name)
{
    m_lastRequested = name;
    if (!m_open)
        return;
    // A new effect always cuts off the one still sounding.
    freeSlot(0);
    m_slots[channelOf(0)] = loadEffect(name);
    m_slot0Name = name;
    if (m_slots[channelOf(0)])
        Mix_PlayChannel(channelOf(0), m_slots[channelOf(0)], 0);
}

void Sound::StopSound(int slot)
{
    if (slot < -1 || slot > 2)
        return;
    if (slot > 0)
        m_repeat[slot].mode = 0;
    if (m_open)
        Mix_HaltChannel(channelOf(slot));
}

void Sound::SoundIntervalTick()
{
    ++m_tickCounter;
    if (m_tickCounter > 1000000)
        m_tickCounter = 1;
    for (int slot = 1; slot <= 2; ++slot) {
        const Repeat& r = m_repeat[slot];
        if (r.mode == 1 && r.period > 0 && m_tickCounter % r.period == 0 && m_open &&
            m_slots[channelOf(slot)])
            Mix_PlayChannel(channelOf(slot), m_slots[channelOf(slot)], 0);
    }
}

QString Sound::effectPlaying() const
{
    if (!m_open || !Mix_Playing(channelOf(0)))
        return {};
    return m_slot0Name;
}

void Sound::PlayMusic(const QString& name)
{
    StopMusic();
    m_musicName = name;
    if (!m_open)
        return;
    const QString path = musicPath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        note(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return;
    }
    const QByteArray midi = file.readAll();
    if (!midiComplete(midi)) {
        note(QStringLiteral("%1: the file is cut short or is not a MIDI file").arg(path));
        return;
    }
    // The device may have been opened with another rate or number of channels.
    int rate = 0, channels = 0;
    Mix_QuerySpec(&rate, nullptr, &channels);
    QString fault;
    m_music = MusicRender::start(midi, QString::fromUtf8(MusicRender::SoundFont), rate, channels, &fault);
    if (!m_music) {
        note(QStringLiteral("%1: %2").arg(path, fault));
        return;
    }
    Mix_HookMusic(&playMusic, m_music.get());
}

void Sound::StopMusic()
{
    m_musicName.clear();
    if (!m_music)
        return;
    // Once the hook is taken away the audio thread no longer reads the piece.
    Mix_HookMusic(nullptr, nullptr);
    m_music.reset();
}
