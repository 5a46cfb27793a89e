#include "PlayFileChoice.h"

#include "form/FileDialog.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "model/PlayFilePath.h"
#include "playfile/PlayFileHeader.h"
#include "playfile/PlayFileName.h"
#include "window/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

void splitPlayFilePath(const QString& path, QString& title, QString& folder)
{
    const QFileInfo info(path);
    title = playFileTitleFor(info.fileName());
    folder = info.absolutePath() + QDir::separator();
}

int ShowFileDialog(Game&, int kind, QString& title, QString& folder)
{
    if (kind != 1)
        return 0;
    const QString chosen = form::openFileDialog(
        QString(), form::ProgramFolder::path(), QStringLiteral("Kumi ﾌｧｲﾙ を指定してください (*.kmi *.ipuz *.puz)"));
    if (chosen.isEmpty())
        return 0;
    splitPlayFilePath(chosen, title, folder);
    return 1;
}

int ChoosePlayFile(Game& game)
{
    game.PlayFileTitle.clear();
    for (;;) {
        while (ShowFileDialog(game, 1, game.PlayFileTitle, game.PlayFileFolder) == 0) {
            if (ShowMessage(game, 101) != form::Answer::Yes)
                EndProgram(game);
        }
        if (QFileInfo::exists(PlayFilePath(game)))
            return 1;
        if (ShowMessage(game, 102) != form::Answer::Yes)
            return 0;
        game.PlayFileTitle.clear();
    }
}

void ChooseReadablePlayFile(Game& game)
{
    for (;;) {
        if (ChoosePlayFile(game) == 0)
            EndProgram(game);
        const QString path = PlayFilePath(game);
        const QString fault = checkPlayFile(path);
        if (fault.isEmpty())
            return;
        std::fprintf(stderr, "latica: %s: %s\n", path.toLocal8Bit().constData(), fault.toLocal8Bit().constData());
        if (ShowMessage(game, 103) != form::Answer::Yes)
            EndProgram(game);
    }
}
