// Open crosswords: the import of a 21 x 21 .ipuz file and of a 21 x 21 .puz file (the test
// fixture written with puzjs) as the game opens them (goal: 5 ms at most each), and the whole collection exported to .ipuz and imported again by norda, with the
// number of puzzles that come back the same (goal: all).
#include <benchmark/benchmark.h>

#include "Export.h"
#include "Import.h"
#include "playfile/CrossFile.h"
#include "playfile/OpenCrosswordImport.h"
#include "playfile/PlayFileHeader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void importFile(benchmark::State& state, const QString& path)
{
    for (auto _ : state) {
        ImportedCrossword imported = importOpenCrosswordFile(path);
        if (!imported.ok)
            state.SkipWithError(imported.error.toStdString().c_str());
        benchmark::DoNotOptimize(imported);
    }
}

void BM_ImportIpuz21x21(benchmark::State& state)
{
    importFile(state, QStringLiteral(LATICA_SOURCE_DIR "/tests/openformats/ipuz/kana_21x21.ipuz"));
}
BENCHMARK(BM_ImportIpuz21x21)->Unit(benchmark::kMillisecond);

void BM_ImportPuz21x21(benchmark::State& state)
{
    importFile(state, QStringLiteral(LATICA_SOURCE_DIR "/tests/openformats/puz/crossword_21x21.puz"));
}
BENCHMARK(BM_ImportPuz21x21)->Unit(benchmark::kMillisecond);

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether two puzzles hold the same grid, answers, clues, readings and level.
bool samePuzzle(const Puzzle& a, const Puzzle& b)
{
    if (a.MasMaxX != b.MasMaxX || a.MasMaxY != b.MasMaxY || a.CrossLevel != b.CrossLevel || a.QuesNmbMax != b.QuesNmbMax)
        return false;
    for (size_t i = 0; i < a.Mas.size(); ++i)
        if (a.Mas[i].Kind != b.Mas[i].Kind || a.Mas[i].Answer != b.Mas[i].Answer)
            return false;
    for (int q = 1; q <= a.QuesNmbMax; ++q) {
        const QuesData& x = a.Ques[q];
        const QuesData& y = b.Ques[q];
        if (x.StartMas != y.StartMas || x.Answer != y.Answer || x.QuesText != y.QuesText || x.AnswerText != y.AnswerText
            || x.Reading != y.Reading)
            return false;
    }
    return true;
}

void BM_CollectionRoundTrip(benchmark::State& state)
{
    const QDir program(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    const QStringList names = program.entryList({QStringLiteral("*.kmi")}, QDir::Files, QDir::Name);
    int puzzles = 0, same = 0;
    for (auto _ : state) {
        puzzles = same = 0;
        QTemporaryDir dir;
        for (const QString& name : names) {
            const QByteArray original = readAll(program.filePath(name));
            const norda::ExportResult exported = norda::exportIpuz(original, QFileInfo(name).completeBaseName());
            QStringList paths;
            for (const norda::ExportedFile& file : exported.files) {
                QFile out(dir.filePath(file.name));
                if (out.open(QIODevice::WriteOnly))
                    out.write(file.bytes);
                paths << out.fileName();
            }
            const PlayFileText text = decodePlayFile(original);
            const norda::ImportResult back = norda::importPlayFile(paths, text.lines.value(0));
            const PlayFileHeader header = parsePlayFileHeader(text.lines);
            for (int n = 1; n <= header.crossCount; ++n) {
                ++puzzles;
                same += samePuzzle(parseCrossLines(text.lines, n).puzzle, parseCrossFile(back.playFile, n).puzzle);
            }
        }
    }
    state.counters["puzzles"] = puzzles;
    state.counters["same"] = same;
    if (puzzles == 0 || same != puzzles)
        state.SkipWithError("a puzzle did not come back the same");
}
BENCHMARK(BM_CollectionRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
