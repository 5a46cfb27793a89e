#pragma once
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "form/Clock.h"
#include "form/MessageBox.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "shell/Application.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"
#include "window/MainForm.h"
#include "TestSupport.h"
#include "form/TextBox.h"

#include <QLineEdit>

#include <QTimer>
#include <map>

// A game with its main window, as start-up makes it, for flow tests. Each fixture holds
// its own previous-instance lock name and a scratch folder.
class GameFixture : public ::testing::Test {
protected:
    GameFixture()
    {
        static int serial = 0;
        game.frmMain = &window;
        ConnectApplication(game);
        game.instanceName = QStringLiteral("LaticaTest-%1-%2").arg(QCoreApplication::applicationPid()).arg(++serial);
        form::resetProgramEnded();
        // Walks and talks of the stage run at twenty times their pace.
        form::Clock::instance().setSpeed(20);
        QObject::connect(&clicker, &QTimer::timeout, [this] {
            if (meanwhile)
                meanwhile();
            if (!game.talk)
                return;
            TalkEngine& t = talkEngine(game);
            if ((t.TalkWait == 1 || t.TalkWait == -1) && t.CurrentTalkBox > 0)
                EndTalkWait(game, t.CurrentTalkBox);
            if (t.TalkWait == 3 || t.TalkWait == -3) {
                const auto chosen = menuChoices.find(t.lastTalkNumber);
                const int item = chosen != menuChoices.end() ? chosen->second : menuChoice;
                if (item > 0)
                    EndTalkWait(game, item);
            }
            if ((t.TalkWait == 2 || t.TalkWait == -2) && !typedText.isEmpty() && window.txtTalkInput->isVisible()) {
                window.txtTalkInput->setText(typedText);
                testsupport::pressKey(window.txtTalkInput->editor(), Qt::Key_Return);
            }
        });
    }

    // From now on a player clicks every talk box that waits for a click, chooses
    // menuChoice in every menu (0: lets timed menus run out) unless menuChoices names the
    // item for the menu's talk, and types typedText where a talk asks for input.
    void clickTalksAsAPlayer() { clicker.start(5); }
    int menuChoice = 0;
    std::map<int, int> menuChoices;
    QString typedText;
    // Runs at each of the player's turns before the talks are answered: what a careless
    // player does on the way.
    std::function<void()> meanwhile;
    ~GameFixture() override
    {
        form::resetProgramEnded();
        form::Clock::instance().setSpeed(1);
    }

    QString scratch(const QString& name) const { return folder.filePath(name); }

    // Puts the cursor on word w as a player does: a click on its first cell, then Space when
    // the cell selected the crossing word.
    void selectWord(int w)
    {
        const QuesData& word = game.cross.Ques[size_t(w)];
        const int step = w < game.cross.DownQuesTop ? 1 : game.cross.MasLineLen;
        testsupport::click(window.lblCell(word.StartMas));
        if (game.play.CursorStep != step)
            testsupport::pressKey(&window, Qt::Key_Space);
        ASSERT_EQ(game.play.CursorStep, step) << "word " << w;
        ASSERT_EQ(game.play.CursorMas, word.StartMas) << "word " << w;
    }

    QTemporaryDir folder;
    QTimer clicker;
    MainForm window;
    Game game;
};
