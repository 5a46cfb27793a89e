#include "StartUp.h"

#include "EndProgram.h"
#include "Game.h"
#include "MainForm.h"
#include "MainFormEvents.h"
#include "StoryFlows.h"
#include "Messages.h"
#include "form/FileDialog.h"
#include "form/InstanceLock.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "play/PlayFileHeader.h"
#include "play/ReadCrossFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

void Main(Game& game)
{
    game.instanceLock = std::make_shared<form::InstanceLock>(game.instanceName);
    if (!game.instanceLock->acquire()) {
        form::messageBox(QStringLiteral("既に起動されています"), QStringLiteral("Latica"), form::Buttons::Ok,
                         form::Icon::None);
        form::endProcess(0);
    }

    game.OSPlatform = GetOSPlatform();
    game.WorkFolder = GetWorkFolder();

    game.frmMain->show();
    ConnectMainFormEvents(game);

    if (game.OSPlatform == 1)
        game.frmMain->tmrTalk.setInterval(3);
    else if (game.OSPlatform == 2)
        game.frmMain->tmrTalk.setInterval(15);

    game.PlayActive = 0;
    game.story->RunOpening();
    // Only now: the picks of the opening repeat from run to run.
    game.random.randomize();
    game.PlayActive = 1;
    game.story->BeginPlay();
}

int GetOSPlatform()
{
    return 2;
}

QString readEnvironment(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString GetWorkFolder(const EnvironmentReader& env, const QString& fallback)
{
    for (const char* name : {"TEMP", "TMP", "Temp", "Tmp"}) {
        const QString value = env(name);
        if (value.isEmpty())
            continue;
        const int equals = value.indexOf(u'=');
        return (equals < 0 ? value : value.mid(equals + 1)) + QDir::separator();
    }
    // None set, the usual case here: the per-user data folder keeps the record files
    // across runs, as the per-user temporary folder does elsewhere.
    QString folder = fallback.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                               QStringLiteral("/Latica")
                         : fallback;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return QDir(folder).absolutePath() + QDir::separator();
}

void splitPlayFilePath(const QString& path, QString& title, QString& folder)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = name.indexOf(u'.');
    title = (dot < 0 ? name : name.left(dot)) + QStringLiteral(".kmi");
    folder = info.absolutePath() + QDir::separator();
}

int ShowFileDialog(Game&, int kind, QString& title, QString& folder)
{
    if (kind != 1)
        return 0;
    const QString chosen = form::openFileDialog(
        QString(), form::ProgramFolder::path(), QStringLiteral("Kumi ﾌｧｲﾙ を指定してください (*.kmi)"));
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
