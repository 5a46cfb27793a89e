#pragma once
// A game whose board holds puzzle 1 of the given play-file bytes, for the benchmarks.
#include <QFile>
#include <QTemporaryDir>

#include "model/Game.h"
#include "play/BoardView.h"
#include "play/PlaySounds.h"
#include "play/SetCross.h"
#include "window/MainForm.h"

struct BoardBench {
    explicit BoardBench(const QByteArray& playFile)
    {
        QFile file(dir.filePath(QStringLiteral("bench.kmi")));
        file.open(QIODevice::WriteOnly);
        file.write(playFile);
        file.close();
        game.frmMain = &window;
        game.PlayFileFolder = dir.path() + QLatin1Char('/');
        game.PlayFileTitle = QStringLiteral("bench.kmi");
        FillSoundNames(game);
        MeasureBoardCells(game);
        ok = SetCross(game, 1) == 1;
    }
    QTemporaryDir dir;
    MainForm window;
    Game game;
    bool ok = false;
};
