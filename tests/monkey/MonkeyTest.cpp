// Careless play through the real main window from the title to the end, seed after seed:
// whatever is clicked or typed in whatever phase, the game does not crash, records no
// puzzle it did not score all correct, keeps only typed entries in the board file, ends
// only when the player or an ending says so, and no wait outlives its time.
//
//   LATICA_MONKEY_SEED=n      seed n alone, its steps printed as they are sent
//   LATICA_MONKEY_SECONDS=n   seeds from LATICA_MONKEY_FIRST (or one taken from the clock)
//                             until n seconds have passed
//   LATICA_MONKEY_SEEDS, LATICA_MONKEY_STEPS, LATICA_MONKEY_FIRST   the default run's size
//   LATICA_MONKEY_SPEED       the time source's speed factor (100)
//
// The run ends with the steps sent in each phase and how the runs ended.
// A failing seed prints its faults and its steps. A crash prints its seed number and the steps
// sent so far from a signal handler (and from the sanitizers' death callback).
#include "Monkey.h"
#include "Watch.h"

#include "support/DialogScript.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"

#include "form/Clock.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "form/Timer.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"
#include "records/BoardFile.h"
#include "records/RecordFile.h"
#include "model/Game.h"
#include "window/MainForm.h"
#include "shell/StartUp.h"
#include "story/Story.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <iostream>
#include <unistd.h>

extern "C" void __sanitizer_set_death_callback(void (*)()) __attribute__((weak));

namespace {

// The time source's pace; LATICA_MONKEY_SPEED changes it.
double Speed = 100;
// About a minute in the normal build; the sanitizer build, slower, runs half as many.
#if defined(__SANITIZE_ADDRESS__)
constexpr long long DefaultSeeds = 6;
#else
constexpr long long DefaultSeeds = 16;
#endif
// The letter sample, and a file of three small puzzles that a run solves more often.
const QString SampleName = QStringLiteral("サンプル_英単語.kmi");
const QString SmallName = QStringLiteral("ミニ.kmi");

QByteArray smallFile()
{
    return playfiles::file(3, {playfiles::catSection(1), playfiles::combSection(2, 5, 3), playfiles::combSection(3, 3, 2)});
}

// Every puzzle of a play file as the game reads it (element 0 unused).
std::vector<Puzzle> puzzlesOf(const QByteArray& bytes)
{
    std::vector<Puzzle> puzzles(1);
    const int count = playFileHeaderOf(bytes).crossCount;
    for (int n = 1; n <= count; ++n) {
        const CrossReadResult read = parseCrossFile(bytes, n);
        EXPECT_TRUE(read.ok) << read.error.toStdString();
        puzzles.push_back(read.puzzle);
    }
    return puzzles;
}

const std::string* g_steps = nullptr;
char g_seedLine[64];
bool g_printed = false;
struct sigaction g_before[NSIG];

void printSteps()
{
    if (g_printed || !g_steps)
        return;
    g_printed = true;
    ssize_t ignored = ::write(2, g_seedLine, std::strlen(g_seedLine));
    ignored = ::write(2, g_steps->data(), g_steps->size());
    (void)ignored;
}

// Prints, then lets the fault happen again under the handler that was there before (the
// sanitizer's, or the default one).
void onCrash(int signal)
{
    printSteps();
    sigaction(signal, &g_before[signal], nullptr);
    if (signal == SIGABRT)
        raise(signal);
}

void reportCrashes()
{
    for (const int signal : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT}) {
        struct sigaction action {};
        action.sa_handler = onCrash;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, &g_before[signal]);
    }
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(printSteps);
}

std::string str(const QString& s) { return s.toStdString(); }

long long environment(const char* name, long long fallback)
{
    bool ok = false;
    const long long value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

struct SeedRun {
    std::vector<std::string> faults;
    std::string steps;
    std::map<std::string, int> phases;
};

// One seed: its own folders, a new or returning player, the record beside the play file or
// in the work folder, and the monkey's steps until the game ends.
SeedRun runSeed(const QByteArray& sample, uint64_t seed, int steps, bool echo)
{
    std::mt19937 setup(uint32_t(seed * 7919 + 1));
    const bool returning = setup() % 5 < 2, inWorkFolder = setup() % 10 < 3, cancelFirst = setup() % 12 == 0;
    const bool small = setup() % 3 == 0;
    const QString PlayFileName = small ? SmallName : SampleName;
    const QByteArray bytes = small ? smallFile() : sample;
    const std::vector<Puzzle> puzzles = puzzlesOf(bytes);
    QTemporaryDir dir;
    const QString playFolder = dir.filePath(QStringLiteral("play")), workFolder = dir.filePath(QStringLiteral("work"));
    QDir().mkpath(playFolder);
    QDir().mkpath(workFolder);
    qputenv("TEMP", workFolder.toLocal8Bit());
    const QString playFile = playFolder + QLatin1Char('/') + PlayFileName;
    testsupport::writeFile(playFile, bytes);
    const QString recordName = record::fileNameFor(PlayFileName);
    const QString recordFolder = (inWorkFolder ? workFolder : playFolder) + QLatin1Char('/');
    // A folder in the record's place: the play folder cannot take the record.
    if (inWorkFolder)
        QDir().mkpath(playFolder + QLatin1Char('/') + recordName);
    std::set<int> solved;
    if (returning) {
        const int count = int(puzzles.size()) - 1;
        std::vector<int> flags(size_t(count) + 1, 0);
        // Some solved, never the last one.
        for (int i = 1; i < count; ++i)
            if (setup() % 2 == 0) {
                flags[size_t(i)] = 1;
                solved.insert(i);
            }
        QStringList lines = record::newRecord(inWorkFolder ? 1 : 0, count);
        lines[record::NameLine - 1] = QStringLiteral("ミナ");
        lines[record::SolvedLine - 1] = record::solvedText(flags, count);
        record::write(recordFolder + recordName, lines);
    }

    MainForm window;
    Game game;
    Story story{game};
    game.frmMain = &window;
    game.story = &story;
    game.instanceName = QStringLiteral("LaticaMonkey-%1-%2").arg(QCoreApplication::applicationPid()).arg(seed);
    form::resetProgramEnded();
    form::Clock::instance().setSpeed(Speed);
    DialogScript dialogs;
    dialogs.strict = false;
    if (cancelFirst)
        dialogs.choose(QString());
    for (int i = 0; i < 4; ++i)
        dialogs.choose(playFile);

    Watch watch(game, puzzles, recordFolder + recordName, recordFolder + board::fileNameFor(PlayFileName), solved,
                inWorkFolder);
    Monkey monkey(game, window, watch, seed, steps, Speed);
    const std::string setupLine = str(PlayFileName) + ", " + (returning ? "returning" : "new") + " player, record in the " +
                                  (inWorkFolder ? "work" : "play") + " folder" +
                                  (cancelFirst ? ", the first open dialog cancelled" : "") + "\n";
    monkey.log = setupLine;
    if (echo) {
        std::cerr << setupLine;
        monkey.echo = [](const std::string& text) { std::cerr << text << std::flush; };
    }
    // Echoed steps are on the screen already when a crash comes.
    g_steps = echo ? nullptr : &monkey.log;
    std::snprintf(g_seedLine, sizeof g_seedLine, "\nmonkey: crash in seed %llu after these steps:\n",
                  static_cast<unsigned long long>(seed));

    // The monkey answers the boxes; the watch only notes them.
    form::setMessageBoxObserver([&watch](QMessageBox& box) { watch.boxShown(box.windowTitle()); });
    form::setEndProcessHandler([&](int) {
        watch.programEnding(monkey.endedByPlayer());
        ++monkey.phases[monkey.endedByPlayer() ? "~ended by the player"
                                               : "~ended after talk " + std::to_string(game.talk->lastTalkNumber)];
        throw form::ProgramEnded();
    });
    TalkEngine& talk = talkEngine(game);
    talk.onTalkFetched = [&watch](int n) { watch.talkFetched(n); };
    talk.onCharPrinted = [&watch](QChar) { watch.progress(); };
    game.effects.onStep = [&watch] { watch.progress(); };
    // A timer resting for good is asked after every handler the game runs: the watch looks.
    form::Timer afterEveryHandler;
    afterEveryHandler.setInterval(1000);
    afterEveryHandler.setEnabled(true);
    afterEveryHandler.wakeWhen = [&watch] {
        watch.observe();
        return false;
    };
    afterEveryHandler.onTick = [&] { afterEveryHandler.skipTicks(1000000); };
    afterEveryHandler.skipTicks(1000000);

    monkey.start();
    try {
        Main(game);
        watch.setPlaying();
        form::waitUntil([] { return false; });
    } catch (const form::ProgramEnded&) {
    }
    form::setEndProcessHandler([](int) { throw form::ProgramEnded(); });
    watch.checkFiles();
    form::resetProgramEnded();
    g_steps = nullptr;
    return {watch.faults, monkey.log, monkey.phases};
}

TEST(Monkey, CarelessPlayInEveryPhaseNeitherCrashesNorMisleadsTheGame)
{
    testsupport::ProgramFolderCopy program;  // F1 writes its report into the program folder
    const QByteArray sample = testsupport::readFile(program.filePath(SampleName));
    ASSERT_GE(puzzlesOf(sample).size(), 3u);
    reportCrashes();

    Speed = double(environment("LATICA_MONKEY_SPEED", 100));
    const long long one = environment("LATICA_MONKEY_SEED", -1);
    const long long seconds = environment("LATICA_MONKEY_SECONDS", 0);
    const int steps = int(environment("LATICA_MONKEY_STEPS", 300));
    long long first = environment("LATICA_MONKEY_FIRST", seconds > 0 ? QDateTime::currentSecsSinceEpoch() % 1000000 : 1);
    long long seeds = environment("LATICA_MONKEY_SEEDS", DefaultSeeds);
    if (one >= 0)
        first = one, seeds = 1;
    if (seconds > 0)
        std::cerr << "monkey: seeds from " << first << " for " << seconds << " s\n";

    QElapsedTimer clock;
    clock.start();
    std::vector<long long> failed;
    std::map<std::string, int> phases;
    long long ran = 0;
    for (long long seed = first; seconds > 0 ? clock.elapsed() < seconds * 1000 : seed < first + seeds; ++seed, ++ran) {
        const SeedRun run = runSeed(sample, uint64_t(seed), steps, one >= 0);
        for (const auto& [phase, n] : run.phases)
            phases[phase] += n;
        if (run.faults.empty() && one < 0)
            continue;
        if (!run.faults.empty())
            failed.push_back(seed);
        if (failed.size() > 3 && one < 0)
            continue;
        std::string report = "monkey seed " + std::to_string(seed) + ":\n";
        for (const std::string& f : run.faults)
            report += "  FAULT " + f + "\n";
        std::cerr << report << run.steps << std::endl;
    }
    std::string coverage;
    for (const auto& [phase, n] : phases)
        coverage += " " + phase + " " + std::to_string(n) + ";";
    std::cerr << "monkey: " << ran << " seeds x " << steps << " steps in " << clock.elapsed() / 1000.0
              << " s; steps per phase, then endings:" << coverage << "\n";
    std::string list;
    for (const long long s : failed)
        list += " " + std::to_string(s);
    EXPECT_TRUE(failed.empty()) << failed.size() << " seeds failed (LATICA_MONKEY_SEED=n replays one):" << list;
}

} // namespace
