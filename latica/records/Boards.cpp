#include "Boards.h"

#include "BoardFile.h"
#include "model/Game.h"
#include "model/PlayClock.h"

#include <QFile>
#include <cstdio>

namespace {

void note(const QString& path, const QString& text)
{
    std::fprintf(stderr, "latica: the board file %s %s\n", path.toLocal8Bit().constData(),
                 text.toLocal8Bit().constData());
}

// One note for a file that cannot be written, not one per keystroke: the next note comes
// after a write that succeeded.
QString& unwritablePathNoted()
{
    static QString path;
    return path;
}

// Writes `boards` unless the file read cleanly and holds them already.
void store(const QString& path, const board::ReadResult& before, const board::Boards& boards)
{
    if (before.problems.isEmpty() && before.boards == boards)
        return;
    QString error;
    if (board::write(path, boards, &error)) {
        unwritablePathNoted().clear();
    } else if (unwritablePathNoted() != path) {
        unwritablePathNoted() = path;
        note(path, QStringLiteral("cannot be written (%1); play goes on without it").arg(error));
    }
}

bool solved(const Game& game, int n)
{
    return n >= 1 && size_t(n) < game.CrossSolved.size() && game.CrossSolved[size_t(n)] == 1;
}

} // namespace

QString BoardPath(const Game& game)
{
    if (game.RecordFolder.isEmpty() || game.PlayFileTitle.isEmpty())
        return {};
    return game.RecordFolder + board::fileNameFor(game.PlayFileTitle);
}

void KeepBoard(Game& game)
{
    const QString path = BoardPath(game);
    const int n = game.CurCross;
    if (path.isEmpty() || n < 1 || game.cross.Mas.empty())
        return;
    const board::ReadResult before = board::read(path);
    board::Boards boards = before.boards;
    board::SavedBoard now = board::boardOf(game.cross);
    now.seconds = PlaySeconds(game);
    if (solved(game, n) || !board::hasEntries(now))
        boards.erase(n);
    else
        boards[n] = now;
    store(path, before, boards);
}

bool RestoreBoard(Game& game, int* seconds)
{
    if (seconds)
        *seconds = 0;
    const QString path = BoardPath(game);
    if (path.isEmpty())
        return false;
    const board::ReadResult file = board::read(path);
    for (const QString& problem : file.problems)
        note(path, QStringLiteral("%1: left out, the next write replaces it").arg(problem));
    const auto kept = file.boards.find(game.CurCross);
    if (kept == file.boards.end())
        return false;
    const QString misfit = board::misfit(kept->second, game.cross);
    if (!misfit.isEmpty()) {
        note(path, QStringLiteral("does not fit puzzle %1 (%2): its entries are left out, the next write "
                                  "replaces them").arg(game.CurCross).arg(misfit));
        return false;
    }
    board::putInto(kept->second, game.cross);
    if (seconds)
        *seconds = kept->second.seconds;
    return true;
}

void DropSolvedBoards(Game& game)
{
    const QString path = BoardPath(game);
    if (path.isEmpty())
        return;
    const board::ReadResult before = board::read(path);
    board::Boards boards = before.boards;
    std::erase_if(boards, [&game](const auto& kept) { return solved(game, kept.first); });
    store(path, before, boards);
}

void DropAllBoards(Game& game)
{
    const QString path = BoardPath(game);
    QFile file(path);
    if (!path.isEmpty() && file.exists() && !file.remove())
        note(path, QStringLiteral("cannot be removed (%1)").arg(file.errorString()));
}
