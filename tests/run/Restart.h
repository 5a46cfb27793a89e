#pragma once
#include "model/Game.h"
#include "play/BoardView.h"
#include "play/CrossChoice.h"
#include "play/SetCross.h"
#include "records/Records.h"
#include "window/MainForm.h"

#include <gtest/gtest.h>

// A new run on the play file of `from`, in `window`: the record loaded and the first
// unsolved puzzle put up, as the opening leaves them before the greeting.
inline void restartOnTheSameFile(const Game& from, MainForm& window, Game& again)
{
    again.frmMain = &window;
    again.PlayFileFolder = from.PlayFileFolder;
    again.PlayFileTitle = from.PlayFileTitle;
    again.CrossCount = GetCrossCount(again);
    again.CrossSolved.assign(size_t(again.CrossCount) + 1, 0);
    ASSERT_EQ(SetRecordFile(again), 1);
    ASSERT_EQ(LoadRecord(again), 1);
    MeasureBoardCells(again);
    ASSERT_EQ(SetCross(again, NextUnsolvedCross(0, again.CrossSolved, again.CrossCount)), 1);
}
