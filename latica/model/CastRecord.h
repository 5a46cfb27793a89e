#pragma once
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

// One cast slot: 28 fields, in this order. Positions are pixels of the world picture;
// intervals are ticks of the animation timer.
struct CastRecord {
    int InUse = 0;
    int Cell = 0;          // picCell element holding the picture
    int Width = 0, Height = 0;
    int X = 0, Y = 0;
    int Active = 0;        // 1: ticks and is drawn
    int Spare1 = 0;
    int Frame = 0;         // 1-based
    int LoopFirst = 0, LoopLast = 0;
    int FrameInterval = 0;
    int DriftKind = 0;     // 0; 2, 4, 6, 8 random drift; 28, 46 sway
    int DriftInterval = 0;
    int DriftAmount = 0;
    int Anchor = 0;        // sway base
    int MoveMode = 0;      // 0, 11, 21, 31, other positive, negative (never drawn)
    int MoveDirection = 0; // 2 down, 4 left, 6 right, 8 up
    int MoveInterval = 0;
    int MoveStep = 0;
    int WrapDelay = 0;
    int WrapTime = 0;
    int WrapArmed = 0;
    int TalkState = 0;     // 0 still, 1 idle loop, 2 talking
    int IdleInterval = 0;
    int TalkInterval = 0;
    int RestInterval = 0;
    int Spare2 = 0;

    bool operator==(const CastRecord&) const = default;
};

// The casts of the stage. Casts is indexed 1..CastCount (element 0 unused); slots are
// reused and the list never shrinks.
struct CastList {
    std::vector<CastRecord> Casts{CastRecord{}};
    int CastCount = 0;
    int CellCount = 0;
    QString CastFileName;  // set when the stage is built
    // The lines of the cast table last read, kept for the loads that follow.
    QString tablePath;
    QStringList tableLines;
    // Pictures read ahead (by path) for the loads that follow.
    QHash<QString, QImage> picturesAhead;

    bool valid(int cast) const { return cast >= 1 && cast <= CastCount; }
    CastRecord& operator[](int cast) { return Casts[cast]; }
    const CastRecord& operator[](int cast) const { return Casts[cast]; }
};
