// Fetching talks from the talk data files: one talk of three records, and a talk plus
// its continuation. Target: at most 20 microseconds for a three-record talk.
#include "talk/TalkData.h"

#include "form/Cp932.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <benchmark/benchmark.h>

namespace {

// Talk data files with talk 1100 of three records among other talks.
class Files {
public:
    Files()
    {
        for (int i = 0; i < 1000; ++i) {
            const bool three = i == 500;
            if (three)
                m_positions.insert(1100, m_data.size() + 1);
            else
                m_positions.insert(2000 + i, m_data.size() + 1);
            append(QStringLiteral("＋〈⑩、いらっしゃい。　今日は%1番目の"));
            if (three) {
                append(QStringLiteral("パズルから　はじめましょう。〉▼"));
                append(QStringLiteral("＋〈わからない所は　㊥に聞いてね。〉▼※∴"));
            } else {
                append(QStringLiteral("パズルです。〉▼∴"));
            }
        }
        QByteArray index;
        for (auto it = m_positions.begin(); it != m_positions.end(); ++it) {
            if (index.size() < it.key() * 4)
                index.append(QByteArray(it.key() * 4 - index.size(), '\0'));
            qToLittleEndian<qint32>(qint32(it.value()), index.data() + (it.key() - 1) * 4);
        }
        write(indexPath(), index);
        write(dataPath(), m_data);
    }

    QString indexPath() const { return m_dir.filePath(QStringLiteral("TalkIx.dat")); }
    QString dataPath() const { return m_dir.filePath(QStringLiteral("TalkDt.dat")); }

private:
    void append(const QString& text)
    {
        const QByteArray bytes = form::toCp932(text);
        char length[2];
        qToLittleEndian<quint16>(quint16(bytes.size()), length);
        m_data.append(length, 2);
        m_data.append(bytes);
    }
    static void write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    QTemporaryDir m_dir;
    QByteArray m_data;
    QMap<int, qsizetype> m_positions;
};

void BM_FetchThreeRecordTalk(benchmark::State& state)
{
    Files files;
    talk::TalkData data;
    if (!data.open(files.indexPath(), files.dataPath())) {
        state.SkipWithError("cannot open the talk data");
        return;
    }
    for (auto _ : state) {
        talk::TalkText talk = data.fetch(1100);
        benchmark::DoNotOptimize(talk.text.data());
        if (!talk.ok())
            state.SkipWithError("fetch failed");
    }
}
BENCHMARK(BM_FetchThreeRecordTalk)->Unit(benchmark::kMicrosecond);

void BM_FetchAndContinue(benchmark::State& state)
{
    Files files;
    talk::TalkData data;
    if (!data.open(files.indexPath(), files.dataPath())) {
        state.SkipWithError("cannot open the talk data");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(data.fetch(2010).text.data());
        benchmark::DoNotOptimize(data.fetch(0).text.data());
    }
}
BENCHMARK(BM_FetchAndContinue)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
