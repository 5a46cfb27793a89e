#pragma once
#include <QString>

// Board colours (0xBBGGRR).
namespace BoardColour {
constexpr unsigned EmptyCell = 0xFFFFC0;
constexpr unsigned WordCell = 0x80C0FF;
constexpr unsigned CursorCell = 0xFFFFFF;
constexpr unsigned BlackCell = 0x000000;
constexpr unsigned WrongCell = 0x0000FF;
}

// Places of the effects in the sound-name table.
namespace SoundNo {
constexpr int Written = 1, Moved = 2, Refused = 3, Selected = 4, Right = 5, Wrong = 6, Solved = 7;
}

// The state of play on the board: the current word and cursor, typed characters on their
// way into the cells, the board's view, and the play clock.
struct PlayState {
    // Current word and cursor
    int CurQues = 0;
    int CursorStep = 0;     // 1 across, MasLineLen down, 0 before the first word
    int WordStart = 0;
    int WordLength = 0;
    int CursorMas = 0;
    QString PendingInput;
    int MasBusy = 0;
    int BoardSerial = 0;    // counts the boards laid out: a cell roll stops on a new one
    int EntryCount = 0;
    int LastKeyTime = 0;
    double LastKeyMoment = 0;  // the time source's monotonic seconds at LastKeyTime

    // View
    int CrossViewX = 1, CrossViewY = 1;
    int CrossViewMaxX = 1, CrossViewMaxY = 1;
    int ScrollMode = 0;     // 0 none, 1 horizontal, 2 vertical, 3 both
    int CellW = 35, CellH = 33;
    int RollBarWidth1 = 5, RollBarWidth2 = 11;
    int RollTravel1 = 30, RollTravel2 = 24;

    // Clock and tick
    int KumiTick = 0;
    int KumiRestTick = 0;       // KumiTick when the game timer began to rest
    int PlayStart = 0;
    int PlayWrap = 86400;
    double PlayStartTime = 0;   // the time source's monotonic seconds at PlayStart
    int PassedHour = 0, PassedMinute = 0, PassedSecond = 0;
    int LastTalkMinute = 0;

    // Per-puzzle story state
    int AdviceStage = 0;
    int NoOtherCross = 0;

    // Scoring: scorings of the puzzle on the board (only a solved puzzle starts the count
    // again), and the player's request to colour the rest at once
    int ScoreCount = 0;
    int SpeedUpMark = 0;
};
