#include "GalFace.h"

#include "Cast.h"
#include "CastTable.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "window/MainForm.h"

int LoadGalCast(Game& game, const QString& name, int count)
{
    GalFaceSet& g = game.gal;
    g.GalFaceCount = count;
    g.GalFaceNo = count - 1;
    g.GalCast = LoadCast(game, name + QString::number(count - 1));
    g.GalFaces.assign(count + 1, 0);
    for (int i = 1; i <= count; ++i) {
        g.GalFaces[i] = LoadCast(game, name + QString::number(i));
        HideCast(game, g.GalFaces[i]);
    }
    return g.GalCast;
}

int faceAfterCode(const QString& code, int faceNo, int faceCount)
{
    if (code.isEmpty())
        return 0;
    switch (code[0].unicode()) {
    case u'+':
        return faceNo < faceCount ? faceNo + 1 : 0;
    case u'-':
        return faceNo > 1 ? faceNo - 1 : 0;
    case u'=': {
        QString rest = code.mid(1);
        const int n = GetCsvNumber(rest);
        // A face outside the set is not there to show.
        if (n == faceNo || n < 1 || n > faceCount)
            return 0;
        return n;
    }
    default:
        return 0;
    }
}

namespace {

// Waits, bounded, until the cast's frame satisfies the condition. Frames advance only
// while the animation runs, so without it there is nothing to wait for.
template <typename Condition>
void waitFrame(Game& game, int cast, Condition condition)
{
    if (!game.frmMain->tmrAnim.isEnabled())
        return;
    form::waitUntil([&game, cast, condition] { return condition(game.casts[cast].Frame); }, GalFrameWaitLimit);
}

void applyFaceCode(Game& game, const QString& code)
{
    GalFaceSet& g = game.gal;
    const int face = faceAfterCode(code, g.GalFaceNo, g.GalFaceCount);
    if (face == 0)
        return;
    g.GalFaceNo = face;
    CopyCastFace(game, g.GalCast, g.GalFaces[face]);
}

} // namespace

void RunIdleLoopOnce(Game& game, int cast)
{
    if (!game.casts.valid(cast))
        return;
    CastRecord& c = game.casts[cast];
    c.Frame = 1;
    c.LoopFirst = 1;
    c.LoopLast = 5;
    c.FrameInterval = 1;
    c.TalkState = 1;
    waitFrame(game, cast, [](int frame) { return frame > 1; });
    waitFrame(game, cast, [](int frame) { return frame == 1; });
}

void GalFaceBeforeTalk(Game& game, const QString& code)
{
    const int shown = game.gal.GalCast;
    if (!game.casts.valid(shown))
        return;
    waitFrame(game, shown, [](int frame) { return frame == 1; });
    applyFaceCode(game, code);
    RunIdleLoopOnce(game, shown);
}

void GalFaceAfterTalk(Game& game)
{
    const int shown = game.gal.GalCast;
    if (!game.casts.valid(shown))
        return;
    waitFrame(game, shown, [](int frame) { return frame == 1; });
    RunIdleLoopOnce(game, shown);
}

void ChangeGalFace(Game& game, const QString& code)
{
    GalFaceSet& g = game.gal;
    if (!game.casts.valid(g.GalCast))
        return;
    // A face never changes in the middle of a loop.
    waitFrame(game, g.GalCast, [](int frame) { return frame == 1; });
    const int face = faceAfterCode(code, g.GalFaceNo, g.GalFaceCount);
    if (face == 0)
        return;
    g.GalFaceNo = face;
    CopyCastFace(game, g.GalCast, g.GalFaces[face]);
}
