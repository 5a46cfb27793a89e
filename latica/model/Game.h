#pragma once
#include "AppRequests.h"
#include "CastRecord.h"
#include "GalFaceSet.h"
#include "EffectState.h"
#include "audio/Sound.h"
#include "PlayState.h"
#include "playfile/Puzzle.h"
#include "Random.h"
#include "SceneCasts.h"
#include "StageState.h"

#include <QString>
#include <memory>
#include <vector>

class MainForm;
class KeypadForm;
class StoryFlows;
class TalkEngine;
namespace form { class InstanceLock; }

// The values that the subsystems share for the whole run, by the names the game uses
// for them, and the subsystems themselves. One Game lives from start-up to the end.
struct Game {
    MainForm* frmMain = nullptr;
    KeypadForm* frmKeypad = nullptr;  // the kana keypad window, with its conversion
    StoryFlows* story = nullptr;      // the flows that show talks
    AppRequests app;                  // what the layers below ask of the application
    // The previous-instance test holds this lock while the game runs.
    QString instanceName = QStringLiteral("Latica");
    std::shared_ptr<form::InstanceLock> instanceLock;

    // Start-up
    QString WorkFolder;       // ends with the separator, or empty
    int PlayActive = 0;
    QString PlayFileTitle;    // "name.kmi"
    QString PlayFileFolder;   // ends with the separator
    int KeypadMode = 0;
    int NewPlayer = 0;
    int Adviser = 0;
    QString AdviserName;

    // Play
    int Busy = 0;
    int AnswerOpenBusy = 0;
    int CrossCount = 0;
    std::vector<int> CrossSolved;  // indexed 1..CrossCount
    int CurCross = 0;
    Puzzle cross;                  // the puzzle on the board
    PlayState play;                // cursor, entry, view and clock of the board
    std::vector<QString> SoundNames; // indexed 1..7

    // Records
    QString RecordFileName;   // the play file's base name with ".log"
    QString RecordFolder;     // where the record lies: the play folder or the work folder

    CastList casts;   // the casts of the stage
    GalFaceSet gal;   // the adviser's faces
    StageState stage; // the stage window onto its world
    EffectState effects;
    SceneCasts scene; // the family, the adviser, the sprite and the cloud
    std::shared_ptr<TalkEngine> talk;  // talk boxes, printing, waits and menus
    Sound sound;
    Random random;
};
