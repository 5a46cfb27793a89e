#include "Cast.h"

#include "CastTable.h"
#include "form/Cp932.h"
#include "form/Picture.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "window/MainForm.h"

#include <QFile>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

int takeSlot(CastList& list)
{
    for (int i = 1; i <= list.CastCount; ++i) {
        if (list[i].InUse == 0)
            return i;
    }
    list.Casts.push_back(CastRecord{});
    return ++list.CastCount;
}

int takeCell(Game& game)
{
    MainForm& f = *game.frmMain;
    CastList& list = game.casts;
    for (int j = 1; j <= list.CellCount; ++j) {
        if (!f.picCell(j)->isEnabled())
            return j;
    }
    const int j = ++list.CellCount;
    if (j != 1)
        f.picCell.load(j);
    return j;
}

QString castLine(Game& game, const QString& name)
{
    CastList& list = game.casts;
    const QString path = form::ProgramFolder::resolve(QStringLiteral("\\Picture\\cast\\") + list.CastFileName);
    // The stage loads many casts in a row from one table: it is read once.
    if (list.tablePath != path || !QFile::exists(path)) {
        QFile file(path);
        if (list.CastFileName.isEmpty() || !file.open(QIODevice::ReadOnly))
            DataFailure(game, QStringLiteral("キャスト表 %1 を読めません。").arg(path));
        list.tableLines = form::splitLines(form::fromCp932(file.readAll()));
        list.tablePath = path;
    }
    const auto line = findCastLine(list.tableLines, name);
    if (!line)
        DataFailure(game, QStringLiteral("キャスト表 %1 にキャスト「%2」がありません。").arg(path, name));
    return *line;
}

QString picturePath(const QString& name)
{
    return form::ProgramFolder::resolve(QStringLiteral("\\Picture\\cast\\") + name + QStringLiteral(".jpg"));
}

} // namespace

void ReadCastPicturesAhead(Game& game, const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names) {
        const QString path = picturePath(name);
        if (!paths.contains(path) && !game.casts.picturesAhead.contains(path))
            paths.append(path);
    }
    std::vector<QImage> pictures(paths.size());
    std::atomic<int> next{0};
    const auto work = [&] {
        for (int k = next++; k < paths.size(); k = next++)
            pictures[k] = form::readPicture(paths[k]);
    };
    const int helpers = std::min<int>(paths.size(), std::max(1u, std::thread::hardware_concurrency())) - 1;
    std::vector<std::thread> threads;
    for (int t = 0; t < helpers; ++t)
        threads.emplace_back(work);
    work();
    for (std::thread& t : threads)
        t.join();
    // A picture that cannot be read is left to LoadCast, which reports it.
    for (int k = 0; k < paths.size(); ++k) {
        if (!pictures[k].isNull())
            game.casts.picturesAhead.insert(paths[k], pictures[k]);
    }
}

void ForgetCastPictures(Game& game)
{
    game.casts.picturesAhead.clear();
}

int LoadCast(Game& game, const QString& name)
{
    if (name.isEmpty())
        DataFailure(game, QStringLiteral("キャスト名が空です。"));
    CastList& list = game.casts;
    const int i = takeSlot(list);
    const int j = takeCell(game);
    CastRecord record;
    readCastFields(castLine(game, name), record);

    const QString path = picturePath(name);
    QString fault;
    const QImage picture =
        list.picturesAhead.contains(path) ? list.picturesAhead.value(path) : form::readPicture(path, &fault);
    if (picture.isNull())
        DataFailure(game, QStringLiteral("キャスト「%1」の絵 %2 を読めません（%3）。").arg(name, path, fault));
    form::PictureBox* cell = game.frmMain->picCell(j);
    cell->setPicture(picture);
    cell->setEnabled(true);

    record.InUse = 1;
    record.Cell = j;
    record.Anchor = 0;
    if (record.Active == 1) {
        if (record.DriftKind == 28)
            record.Anchor = record.Y;
        else if (record.DriftKind == 46)
            record.Anchor = record.X;
    }
    record.WrapArmed = 0;
    record.WrapTime = 1;
    record.RestInterval = record.FrameInterval;
    list[i] = record;
    return i;
}

void FreeCast(Game& game, int cast)
{
    if (game.casts.valid(cast))
        game.casts[cast].InUse = 0;
}

void HideCast(Game& game, int cast)
{
    if (game.casts.valid(cast))
        game.casts[cast].Active = 0;
}

void SetCastPos(Game& game, int cast, int x, int y)
{
    if (!game.casts.valid(cast))
        return;
    CastRecord& c = game.casts[cast];
    c.X = x;
    c.Y = y;
    if (c.DriftKind == 2 || c.DriftKind == 8 || c.DriftKind == 28)
        c.Anchor = y;
    else if (c.DriftKind == 4 || c.DriftKind == 6 || c.DriftKind == 46)
        c.Anchor = x;
}

void SetCastDrift(Game& game, int cast, int kind, int interval, int amount)
{
    if (!game.casts.valid(cast))
        return;
    CastRecord& c = game.casts[cast];
    c.DriftKind = kind;
    c.DriftInterval = interval;
    c.DriftAmount = amount;
    if (kind == 28)
        c.Anchor = c.Y;
    else if (kind == 46)
        c.Anchor = c.X;
}

void SetCastMove(Game& game, int cast, int mode, int direction, int interval, int step, int delay)
{
    if (!game.casts.valid(cast))
        return;
    CastRecord& c = game.casts[cast];
    c.MoveMode = mode;
    c.MoveDirection = direction;
    c.MoveInterval = interval;
    c.MoveStep = step;
    c.WrapDelay = delay;
}

void GetCastPos(const Game& game, int cast, int& x, int& y)
{
    if (!game.casts.valid(cast))
        return;
    x = game.casts[cast].X;
    y = game.casts[cast].Y;
}

void CopyCastFace(Game& game, int shown, int face)
{
    if (!game.casts.valid(shown) || !game.casts.valid(face))
        return;
    CastRecord& s = game.casts[shown];
    const CastRecord& f = game.casts[face];
    s.X += (s.Width - f.Width) / 2;
    s.Y += (s.Height - f.Height) / 2;
    s.Cell = f.Cell;
    s.Frame = f.Frame;
    s.Width = f.Width;
    s.Height = f.Height;
}

void SetCastTalkState(Game& game, int cast, int state)
{
    if (!game.casts.valid(cast))
        return;
    CastRecord& c = game.casts[cast];
    switch (state) {
    case 0:
        c.Frame = 1;
        c.LoopFirst = c.LoopLast = 1;
        c.FrameInterval = c.RestInterval;
        c.TalkState = 0;
        break;
    case 1:
        c.Frame = 1;
        c.LoopFirst = 1;
        c.LoopLast = 5;
        c.FrameInterval = c.IdleInterval;
        c.TalkState = 1;
        break;
    case 2: {
        // Talking starts from the rest frame; frames only advance while the animation
        // runs, so the wait is bounded.
        if (game.frmMain && game.frmMain->tmrAnim.isEnabled())
            form::waitUntil([&game, cast] { return game.casts[cast].Frame == 1; }, CastFrameWaitLimit);
        CastRecord& t = game.casts[cast];
        t.Frame = 6;
        t.LoopFirst = 6;
        t.LoopLast = 9;
        t.FrameInterval = t.TalkInterval;
        t.TalkState = 2;
        break;
    }
    default:
        break;
    }
}
