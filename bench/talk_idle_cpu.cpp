// CPU used by the program while a talk waits for the player: a click wait (the cursor
// blinking every 500 ms) and a menu wait (the hover check every 50 ms), each for 20 s
// at real speed, measured with getrusage on the process itself.
// Target: at most 2 % of one core.
#include "form/Clock.h"
#include "form/Label.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "support/TalkStage.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"
#include "talk/TalkEvents.h"
#include "window/MainForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

constexpr double WaitSeconds = 20;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void clickBox(QWidget* box)
{
    const QPointF at = QRectF(box->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, box->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, box->mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box, &release);
}

// Runs the talk; once its wait has begun, measures CPU for 20 s, then ends the wait.
void measureWait(benchmark::State& state, const QString& talk, int kind, const std::function<void(TalkStage&)>& end)
{
    TalkStage stage;
    TalkEngine& t = talkEngine(stage.game);
    for (auto _ : state) {
        double cpuStart = 0, wallStart = 0, cpu = 0, wall = 0;
        QTimer watch;
        watch.setInterval(100);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            const double now = form::Clock::instance().monotonicSeconds();
            if (t.TalkWait != kind)
                return;
            if (wallStart == 0) {
                wallStart = now;
                cpuStart = cpuSeconds();
            } else if (now - wallStart >= WaitSeconds && wall == 0) {
                cpu = cpuSeconds() - cpuStart;
                wall = now - wallStart;
                watch.stop();
                end(stage);
            }
        });
        watch.start();
        AdviserTalk(stage.game, talk);
        state.SetIterationTime(wall);
        state.counters["cpu_percent_of_one_core"] = wall > 0 ? cpu / wall * 100 : -1;
        state.counters["wait_seconds"] = wall;
    }
}

void BM_ClickWaitCpu(benchmark::State& state)
{
    measureWait(state, QStringLiteral("＋〈クリックを待っています〉▼×"), 1,
                [](TalkStage& s) { clickBox(s.window.picTalkBox(talkEngine(s.game).CurrentTalkBox)); });
}
BENCHMARK(BM_ClickWaitCpu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void BM_MenuWaitCpu(benchmark::State& state)
{
    measureWait(state, QStringLiteral("＋〈どれにしますか〉『はい／いいえ／あとで』★※"), 3, [](TalkStage& s) {
        s.window.lblMenu(1)->onClick();
    });
}
BENCHMARK(BM_MenuWaitCpu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

} // namespace
