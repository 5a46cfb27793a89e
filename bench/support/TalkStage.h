#pragma once
#include "model/Game.h"
#include "talk/Talk.h"
#include "talk/TalkEvents.h"
#include "window/MainForm.h"

// The main window with a talk engine and two talkers, the narrator ("＃") and the
// sister ("＋"), for the benchmarks that talk.
struct TalkStage {
    MainForm window;
    Game game;
    TalkStage()
    {
        game.frmMain = &window;
        window.show();
        InitTalk(game, 420, 126);
        ConnectTalkEvents(game);
        ClearTalkers(game);
        AddTalker(game, QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
        AddTalker(game, QStringLiteral("＋"), 2, QStringLiteral("姉声"), 2, 100, 180, 0, 0);
        ResetTalk(game);
    }
};
