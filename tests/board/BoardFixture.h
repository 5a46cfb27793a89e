#pragma once
#include "form/Clock.h"
#include "play/BoardView.h"
#include "play/PlaySounds.h"
#include "play/SetCross.h"
#include "shell/MainFormEvents.h"
#include "support/GameFixture.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"

// A puzzle on the board, as start-up leaves it, with time running fast so that cell
// rolls take little real time.
class BoardFixture : public GameFixture {
protected:
    BoardFixture()
    {
        form::Clock::instance().setSpeed(40);
        window.show();
    }
    ~BoardFixture() override { form::Clock::instance().setSpeed(1); }

    void putUp(const QList<QStringList>& sections, int n = 1, int keypadMode = 0)
    {
        const QString path = scratch(QStringLiteral("board.kmi"));
        testsupport::writeFile(path, playfiles::file(sections.size(), sections, keypadMode));
        game.PlayFileFolder = folder.path() + QLatin1Char('/');
        game.PlayFileTitle = QStringLiteral("board.kmi");
        game.KeypadMode = keypadMode;
        if (!connected) {
            FillSoundNames(game);
            MeasureBoardCells(game);
            ConnectMainFormEvents(game);
            connected = true;
        }
        QString error;
        ASSERT_EQ(SetCross(game, n, &error), 1) << error.toStdString();
        game.PlayActive = 1;
    }

    form::Label* cell(int row, int column) { return window.lblCell(game.cross.index(row, column)); }
    int at(int row, int column) const { return game.cross.index(row, column); }
    QString lastSound() const { return game.sound.lastEffectRequested(); }
    // Lets the game timer write every typed character.
    void drain()
    {
        for (int i = 0; i < 200 && !game.play.PendingInput.isEmpty(); ++i)
            KumiTickNow();
    }
    void KumiTickNow();

    bool connected = false;
};
