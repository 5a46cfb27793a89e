#pragma once
#include <QByteArray>
#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

// One MIDI piece synthesized ahead of its playing: a worker thread renders the whole piece
// into 16-bit sound in one go, and the audio thread only copies it out. Synthesis
// inside the audio callback paid a wake-up's cold start every 46 ms, about twice the cost
// of the same work done at once, and it ran for as long as the piece played.
class MusicRender {
public:
    // The General MIDI sound font of the system's package.
    static constexpr const char* SoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
    static constexpr int SecondsKept = 600;  // a longer piece ends there

    // Loads the sound font and the piece, and starts rendering 16-bit frames of `channels`
    // samples (left and right first; a single channel takes their mean) at `rate` frames a
    // second. Null, with the reason in `fault`, when the synthesizer refuses either.
    static std::unique_ptr<MusicRender> start(const QByteArray& midi, const QString& soundFont, int rate,
                                              int channels, QString* fault);
    ~MusicRender();  // stops the worker
    MusicRender(const MusicRender&) = delete;
    MusicRender& operator=(const MusicRender&) = delete;

    // Fills `bytes` bytes of the output with the next frames: silence where the rendering
    // has not got yet, and after the end of the piece. For the audio thread.
    void take(std::uint8_t* out, int bytes);

    // Whether the whole piece has been rendered, and how many frames it holds so far.
    bool rendered() const { return m_rendered.load(std::memory_order_acquire); }
    std::int64_t framesReady() const { return m_ready.load(std::memory_order_acquire); }
    // Whether everything rendered has been taken and nothing more will come.
    bool played() const { return rendered() && m_taken.load(std::memory_order_relaxed) >= framesReady(); }

private:
    struct Synth;
    MusicRender() = default;
    bool renderStep();  // renders and publishes the next frames; false at the end
    void render();

    std::unique_ptr<Synth> m_synth;
    int m_rate = 0;
    int m_channels = 2;
    // The sound in blocks of one second, so that the worker never moves what the audio
    // thread may be reading.
    std::array<std::unique_ptr<std::int16_t[]>, SecondsKept> m_blocks;
    std::atomic<std::int64_t> m_ready{0};   // frames rendered, published by the worker
    std::atomic<bool> m_rendered{false};
    std::atomic<bool> m_stop{false};
    std::atomic<std::int64_t> m_taken{0};   // frames handed out, moved by the audio thread
    std::thread m_worker;
};
