#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

#include "audio/MusicRender.h"
#include "audio/Sound.h"
#include "effects/Wait.h"
#include "form/Clock.h"
#include "form/ProgramFolder.h"
#include "form/Timer.h"
#include "support/TestSupport.h"

namespace {

TEST(WaitTime, ZeroAndNegativeReturnWithoutLettingEventsRun)
{
    bool ran = false;
    QTimer::singleShot(0, [&] { ran = true; });
    WaitTime(0);
    WaitTime(-1);
    EXPECT_FALSE(ran);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ran);
}

TEST(WaitTime, LetsAPendingTimerTickRunAndLastsItsTime)
{
    form::Timer timer;
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.setInterval(20);
    timer.setEnabled(true);
    const double start = form::Clock::instance().monotonicSeconds();
    WaitTime(0.1);
    const double waited = form::Clock::instance().monotonicSeconds() - start;
    EXPECT_GE(waited, 0.1);
    EXPECT_GE(ticks, 1);
}

TEST(WaitTime, RunsOnTheSpedUpTimeSource)
{
    form::Clock& clock = form::Clock::instance();
    clock.setSpeed(50);
    QElapsedTimer real;
    real.start();
    const double start = clock.monotonicSeconds();
    WaitTime(2);
    EXPECT_GE(clock.monotonicSeconds() - start, 2.0);
    clock.setSpeed(1);
    // Two clock seconds at fifty times speed take 40 ms of real time; far less than 2 s.
    EXPECT_LT(real.elapsed(), 1500);
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sound.InitSound();
        if (!sound.deviceOpen())
            GTEST_SKIP() << "no audio driver, not even the dummy one";
    }
    Sound sound;
};

TEST_F(SoundTest, ASecondEffectCutsTheFirst)
{
    sound.PlaySound(QStringLiteral("ピイイン"));
    EXPECT_EQ(sound.effectPlaying(), QStringLiteral("ピイイン"));
    sound.PlaySound(QStringLiteral("ザッ"));
    EXPECT_EQ(sound.effectPlaying(), QStringLiteral("ザッ"));
}

// A file missing or cut short is silence; the first problem is noted, and play goes on.
TEST_F(SoundTest, MissingOrCutFilesAreSilenceAndPlayGoesOn)
{
    testsupport::ProgramFolderCopy program;
    const QString music = QStringLiteral("sound/midi/BGMテーマ曲.mid");
    const QString effect = QStringLiteral("sound/wave/正解.wav");
    program.truncate(music, QFileInfo(program.filePath(music)).size() - 10);
    program.truncate(effect, QFileInfo(program.filePath(effect)).size() / 2);

    sound.PlayMusic(QStringLiteral("BGMテーマ曲"));
    EXPECT_FALSE(sound.musicPlaying());
    EXPECT_TRUE(sound.noted().contains(QStringLiteral("BGMテーマ曲.mid"))) << sound.noted().toStdString();
    sound.PlaySound(QStringLiteral("正解"));
    EXPECT_EQ(sound.effectPlaying(), QString());
    sound.PlaySound(QStringLiteral("ない音"));
    EXPECT_EQ(sound.effectPlaying(), QString());
    sound.PlayMusic(QStringLiteral("ない曲"));
    EXPECT_FALSE(sound.musicPlaying());

    sound.PlayMusic(QStringLiteral("BGM挿入曲1"));
    EXPECT_TRUE(sound.musicPlaying());
    sound.PlaySound(QStringLiteral("ピイイン"));
    EXPECT_EQ(sound.effectPlaying(), QStringLiteral("ピイイン"));
    EXPECT_TRUE(sound.noted().contains(QStringLiteral("BGMテーマ曲.mid"))) << "only the first problem is noted";
}

TEST(SoundWithoutDevice, PlaysSilentlyAndSaysSoOnce)
{
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    Sound sound;
    sound.InitSound();
    qputenv("SDL_AUDIODRIVER", driver);
    EXPECT_FALSE(sound.deviceOpen());
    EXPECT_FALSE(sound.noted().isEmpty());
    sound.PlayMusic(QStringLiteral("BGMテーマ曲"));
    sound.PlaySound(QStringLiteral("正解"));
    EXPECT_FALSE(sound.musicPlaying());
    EXPECT_EQ(sound.lastEffectRequested(), QStringLiteral("正解"));
}

TEST_F(SoundTest, MusicRestartsAndStops)
{
    sound.PlayMusic(QStringLiteral("BGMテーマ曲"));
    EXPECT_EQ(sound.musicName(), QStringLiteral("BGMテーマ曲"));
    sound.PlayMusic(QStringLiteral("BGM挿入曲1"));
    EXPECT_EQ(sound.musicName(), QStringLiteral("BGM挿入曲1"));
    sound.StopMusic();
    EXPECT_EQ(sound.musicName(), QString());
}

// The piece is synthesized whole ahead of the audio thread, which then only copies it:
// it starts at once, holds the whole piece, and gives silence after its end.
TEST(MusicRender, RendersThePieceAheadAndThenGivesSilence)
{
    QFile file(form::ProgramFolder::resolve(QStringLiteral("\\sound\\midi\\BGMテーマ曲.mid")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray midi = file.readAll();
    QString fault;
    const auto music = MusicRender::start(midi, QString::fromUtf8(MusicRender::SoundFont), 22050, 2, &fault);
    ASSERT_TRUE(music) << fault.toStdString();
    EXPECT_GT(music->framesReady(), 0) << "the first frames are there before the audio thread asks";
    QElapsedTimer waited;
    waited.start();
    while (!music->rendered() && waited.elapsed() < 20000)
        std::this_thread::yield();
    ASSERT_TRUE(music->rendered());
    // 68 beats at 104 a minute, and the last notes' release.
    const double seconds = double(music->framesReady()) / 22050;
    EXPECT_GT(seconds, 39.0);
    EXPECT_LT(seconds, 43.0);

    std::vector<quint8> out(4096 * 4 + 3);  // an odd size: a partial frame is left silent
    qint64 loud = 0, calls = 0;
    while (!music->played() && calls++ < 100000) {
        std::fill(out.begin(), out.end(), 0xAB);
        music->take(out.data(), int(out.size()));
        loud += std::count_if(out.begin(), out.end(), [](quint8 b) { return b != 0; });
        EXPECT_EQ(out.back(), 0);
    }
    EXPECT_GT(loud, music->framesReady()) << "the piece is sound, not silence";
    std::fill(out.begin(), out.end(), 0xAB);
    music->take(out.data(), int(out.size()));
    EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](quint8 b) { return b == 0; }));

    // A one-channel device gets one sample a frame, for as many frames.
    const auto mono = MusicRender::start(midi, QString::fromUtf8(MusicRender::SoundFont), 22050, 1, &fault);
    ASSERT_TRUE(mono);
    while (!mono->rendered() && waited.elapsed() < 40000)
        std::this_thread::yield();
    EXPECT_EQ(mono->framesReady(), music->framesReady());
    std::vector<quint8> all(size_t(mono->framesReady()) * 2);
    mono->take(all.data(), int(all.size()));
    EXPECT_TRUE(mono->played());

    EXPECT_FALSE(MusicRender::start(midi, QString::fromUtf8(MusicRender::SoundFont), 0, 2, &fault));
    EXPECT_FALSE(MusicRender::start(midi, QStringLiteral("/no/such.sf2"), 22050, 2, &fault));
    EXPECT_TRUE(fault.contains(QStringLiteral("/no/such.sf2")));
}

TEST_F(SoundTest, StopSoundAndTheTickCounter)
{
    sound.PlaySound(QStringLiteral("正解"));
    sound.StopSound(0);
    EXPECT_EQ(sound.effectPlaying(), QString());
    sound.StopSound(-1);
    EXPECT_EQ(sound.repeatMode(1), 0);
    sound.setTickCounter(1000000);
    sound.SoundIntervalTick();
    EXPECT_EQ(sound.tickCounter(), 1);
    sound.SoundIntervalTick();
    EXPECT_EQ(sound.tickCounter(), 2);
}

} // namespace
