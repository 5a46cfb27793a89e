// norda's speed on real work: building the whole puzzle collection (every source in
// data/puzzles) and checking a 99 x 99 kana file with some 3000 words, the romaji table
// read included, as one "norda check" does. Each should take at most 50 ms.
#include "Build.h"
#include "Check.h"

#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

const QString TablePath = QStringLiteral(LATICA_BUILD_PROGRAM_DIR "/sys/RomaKana/新ローマ字かな変換.txt");

// A 99 x 99 kana source: black squares on a diagonal lattice leave runs of up to six
// cells in both directions, so every white cell lies in a word.
QByteArray largeSource()
{
    const int size = 99;
    const QString kana = QStringLiteral("アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミムメモヤユヨラリルレロワン");
    auto black = [](int r, int c) { return (r + 2 * c) % 7 == 0; };
    QString text = QStringLiteral("title: bench\nkeypad: 1\npuzzle:\nlevel: 5\ngrid:\n");
    for (int r = 1; r <= size; ++r) {
        for (int c = 1; c <= size; ++c)
            text += black(r, c) ? QStringLiteral("■") : QString(kana[(r * 7 + c * 3) % kana.size()]);
        text += QLatin1Char('\n');
    }
    // One clue per run of two or more white cells, in reading order.
    auto runs = [&](bool across) {
        int count = 0;
        for (int a = 1; a <= size; ++a) {
            int length = 0;
            for (int b = 1; b <= size + 1; ++b) {
                const bool white = b <= size && !(across ? black(a, b) : black(b, a));
                if (white) {
                    ++length;
                    continue;
                }
                count += length >= 2;
                length = 0;
            }
        }
        return count;
    };
    // Down words are read row by row, but their number is all the clues need.
    for (const bool across : {true, false}) {
        text += across ? QStringLiteral("across:\n") : QStringLiteral("down:\n");
        const int count = runs(across);
        for (int k = 1; k <= count; ++k)
            text += QStringLiteral("語%1 | 手がかりの文%1、少し長めに書いたもの\n").arg(k);
    }
    return text.toUtf8();
}

void BM_NordaBuildCollection(benchmark::State& state)
{
    const QDir folder(QStringLiteral(LATICA_SOURCE_DIR "/data/puzzles"));
    QList<QByteArray> sources;
    for (const QString& name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (name != QLatin1String("CMakeLists.txt") && file.open(QIODevice::ReadOnly))
            sources << file.readAll();
    }
    if (sources.isEmpty()) {
        state.SkipWithError("no puzzle sources in data/puzzles");
        return;
    }
    for (auto _ : state) {
        for (const QByteArray& source : sources) {
            const norda::BuildResult result = norda::buildPlayFile(source);
            if (result.playFile.isEmpty())
                state.SkipWithError("a source of the collection does not build");
            benchmark::DoNotOptimize(result.playFile.size());
        }
    }
    state.counters["files"] = double(sources.size());
}
BENCHMARK(BM_NordaBuildCollection)->Unit(benchmark::kMillisecond);

void BM_NordaBuild99x99(benchmark::State& state)
{
    const QByteArray source = largeSource();
    for (auto _ : state) {
        const norda::BuildResult result = norda::buildPlayFile(source);
        if (result.playFile.isEmpty())
            state.SkipWithError(result.diagnostics.format(QStringLiteral("large")).toUtf8().left(300).constData());
        benchmark::DoNotOptimize(result.playFile.size());
    }
}
BENCHMARK(BM_NordaBuild99x99)->Unit(benchmark::kMillisecond);

void BM_NordaCheck99x99(benchmark::State& state)
{
    const norda::BuildResult built = norda::buildPlayFile(largeSource());
    if (built.playFile.isEmpty()) {
        state.SkipWithError("the large source does not build");
        return;
    }
    for (auto _ : state) {
        norda::KanaTyping typing(TablePath); // read anew, as each run of the program does
        const norda::CheckResult result = norda::checkPlayFile(built.playFile, typing);
        if (!result.diagnostics.list().empty())
            state.SkipWithError(result.diagnostics.format(QStringLiteral("large")).toUtf8().left(300).constData());
    }
    state.counters["bytes"] = double(built.playFile.size());
}
BENCHMARK(BM_NordaCheck99x99)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
