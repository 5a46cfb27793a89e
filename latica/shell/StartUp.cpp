#include "StartUp.h"

#include "model/AppRequests.h"
#include "model/Game.h"
#include "window/MainForm.h"
#include "Application.h"
#include "MainFormEvents.h"
#include "form/InstanceLock.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "model/StoryFlows.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

void Main(Game& game)
{
    ConnectApplication(game);
    game.instanceLock = std::make_shared<form::InstanceLock>(game.instanceName);
    if (!game.instanceLock->acquire()) {
        form::messageBox(QStringLiteral("既に起動されています"), QStringLiteral("Latica"), form::Buttons::Ok,
                         form::Icon::None);
        form::endProcess(0);
    }

    game.WorkFolder = GetWorkFolder();

    game.frmMain->show();
    ConnectMainFormEvents(game);

    game.frmMain->tmrTalk.setInterval(15);

    game.PlayActive = 0;
    game.story->RunOpening();
    // Only now: the picks of the opening repeat from run to run.
    game.random.randomize();
    game.PlayActive = 1;
    game.story->BeginPlay();
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
