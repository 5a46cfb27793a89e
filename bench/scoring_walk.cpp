// The scoring walk of a 15 x 15 board at real speed, with the windows shown: how long it
// takes and how much of a core the whole process uses meanwhile (target: at most 5 %).
// Every row and every column is a word of 15 letters, so each cell is scored twice.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "form/Cp932.h"
#include "form/Clock.h"
#include "play/Scoring.h"
#include "support/BoardBench.h"

#include <sys/resource.h>

namespace {

QByteArray fullGrid()
{
    const int n = 15;
    QStringList lines = {QStringLiteral("bench"), QStringLiteral("0"), QStringLiteral(";"), QStringLiteral("1"),
                         QStringLiteral(";#1"), QStringLiteral(";size"), QStringLiteral("15,15"),
                         QStringLiteral(";counts"), QStringLiteral("3,30,16"), QStringLiteral(";kinds")};
    for (int r = 0; r <= n + 1; ++r) {
        QStringList row;
        for (int c = 0; c <= n + 1; ++c)
            row << (r == 0 || c == 0 || r > n || c > n ? QStringLiteral("1") : QStringLiteral("4"));
        lines << row.join(u',');
    }
    lines << QStringLiteral(";answers");
    for (int r = 1; r <= n; ++r) {
        QString row;
        for (int c = 1; c <= n; ++c)
            row += QChar(0xFF21 + (r * 7 + c) % 26);
        lines << row;
    }
    for (int pass = 0; pass < 2; ++pass) {
        lines << QStringLiteral(";numbers");
        for (int r = 1; r <= n; ++r) {
            QStringList row;
            for (int c = 1; c <= n; ++c)
                row << QString::number(pass == 0 ? (c == 1 ? r : 0) : (r == 1 ? n + c : 0));
            lines << row.join(u',');
        }
    }
    lines << QStringLiteral(";words");
    for (int q = 1; q <= 30; ++q)
        lines << QStringLiteral("%1,ヒント%1,答え,ヨミ,ID,1,2,3,4,SN").arg(q);
    return form::toCp932(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

double processCpuSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) + (use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

void BM_ScoringWalk15x15(benchmark::State& state)
{
    BoardBench b(fullGrid());
    b.window.show();
    Game& game = b.game;
    MainForm& window = b.window;
    if (!b.ok) {
        state.SkipWithError("the puzzle did not read");
        return;
    }
    window.tmrKumi.setEnabled(false);
    for (MasData& m : game.cross.Mas)
        if (m.Kind != 1)
            m.Entry = m.Answer;
    const form::Clock& clock = form::Clock::instance();
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        BeginScoringDisplay(game);
        const double cpuFrom = processCpuSeconds();
        const double from = clock.monotonicSeconds();
        ScoreWords(game);
        wall = clock.monotonicSeconds() - from;
        cpu = processCpuSeconds() - cpuFrom;
        state.SetIterationTime(wall);
    }
    state.counters["walk_s"] = wall;
    state.counters["cpu_percent_of_a_core"] = 100 * cpu / wall;
}
BENCHMARK(BM_ScoringWalk15x15)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
