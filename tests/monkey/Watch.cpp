#include "Watch.h"

#include "form/Clock.h"
#include "form/Pump.h"
#include "records/BoardFile.h"
#include "records/RecordFile.h"
#include "model/Game.h"
#include "play/SetCross.h"
#include "window/Messages.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

#include <QApplication>
#include <QFile>
#include <algorithm>

namespace {

const QString Blank = QStringLiteral("　");
const QString Black = QStringLiteral("■");
// The talks that put a question in a menu: an answer belongs to the one asked last.
const std::set<int> MenuTalks{1231, 1241, 1242, 1243, 1615, 1915, 2115, 2535};
// Longest stretch of a flow without a talk, a wait or a box (seconds, calm time).
constexpr double HangSeconds = 30;
// What a stretch must last in real time as well before it counts (milliseconds).
constexpr qint64 RealSlackMs = 3000;

std::string str(const QString& s) { return s.toStdString(); }

const char* nameOf(BoxAnswer answer)
{
    static const char* const Names[] = {"none", "Yes", "No", "OK", "Cancel", "Escape", "the close box"};
    return Names[int(answer)];
}

bool allCorrect(const Puzzle& p)
{
    return std::all_of(p.Mas.begin(), p.Mas.end(), [](const MasData& m) { return m.Kind == 1 || m.Entry == m.Answer; });
}

QString titleOf(int message) { return messageSpec(message, QString()).title; }

} // namespace

double CalmClock::now() const
{
    return (m_awaySince >= 0 ? m_awaySince : form::Clock::instance().monotonicSeconds()) - m_awayTotal;
}

void CalmClock::beginAway() { m_awaySince = form::Clock::instance().monotonicSeconds(); }

void CalmClock::endAway()
{
    m_awayTotal += form::Clock::instance().monotonicSeconds() - m_awaySince;
    m_awaySince = -1;
}

Watch::Watch(Game& game, std::vector<Puzzle> puzzles, QString recordPath, QString boardPath,
             std::set<int> solvedAtStart, bool recordInWorkFolder)
    : game(game), m_puzzles(std::move(puzzles)), m_recordPath(std::move(recordPath)),
      m_boardPath(std::move(boardPath)), m_legitSolved(std::move(solvedAtStart)),
      m_recordInWorkFolder(recordInWorkFolder)
{
    m_real.start();
    progress();
}

void Watch::fault(const std::string& text)
{
    if (std::find(faults.begin(), faults.end(), text) == faults.end())
        faults.push_back(text);
}

void Watch::progress()
{
    m_lastProgress = clock.now();
    m_lastProgressReal = m_real.elapsed();
}

bool Watch::boardTakesKeys() const
{
    const TalkEngine& t = *game.talk;
    return game.PlayActive == 1 && game.Busy == 0 && game.AnswerOpenBusy == 0 && t.TalkWait == 0 &&
           !QApplication::activeModalWidget();
}

void Watch::letterSent(QChar letter)
{
    if (boardTakesKeys())
        m_typed.insert(QChar(0xFF21 + (letter.unicode() - 'A')));
}

bool Watch::boardIsPuzzle(int n) const
{
    if (n < 1 || size_t(n) >= m_puzzles.size())
        return false;
    const Puzzle& p = m_puzzles[size_t(n)];
    const Puzzle& b = game.cross;
    if (p.MasMaxX != b.MasMaxX || p.MasMaxY != b.MasMaxY || p.Mas.size() != b.Mas.size())
        return false;
    for (size_t i = 0; i < p.Mas.size(); ++i)
        if (p.Mas[i].Kind != b.Mas[i].Kind || p.Mas[i].Answer != b.Mas[i].Answer)
            return false;
    return true;
}

bool Watch::enteredOnlyTyped(const QStringList& rows) const
{
    for (const QString& row : rows)
        for (const QChar c : row)
            if (QString(c) != Blank && QString(c) != Black && !m_typed.count(c))
                return false;
    return true;
}

void Watch::observe()
{
    if (form::programEnded() || !game.talk)
        return;
    const TalkEngine& t = *game.talk;
    if (t.dataErrors.size() > m_errorsSeen) {
        m_errorsSeen = t.dataErrors.size();
        fault("talk refused or broken: " + str(t.dataErrors.last()));
    }

    // Waits: a menu's end is the player's answer (or none, when it ran out).
    if (t.TalkWait != m_wait) {
        if (m_wait == 3 || m_wait == -3)
            m_answer = {m_waitTalk, t.TalkWaitResult == 11 ? t.TalkMenuAnswer : 0};
        m_wait = t.TalkWait;
        m_waitTalk = t.lastTalkNumber;
        m_waitTicks = t.TickLimit;
        m_waitSince = clock.now();
        m_waitSinceReal = m_real.elapsed();
        progress();
    } else if ((m_wait == -1 || m_wait == -3) && !clock.away()) {
        const double tick = std::max(m_wait == -3 ? 0.05 : 0.5, form::Clock::instance().speed() / 1000);
        const double allowed = 2 * (m_waitTicks + 2) * tick + 1;
        if (clock.now() - m_waitSince > allowed && m_real.elapsed() - m_waitSinceReal > RealSlackMs)
            fault("the timed wait of talk " + std::to_string(m_waitTalk) + " outlived its " +
                  std::to_string(m_waitTicks) + " ticks");
    }
    // Effects that step by frames, the stage following a cast and the scoring walk move on.
    if (game.stage.ViewX != m_viewX || game.stage.ViewY != m_viewY || game.play.CursorMas != m_cursor) {
        m_viewX = game.stage.ViewX;
        m_viewY = game.stage.ViewY;
        m_cursor = game.play.CursorMas;
        progress();
    }
    const bool resting = t.TalkWait != 0 || QApplication::activeModalWidget() ||
                         (m_playing && game.Busy == 0 && game.AnswerOpenBusy == 0 && !TalkPending(game));
    if (resting || clock.away())
        progress();
    else if (clock.now() - m_lastProgress > HangSeconds && m_real.elapsed() - m_lastProgressReal > RealSlackMs)
        fault("no talk, wait or box for " + std::to_string(int(HangSeconds)) + " s inside a flow (last talk " +
              std::to_string(t.lastTalkNumber) + ")");

    if (!CrossOnBoard(game))
        return;
    const int n = game.CurCross;
    if (!boardIsPuzzle(n))
        fault("the board shows another puzzle than number " + std::to_string(n));
    if (n != m_cross) {
        const bool asked = m_answer == MenuAnswer{1915, 1} || (m_answer.talk == 2535 && (m_answer.item == 0 || m_answer.item == 1));
        if (game.PlayActive == 0)
            fault("puzzle " + std::to_string(n) + " put up before play began");
        else if (m_cross != 0 && !asked)
            fault("puzzle " + std::to_string(m_cross) + " changed to " + std::to_string(n) +
                  " without the player's word (last answer: talk " + std::to_string(m_answer.talk) + " item " +
                  std::to_string(m_answer.item) + ")");
        m_cross = n;
        m_answer = {};
    }
    if (!enteredOnlyTyped(board::boardOf(game.cross).rowTexts))
        fault("a cell of puzzle " + std::to_string(n) + " holds a letter typed while the board did not take keys");
}

void Watch::talkFetched(int n)
{
    progress();
    // The game went on after the question: it is no longer a reason to end.
    m_declinedAtStart = false;
    if (MenuTalks.count(n))
        m_answer = {};
    if (n < 1200 || n >= 1300)
        m_flowTalk = n;
    if (n != 2401)
        return;
    if (!(m_answer == MenuAnswer{2115, 1}))
        fault("全問正解 without the player's 採点する (last answer: talk " + std::to_string(m_answer.talk) + " item " +
              std::to_string(m_answer.item) + ")");
    else if (!CrossOnBoard(game) || !boardIsPuzzle(game.CurCross) || !allCorrect(game.cross))
        fault("全問正解 on a board with blank or wrong cells");
    else
        m_legitSolved.insert(game.CurCross);
}

void Watch::checkFiles()
{
    QStringList lines;
    std::set<int> solved;
    if (QFile::exists(m_recordPath) && record::read(m_recordPath, lines)) {
        const QStringList flags = lines.value(record::SolvedLine - 1).split(QLatin1Char(','));
        for (int i = 1; i <= int(flags.size()); ++i)
            if (flags[i - 1] == QLatin1String("1"))
                solved.insert(i);
    }
    for (const int i : solved)
        if (!m_legitSolved.count(i))
            fault("puzzle " + std::to_string(i) + " is marked solved without a scoring that found it all correct");

    const board::ReadResult file = board::read(m_boardPath);
    if (!file.problems.isEmpty())
        fault("the board file is damaged: " + str(file.problems.join(u' ')));
    for (const auto& [n, saved] : file.boards) {
        const std::string which = "the board file's puzzle " + std::to_string(n);
        if (n < 1 || size_t(n) >= m_puzzles.size())
            fault(which + " does not exist");
        else if (const QString misfit = board::misfit(saved, m_puzzles[size_t(n)]); !misfit.isEmpty())
            fault(which + " does not fit it: " + str(misfit));
        if (!enteredOnlyTyped(saved.rowTexts))
            fault(which + " holds a letter typed while the board did not take keys");
        if (solved.count(n))
            fault(which + " stays though the puzzle is solved");
    }
    // The puzzle on the board is on disk as it stands, once its entries have landed.
    const int n = game.CurCross;
    if (!form::programEnded() && CrossOnBoard(game) && boardIsPuzzle(n) && game.play.PendingInput.isEmpty() &&
        game.play.MasBusy == 0) {
        const board::SavedBoard now = board::boardOf(game.cross);
        const bool kept = file.boards.count(n) != 0;
        const bool keep = game.CrossSolved[size_t(n)] != 1 && board::hasEntries(now);
        // The entries, not the clock: the file keeps the seconds of its last write.
        if (kept != keep || (keep && file.boards.at(n).rowTexts != now.rowTexts))
            fault("the board file does not hold puzzle " + std::to_string(n) + " as the board shows it");
    }
}

void Watch::boxShown(const QString&) { progress(); }

void Watch::boxClosed(const QString& title, BoxAnswer answer)
{
    if (title == titleOf(10004))
        m_keepAnswer = answer;
    for (const int startup : {101, 102, 103, 1001})
        if (title == titleOf(startup) && answer != BoxAnswer::Yes)
            m_declinedAtStart = true;
}

void Watch::programEnding(bool byPlayer)
{
    const TalkEngine& t = *game.talk;
    const int last = t.lastTalkNumber;
    const bool ending = last == 2525 || last == 3011 || last == 3121 || last == 3261 ||
                        (last == 1731 && m_answer == MenuAnswer{1615, 1}) ||
                        (last == 2613 && m_answer == MenuAnswer{2535, 2});
    if (!byPlayer && !ending && !m_declinedAtStart)
        fault("the game ended without the player's word (last talk " + std::to_string(last) + ", last answer: talk " +
              std::to_string(m_answer.talk) + " item " + std::to_string(m_answer.item) + ")");

    const bool recordThere = QFile::exists(m_recordPath);
    if (m_recordInWorkFolder && m_keepAnswer != BoxAnswer::None) {
        if (recordThere != (m_keepAnswer != BoxAnswer::No))
            fault(std::string("the record in the work folder was ") + (recordThere ? "kept" : "deleted") +
                  " after the answer " + nameOf(m_keepAnswer) + " to the keep-or-delete question");
        if (!recordThere && QFile::exists(m_boardPath))
            fault("the board file stayed after its record was deleted");
    } else if (!m_recordInWorkFolder && !game.RecordFolder.isEmpty() && !recordThere) {
        fault("the record beside the play file is gone");
    }
}
