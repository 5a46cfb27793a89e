#pragma once
#include <QString>
#include <vector>

// One cell of the bordered grid.
struct MasData {
    int Kind = 0;       // 1 black square or border, 2 across only, 3 down only, 4 crossing
    int InWord = 0;     // step of the highlighted current word through this cell, or 0
    int AcrossNmb = 0;  // across word starting here
    int DownNmb = 0;    // down word starting here
    int AcrossQues = 0; // across word through this cell
    int DownQues = 0;   // down word through this cell
    QString Entry;      // what the player wrote: "　" empty, "■" black
    QString Answer;     // the correct character
    QString PrevEntry;  // the entry before the last change
};

// One word with its clue.
struct QuesData {
    int StartMas = 0;
    int Length = 0;
    QString Answer;
    QString QuesText, AnswerText, Reading, ID, CN, BN, QN, AN, SN;
};

// The puzzle on the board. Cell index of row r, column c (0 at the border) is
// r * MasLineLen + c; Ques is indexed from 1 (element 0 unused).
struct Puzzle {
    std::vector<MasData> Mas;
    std::vector<QuesData> Ques;
    int MasMaxX = 0, MasMaxY = 0;
    int MasLineLen = 0, MasLast = -1;
    int QuesNmbMax = 0, DownQuesTop = 0, CrossLevel = 0;

    int index(int row, int column) const { return row * MasLineLen + column; }
};
