#include "ReadCrossFile.h"

#include "playfile/CrossFile.h"
#include "CrossTitle.h"
#include "model/Game.h"
#include "window/MainForm.h"

int ReadCrossFile(Game& game, int n, QString* error)
{
    CrossReadResult result = readCrossFileAt(PlayFilePath(game), n);
    if (!result.ok) {
        if (error)
            *error = result.error;
        return 0;
    }
    game.cross = std::move(result.puzzle);
    if (MainForm* f = game.frmMain) {
        f->lblTitle->setCaption(crossTitleCaption(game.PlayFileTitle, n));
        if (auto level = crossLevelCaption(game.cross.CrossLevel))
            f->lblLevel->setCaption(*level);
        f->lblQuesNmbMax->setCaption(fullWidthNumber(game.cross.QuesNmbMax));
        f->lblMasMaxXY->setCaption(crossSizeCaption(game.cross.MasMaxX, game.cross.MasMaxY));
    }
    return 1;
}
