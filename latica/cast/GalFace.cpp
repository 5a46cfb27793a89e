#include "GalFace.h"

#include "Cast.h"
#include "CastTable.h"
#include "form/Pump.h"
#include "shell/Game.h"
#include "shell/MainForm.h"

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

void ChangeGalFace(Game& game, const QString& code)
{
    GalFaceSet& g = game.gal;
    if (!game.casts.valid(g.GalCast))
        return;
    // A face never changes in the middle of a loop.
    if (game.frmMain->tmrAnim.isEnabled())
        form::waitUntil([&game, &g] { return game.casts[g.GalCast].Frame == 1; }, GalFrameWaitLimit);
    const int face = faceAfterCode(code, g.GalFaceNo, g.GalFaceCount);
    if (face == 0)
        return;
    g.GalFaceNo = face;
    CopyCastFace(game, g.GalCast, g.GalFaces[face]);
}
