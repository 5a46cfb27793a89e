// The talk printer, fed a talk fetched from talk data that holds the input as its one
// talk. The waits in it end at once: a click on the box, the menu item the input's first
// byte picks, a typed number; the timed ones run out. Whatever the mark-up, every tick
// takes a mark or prints a character, so the talk runs to its end; then every wait is
// over, the adviser's cast is not left talking, and the boxes are left in a state of the
// box modes.
#include "FuzzCheck.h"

#include "cast/Cast.h"
#include "form/Clock.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "form/TextBox.h"
#include "model/Game.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"
#include "window/MainForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdint>
#include <cstdlib>

namespace {

// The end mark "∴" in CP932.
const QByteArray EndMark("\x81\x88");

struct Stage {
    MainForm window;
    Game game;
    QTimer player;
    unsigned choice = 0;
};

Stage* stage = nullptr;

// Ends the wait in progress as the player (or the time) would.
void endWait(Game& game, unsigned choice)
{
    TalkEngine& t = talkEngine(game);
    if (t.TalkWait == 0 || t.TalkWaitResult != 1)
        return;
    if (t.TalkWait < 0) {
        TalkWaitTimeOut(game);
        return;
    }
    switch (t.TalkWait) {
    case 1:
        EndTalkWait(game, t.CurrentTalkBox);
        break;
    case 2:
        game.frmMain->txtTalkInput->setText(QString::number(choice % 12));
        EndTalkWait(game, 0);
        break;
    case 3:
        EndTalkWait(game, 1 + int(choice % unsigned(std::max(1, t.MenuItemCount))));
        break;
    default:
        break;
    }
}

// The talk data the engine opens at start: one empty talk.
void writeStartData(const QString& folder)
{
    QDir(folder).mkpath(QStringLiteral("Talk"));
    QFile index(folder + QStringLiteral("/Talk/TalkIx.dat"));
    QFile text(folder + QStringLiteral("/Talk/TalkDt.dat"));
    if (!index.open(QIODevice::WriteOnly) || !text.open(QIODevice::WriteOnly))
        fuzzFail("the start-up talk data cannot be written", folder);
    index.write(QByteArray("\x01\x00\x00\x00", 4));
    text.write(QByteArray("\x02\x00", 2) + EndMark);
}

// Every talk starts on closed boxes, the talkers as the stage build registers them, no
// names and no answer.
void resetTalk(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    for (int n = 1; n <= 2; ++n) {
        f.picTalkBox(n)->setVisible(false);
        t.BoxState[n] = 0;
    }
    t.TalkBoxMode = 0;
    t.CurrentTalkBox = 0;
    HideTalkMenu(game);
    ClearTalkers(game);
    AddTalker(game, QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    AddTalker(game, QStringLiteral("＋"), 2, QStringLiteral("姉声"), 2, 100, 180, 0, 1);
    AddTalker(game, QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    t.TalkNames.fill(QString());
    t.TalkMenuAnswer = 0;
    t.WaitFactor = 5;
    t.dataErrors.clear();
    SetCastTalkState(game, 1, 1);
}

void checkBoxes(Game& game)
{
    TalkEngine& t = talkEngine(game);
    MainForm& f = *game.frmMain;
    const QString state = QStringLiteral("mode %1, current %2, states %3 %4, shown %5 %6")
                              .arg(t.TalkBoxMode).arg(t.CurrentTalkBox).arg(t.BoxState[1]).arg(t.BoxState[2])
                              .arg(f.picTalkBox(1)->isVisible()).arg(f.picTalkBox(2)->isVisible());
    for (int n = 1; n <= 2; ++n)
        FUZZ_CHECK((t.BoxState[n] != 0) == f.picTalkBox(n)->isVisible(), state);
    const int current = t.CurrentTalkBox;
    const int other = 3 - current;
    switch (t.TalkBoxMode) {
    case 0:
        FUZZ_CHECK(current == 0 && t.BoxState[1] == 0 && t.BoxState[2] == 0, state);
        break;
    case 1:
        FUZZ_CHECK((current == 1 || current == 2) && t.BoxState[current] == 1 && t.BoxState[other] == 0, state);
        break;
    case 2:
        FUZZ_CHECK((current == 1 || current == 2) && t.BoxState[current] != 0 && t.BoxState[other] == 0, state);
        break;
    case 3:
        FUZZ_CHECK((current == 1 || current == 2) && t.BoxState[current] == 1 && t.BoxState[other] == 2, state);
        break;
    default:
        fuzzFail("box mode outside 0..3", state);
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    new QApplication(*argc, *argv);
    form::setEndProcessHandler([](int) { throw form::ProgramEnded(); });
    auto* folder = new QTemporaryDir;
    writeStartData(folder->path());
    form::ProgramFolder::setPath(folder->path());
    // Pauses and box steps take no real time.
    form::Clock::instance().setSpeed(1e6);

    stage = new Stage;
    Game& game = stage->game;
    game.frmMain = &stage->window;
    // The adviser's cast, which animated utterances switch to talking and back.
    CastRecord cast;
    cast.InUse = 1;
    cast.Frame = 1;
    game.casts.Casts.push_back(cast);
    game.casts.CastCount = 1;
    stage->window.show();
    InitTalk(game, 420, 126);
    ResetTalk(game);
    if (!talkEngine(game).dataErrors.isEmpty())
        fuzzFail("the talk engine did not start", talkEngine(game).dataErrors.join(u'\n'));
    // The player acts whenever events run, which is where every wait waits.
    stage->player.setInterval(0);
    QObject::connect(&stage->player, &QTimer::timeout, [] { endWait(stage->game, stage->choice); });
    stage->player.start();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 60000)
        return 0;
    Game& game = stage->game;
    TalkEngine& t = talkEngine(game);
    stage->choice = data[0];
    resetTalk(game);

    const QByteArray talk = QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)) + EndMark;
    char length[2] = {char(talk.size() & 0xFF), char(talk.size() >> 8)};
    t.data.openBytes(QByteArray("\x01\x00\x00\x00", 4), QByteArray(length, 2) + talk);
    const talk::TalkText fetched = t.data.fetch(1);
    if (!fetched.ok())
        return 0;

    // The tmrTalk ticks, one after the other: each prints a character or takes a mark.
    t.TalkBuffer = fetched.text;
    t.talkLabel = QStringLiteral("トーク1");
    try {
        while (TalkPending(game)) {
            const qsizetype marks = t.TalkBuffer.size();
            const qsizetype letters = t.Utterance.size();
            TalkTick(game);
            FUZZ_CHECK(t.TalkBuffer.size() < marks || (t.TalkBuffer.size() == marks && t.Utterance.size() < letters),
                       QStringLiteral("a tick took nothing: ") + t.TalkBuffer);
        }
    } catch (const form::ProgramEnded&) {
        form::resetProgramEnded();
        fuzzFail("a talk ended the program", fetched.text);
    }
    FUZZ_CHECK(t.TalkWait == 0 && t.TalkBusy == 0 && game.frmMain->tmrTalk.isEnabled(), fetched.text);
    FUZZ_CHECK(game.casts[1].TalkState != 2, fetched.text);
    checkBoxes(game);
    return 0;
}
