#pragma once
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "form/Clock.h"
#include "form/MessageBox.h"
#include "form/Pump.h"
#include "shell/Game.h"
#include "shell/MainForm.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

#include <QTimer>

// A game with its main window, as start-up makes it, for flow tests. Each fixture holds
// its own previous-instance lock name and a scratch folder.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        static int serial = 0;
        game.frmMain = &window;
        game.instanceName = QStringLiteral("LaticaTest-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
        form::resetProgramEnded();
        // Walks and talks of the stage run at twenty times their pace.
        form::Clock::instance().setSpeed(20);
        QObject::connect(&clicker, &QTimer::timeout, [this] {
            if (!game.talk)
                return;
            TalkEngine& t = talkEngine(game);
            if ((t.TalkWait == 1 || t.TalkWait == -1) && t.CurrentTalkBox > 0)
                EndTalkWait(game, t.CurrentTalkBox);
            if ((t.TalkWait == 3 || t.TalkWait == -3) && menuChoice > 0)
                EndTalkWait(game, menuChoice);
        });
    }

    // From now on a player clicks every talk box that waits for a click, and chooses
    // menuChoice in every menu (0: lets timed menus run out).
    void clickTalksAsAPlayer() { clicker.start(5); }
    int menuChoice = 0;
    ~GameFixture() override
    {
        form::resetProgramEnded();
        form::Clock::instance().setSpeed(1);
    }

    QString scratch(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    QTimer clicker;
    MainForm window;
    Game game;
};
