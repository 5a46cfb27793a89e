// Talk pacing at real speed: a talk of 200 characters (one utterance, a line break after
// every twelve, so the box grows as it fills) printed by the talk timer into the main
// window. Times come from the game's time source at each printed character.
// Targets: mean time per character of the talk 15 +- 1 ms; no gap between two printed
// characters above 40 ms (a line break in between counts as one character more).
#include "form/Clock.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "support/TalkStage.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"
#include "talk/TalkEvents.h"
#include "window/MainForm.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int TalkLength = 200;

// 200 characters: runs of twelve printed characters, each followed by a line break.
QString pacingTalk()
{
    const QString kana = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねの");
    QString text;
    for (int i = 0; text.size() < TalkLength; ++i)
        text += (i % 13 == 12) ? QStringLiteral("　") : QString(kana.at(i % kana.size()));
    return text;
}

void BM_TalkPacing(benchmark::State& state)
{
    TalkStage stage;
    TalkEngine& t = talkEngine(stage.game);
    const form::Clock& clock = form::Clock::instance();
    const QString body = pacingTalk();
    const int printedCount = int(body.size() - body.count(QStringLiteral("　")));
    double farthestMean = 0.015, worstGap = 0, sumMean = 0;
    int runs = 0;
    for (auto _ : state) {
        std::vector<double> at;
        at.reserve(TalkLength);
        t.onCharPrinted = [&](QChar) { at.push_back(clock.monotonicSeconds()); };
        AdviserTalk(stage.game, QStringLiteral("＋〈") + body + QStringLiteral("〉×"));
        form::waitUntil([&t] { return t.Utterance.isEmpty(); });
        if (int(at.size()) != printedCount) {
            state.SkipWithError("not every character was printed");
            return;
        }
        // From the first printed character to the last, the talk advanced by all of its
        // characters but the first.
        const double mean = (at.back() - at.front()) / (TalkLength - 1);
        double gap = 0;
        for (std::size_t i = 1; i < at.size(); ++i)
            gap = std::max(gap, at[i] - at[i - 1]);
        state.SetIterationTime(at.back() - at.front());
        if (std::abs(mean - 0.015) > std::abs(farthestMean - 0.015))
            farthestMean = mean;
        worstGap = std::max(worstGap, gap);
        sumMean += mean;
        ++runs;
        AdviserTalk(stage.game, QStringLiteral("×"));
    }
    state.counters["mean_ms_per_char"] = runs ? sumMean / runs * 1000 : 0;
    state.counters["farthest_run_mean_ms"] = farthestMean * 1000;
    state.counters["max_gap_ms"] = worstGap * 1000;
}
BENCHMARK(BM_TalkPacing)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
