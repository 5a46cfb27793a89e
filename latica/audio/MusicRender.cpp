#include "MusicRender.h"

#include <QFile>
#include <algorithm>
#include <array>
#include <cstring>
#include <fluidsynth.h>

namespace {

constexpr int StepFrames = 1024;  // rendered and published at a time
// The loudness the mixer library gives its own MIDI player at full music volume.
constexpr double Gain = 1.2;

} // namespace

struct MusicRender::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_player_t* player = nullptr;
    ~Synth()
    {
        if (player)
            delete_fluid_player(player);
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

std::unique_ptr<MusicRender> MusicRender::start(const QByteArray& midi, const QString& soundFont, int rate,
                                                int channels, QString* fault)
{
    if (rate <= 0) {
        *fault = QStringLiteral("the audio device has no rate");
        return nullptr;
    }
    auto piece = std::unique_ptr<MusicRender>(new MusicRender);
    piece->m_rate = rate;
    piece->m_channels = std::max(1, channels);
    piece->m_synth = std::make_unique<Synth>();
    Synth& s = *piece->m_synth;
    s.settings = new_fluid_settings();
    if (s.settings)
        fluid_settings_setnum(s.settings, "synth.sample-rate", rate);
    s.synth = s.settings ? new_fluid_synth(s.settings) : nullptr;
    if (!s.synth) {
        *fault = QStringLiteral("the synthesizer did not start");
        return nullptr;
    }
    fluid_synth_set_gain(s.synth, float(Gain));
    if (fluid_synth_sfload(s.synth, QFile::encodeName(soundFont).constData(), 1) == FLUID_FAILED) {
        *fault = QStringLiteral("the sound font %1 cannot be read").arg(soundFont);
        return nullptr;
    }
    s.player = new_fluid_player(s.synth);
    if (!s.player || fluid_player_add_mem(s.player, midi.constData(), size_t(midi.size())) != FLUID_OK ||
        fluid_player_play(s.player) != FLUID_OK) {
        *fault = QStringLiteral("the synthesizer refused the piece");
        return nullptr;
    }
    // The first frames are there before the audio thread first asks.
    piece->renderStep();
    MusicRender* self = piece.get();
    piece->m_worker = std::thread([self] { self->render(); });
    return piece;
}

MusicRender::~MusicRender()
{
    m_stop.store(true, std::memory_order_relaxed);
    if (m_worker.joinable())
        m_worker.join();
}

bool MusicRender::renderStep()
{
    const std::int64_t blockFrames = m_rate;
    const std::int64_t frames = m_ready.load(std::memory_order_relaxed);
    if (m_stop.load(std::memory_order_relaxed) || fluid_player_get_status(m_synth->player) != FLUID_PLAYER_PLAYING ||
        frames >= blockFrames * SecondsKept)
        return false;
    const std::int64_t block = frames / blockFrames;
    if (!m_blocks[size_t(block)])
        m_blocks[size_t(block)] = std::make_unique<std::int16_t[]>(size_t(blockFrames * m_channels));
    const std::int64_t offset = frames % blockFrames;
    const int count = int(std::min<std::int64_t>(StepFrames, blockFrames - offset));
    std::int16_t* at = m_blocks[size_t(block)].get() + offset * m_channels;
    if (m_channels >= 2) {
        fluid_synth_write_s16(m_synth->synth, count, at, 0, m_channels, at, 1, m_channels);
    } else {
        std::array<std::int16_t, 2 * StepFrames> both;
        fluid_synth_write_s16(m_synth->synth, count, both.data(), 0, 2, both.data(), 1, 2);
        for (int i = 0; i < count; ++i)
            at[i] = std::int16_t((both[size_t(2 * i)] + both[size_t(2 * i + 1)]) / 2);
    }
    m_ready.store(frames + count, std::memory_order_release);
    return true;
}

void MusicRender::render()
{
    while (renderStep()) {
    }
    m_rendered.store(true, std::memory_order_release);
}

void MusicRender::take(std::uint8_t* out, int bytes)
{
    const int frameBytes = m_channels * int(sizeof(std::int16_t));
    const std::int64_t ready = m_ready.load(std::memory_order_acquire);
    const std::int64_t blockFrames = m_rate;
    std::int64_t taken = m_taken.load(std::memory_order_relaxed);
    int done = 0;
    while (done + frameBytes <= bytes && taken < ready) {
        const std::int64_t offset = taken % blockFrames;
        const int count = int(std::min<std::int64_t>({(bytes - done) / frameBytes, ready - taken, blockFrames - offset}));
        std::memcpy(out + done, m_blocks[size_t(taken / blockFrames)].get() + offset * m_channels,
                    size_t(count * frameBytes));
        done += count * frameBytes;
        taken += count;
    }
    m_taken.store(taken, std::memory_order_relaxed);
    std::memset(out + done, 0, size_t(bytes - done));
}
