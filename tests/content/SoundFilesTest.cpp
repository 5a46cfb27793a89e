// The generated sound effects, talker voices and music pieces in the program folder.
#include <gtest/gtest.h>

#include <cmath>

#include "ContentFiles.h"

using namespace content;

namespace {

const QStringList Effects = {"ピポポン", "ビィヨン", "ザッ", "ピイイン", "ビュ", "不正解", "正解"};
const QStringList Voices = {"声ナレーション", "声ナビゲータ", "姉声", "兄声", "母声", "父声"};
const QStringList Music = {"BGMテーマ曲", "BGM挿入曲1"};

WavInfo loadWav(const QString& name)
{
    const QByteArray bytes = programFile(QStringLiteral("sound/wave/%1.wav").arg(name));
    WavInfo wav;
    QString error;
    EXPECT_FALSE(bytes.isEmpty()) << "missing " << name.toStdString();
    EXPECT_TRUE(parseWav(bytes, &wav, &error)) << name.toStdString() << ": " << error.toStdString();
    return wav;
}

double seconds(const WavInfo& w)
{
    return w.sampleRate ? double(w.samples.size()) / w.sampleRate : 0;
}

double peakOf(const WavInfo& w, qsizetype from, qsizetype count)
{
    double peak = 0;
    for (qsizetype i = from; i < from + count && i < w.samples.size(); ++i)
        peak = std::max(peak, std::fabs(w.samples[i] / 32768.0));
    return peak;
}

// Zero crossings per second: low for a buzz, high for a bright ring or noise.
double crossingsPerSecond(const WavInfo& w)
{
    int crossings = 0;
    for (qsizetype i = 1; i < w.samples.size(); ++i)
        crossings += w.samples[i - 1] < 0 && w.samples[i] >= 0;
    return crossings / seconds(w);
}

// The voice's pitch: the strongest autocorrelation lag between 70 and 500 Hz, measured
// over 60 ms from the first tenth of the sound on.
double pitchOf(const WavInfo& w)
{
    const qsizetype start = w.samples.size() / 10, length = w.sampleRate * 6 / 100;
    double bestScore = -1;
    int bestLag = 1;
    for (int lag = w.sampleRate / 500; lag <= w.sampleRate / 70; ++lag) {
        double sum = 0, energy = 0;
        for (qsizetype i = start; i < start + length; ++i) {
            sum += double(w.samples[i]) * w.samples[i + lag];
            energy += double(w.samples[i + lag]) * w.samples[i + lag];
        }
        const double score = energy > 0 ? sum / std::sqrt(energy) : 0;
        if (score > bestScore) {
            bestScore = score;
            bestLag = lag;
        }
    }
    return double(w.sampleRate) / bestLag;
}

MidiInfo loadMidi(const QString& name)
{
    const QByteArray bytes = programFile(QStringLiteral("sound/midi/%1.mid").arg(name));
    MidiInfo midi;
    QString error;
    EXPECT_FALSE(bytes.isEmpty()) << "missing " << name.toStdString();
    EXPECT_TRUE(parseMidi(bytes, &midi, &error)) << name.toStdString() << ": " << error.toStdString();
    return midi;
}

} // namespace

// Every effect and voice: 16-bit mono PCM at 22050 or 44100 Hz, short, below 0.9 of full
// scale, starting and ending in silence with short fades (no clicks).
TEST(SoundFiles, EffectsAndVoicesAreShortCleanPcm)
{
    for (const QString& name : Effects + Voices) {
        const WavInfo w = loadWav(name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bitsPerSample, 16);
        EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100);
        EXPECT_GE(seconds(w), 0.1);
        EXPECT_LE(seconds(w), 1.0);
        const double peak = peakOf(w, 0, w.samples.size());
        EXPECT_GT(peak, 0.3);
        EXPECT_LT(peak, 0.9);
        ASSERT_FALSE(w.samples.isEmpty());
        EXPECT_LT(std::abs(w.samples.first()), 330);
        EXPECT_LT(std::abs(w.samples.last()), 330);
        const qsizetype ms = w.sampleRate / 1000;
        EXPECT_LT(peakOf(w, 0, ms), 0.5 * peak);
        EXPECT_LT(peakOf(w, w.samples.size() - ms, ms), 0.5 * peak);
    }
}

// The placeholder is a very short silence.
TEST(SoundFiles, DummyIsAShortSilence)
{
    const WavInfo w = loadWav(QStringLiteral("dummy"));
    EXPECT_GT(w.samples.size(), 0);
    EXPECT_LE(seconds(w), 0.2);
    EXPECT_EQ(peakOf(w, 0, w.samples.size()), 0.0);
}

// No two sounds are the same file content.
TEST(SoundFiles, NoTwoSoundsAreAlike)
{
    const QStringList names = Effects + Voices;
    QVector<WavInfo> waves;
    for (const QString& name : names)
        waves.append(loadWav(name));
    for (int i = 0; i < waves.size(); ++i)
        for (int j = i + 1; j < waves.size(); ++j)
            EXPECT_NE(waves[i].samples, waves[j].samples) << names[i].toStdString() << " " << names[j].toStdString();
}

// The effects sound like their names: the low buzz of 不正解 lies below the boing of
// ビィヨン, the chime of ピポポン below the bright ring of ピイイン, and the noise of ザッ
// crosses zero fastest of all.
TEST(SoundFiles, EffectsSoundLikeTheirNames)
{
    auto rate = [](const char* name) { return crossingsPerSecond(loadWav(QString::fromUtf8(name))); };
    EXPECT_LT(rate("不正解"), rate("ビィヨン"));
    EXPECT_LT(rate("ビィヨン"), rate("ピポポン"));
    EXPECT_LT(rate("ピポポン"), rate("ピイイン"));
    EXPECT_GT(rate("ザッ"), rate("ピイイン"));
    EXPECT_LT(seconds(loadWav(QStringLiteral("ザッ"))), 0.25);
    EXPECT_LT(seconds(loadWav(QStringLiteral("ビュ"))), 0.3);
}

// The voices are told apart by pitch: father below brother below mother below sister.
TEST(SoundFiles, VoicesDifferInPitch)
{
    const double father = pitchOf(loadWav(QStringLiteral("父声")));
    const double brother = pitchOf(loadWav(QStringLiteral("兄声")));
    const double mother = pitchOf(loadWav(QStringLiteral("母声")));
    const double sister = pitchOf(loadWav(QStringLiteral("姉声")));
    EXPECT_LT(father, brother);
    EXPECT_LT(brother, mother);
    EXPECT_LT(mother, sister);
    EXPECT_GT(father, 80);
    EXPECT_LT(sister, 420);
}

// Both pieces: format 1 files whose every track ends with end-of-track at its declared
// length, notes released, General MIDI programs chosen, 20 to 60 seconds long.
TEST(MusicFiles, AreWellFormedFormat1Pieces)
{
    for (const QString& name : Music) {
        const MidiInfo m = loadMidi(name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(m.format, 1);
        EXPECT_GE(m.tracks, 3);
        EXPECT_GE(m.notes, 100);
        EXPECT_GE(m.programChanges, 2);
        EXPECT_GE(m.seconds, 20);
        EXPECT_LE(m.seconds, 60);
    }
}

// The two pieces are recognisably different: other instruments, another length.
TEST(MusicFiles, ThePiecesDiffer)
{
    const MidiInfo theme = loadMidi(Music[0]);
    const MidiInfo insert = loadMidi(Music[1]);
    EXPECT_NE(programFile(QStringLiteral("sound/midi/BGMテーマ曲.mid")),
              programFile(QStringLiteral("sound/midi/BGM挿入曲1.mid")));
    EXPECT_NE(theme.programs, insert.programs);
    EXPECT_GT(std::fabs(theme.seconds - insert.seconds), 3);
}

// The readers refuse damaged files, so the checks above cannot pass on garbage.
TEST(ContentReaders, RefuseDamagedSoundFiles)
{
    const QByteArray wav = programFile(QStringLiteral("sound/wave/ピポポン.wav"));
    const QByteArray mid = programFile(QStringLiteral("sound/midi/BGMテーマ曲.mid"));
    ASSERT_FALSE(wav.isEmpty());
    ASSERT_FALSE(mid.isEmpty());
    QString error;
    WavInfo w;
    EXPECT_FALSE(parseWav(wav.left(wav.size() - 10), &w, &error));  // truncated
    EXPECT_FALSE(parseWav(QByteArray(), &w, &error));                 // empty
    QByteArray notPcm = wav;
    notPcm[20] = 3;                                                   // float format
    EXPECT_FALSE(parseWav(notPcm, &w, &error));

    MidiInfo m;
    EXPECT_FALSE(parseMidi(mid.left(mid.size() - 1), &m, &error));   // last end-of-track cut
    EXPECT_FALSE(parseMidi(mid + QByteArray("\0", 1), &m, &error));  // bytes after the tracks
    EXPECT_FALSE(parseMidi(mid.left(14), &m, &error));                // header only
    QByteArray longer = mid;
    longer[14 + 7] = char(quint8(longer[14 + 7]) + 1);                // first track one byte longer
    EXPECT_FALSE(parseMidi(longer, &m, &error));
    EXPECT_FALSE(error.isEmpty());
}
