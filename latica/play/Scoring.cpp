#include "Scoring.h"

#include "BoardView.h"
#include "Cursor.h"
#include "CellRoll.h"
#include "PlaySounds.h"
#include "effects/Wait.h"
#include "form/Pump.h"
#include "model/Game.h"
#include "window/MainForm.h"

namespace {

const QString Blank = QStringLiteral("　");
constexpr unsigned PaleYellow = 0xE0FFFF;

// Calls f(cell) for every grid cell, row by row.
template <typename F>
void forEachGridCell(const Puzzle& p, F f)
{
    for (int r = 1; r <= p.MasMaxY; ++r)
        for (int c = 1; c <= p.MasMaxX; ++c)
            f(p.index(r, c));
}

bool wrong(const MasData& m)
{
    return m.Kind != 1 && m.Entry != m.Answer;
}

int stepOf(const Puzzle& p, int word)
{
    return word < p.DownQuesTop ? 1 : p.MasLineLen;
}

} // namespace

int CountBlankMas(const Game& game)
{
    int blanks = 0;
    forEachGridCell(game.cross, [&](int i) { blanks += game.cross.Mas[i].Entry == Blank; });
    return blanks;
}

int CountWrongMas(const Game& game)
{
    int count = 0;
    forEachGridCell(game.cross, [&](int i) { count += wrong(game.cross.Mas[i]); });
    return count;
}

int FirstWrongMas(const Game& game)
{
    int first = 0;
    forEachGridCell(game.cross, [&](int i) {
        if (first == 0 && wrong(game.cross.Mas[i]))
            first = i;
    });
    return first;
}

void ResetMasColours(Game& game)
{
    MainForm& f = *game.frmMain;
    forEachGridCell(game.cross, [&](int i) {
        form::Label* label = f.lblCell.find(i);
        if (!label)
            return;
        if (game.cross.Mas[i].Kind == 1) {
            label->setBackStyle(form::BackStyle::Transparent);
        } else {
            label->setBackStyle(form::BackStyle::Opaque);
            label->setBackColor(BoardColour::EmptyCell);
        }
        label->setVisible(true);
    });
}

void ScoreWords(Game& game)
{
    MainForm& f = *game.frmMain;
    PlayState& s = game.play;
    const Puzzle& p = game.cross;
    for (int w = 1; w <= p.QuesNmbMax; ++w) {
        const QuesData& word = p.Ques[w];
        const int step = stepOf(p, w);
        ShowClue(game, w);
        s.CursorStep = step;
        s.CursorMas = s.WordStart = word.StartMas;
        s.WordLength = word.Length;
        ShowCurrentWord(game);
        for (int i = 0; i < word.Length; ++i) {
            if (form::Label* label = f.lblCell.find(word.StartMas + i * step)) {
                label->setBackStyle(form::BackStyle::Opaque);
                label->setBackColor(PaleYellow);
            }
            form::doEvents();
            if (s.SpeedUpMark == 1)
                return;
        }
        WaitTime(0.01);
        if (s.SpeedUpMark == 1)
            return;
        bool allRight = true;
        for (int i = 0; i < word.Length; ++i) {
            s.CursorMas = word.StartMas + i * step;
            allRight = allRight && !wrong(p.Mas[s.CursorMas]);
            DrawCross(game, 2);
            WaitTime(0.01);
            if (s.SpeedUpMark == 1)
                return;
        }
        if (allRight)
            PlayEffect(game, SoundNo::Solved);
        WaitTime(0.5);
        if (s.SpeedUpMark == 1)
            return;
    }
}

void ScoreAllAtOnce(Game& game)
{
    MainForm& f = *game.frmMain;
    const Puzzle& p = game.cross;
    for (int w = 1; w <= p.QuesNmbMax; ++w) {
        const int step = stepOf(p, w);
        for (int i = 0; i < p.Ques[w].Length; ++i) {
            const int cell = p.Ques[w].StartMas + i * step;
            form::Label* label = f.lblCell.find(cell);
            if (!label)
                continue;
            if (wrong(p.Mas[cell])) {
                label->setBackStyle(form::BackStyle::Opaque);
                label->setBackColor(BoardColour::WrongCell);
            } else {
                label->setBackStyle(form::BackStyle::Transparent);
            }
        }
    }
}

void BeginScoringDisplay(Game& game)
{
    MainForm& f = *game.frmMain;
    ResetMasColours(game);
    forEachGridCell(game.cross, [&](int i) {
        form::Label* label = f.lblCell.find(i);
        if (label && game.cross.Mas[i].Kind == 1) {
            label->setBackStyle(form::BackStyle::Opaque);
            label->setBackColor(BoardColour::BlackCell);
        }
    });
    f.picControler(1)->setVisible(false);
    f.picControler(2)->setVisible(false);
    game.play.SpeedUpMark = 0;
    f.lblAnswerOpen->setVisible(false);
    f.lblMarkSpeedUp->setVisible(true);
}

void EndScoringDisplay(Game& game)
{
    MainForm& f = *game.frmMain;
    f.lblMarkSpeedUp->setVisible(false);
    f.lblAnswerOpen->setVisible(true);
    f.picControler(1)->setVisible(true);
    f.picControler(2)->setVisible(false);
}

void StartSpeedUpMark(Game& game)
{
    game.play.SpeedUpMark = 1;
    game.frmMain->lblMarkSpeedUp->setVisible(false);
}

void SelectFirstWrongWord(Game& game)
{
    // The walk left the marks of the word current before it and the direction of the
    // last word scored: start from none, so that exactly one word is current and the
    // controller matches it.
    Puzzle& p = game.cross;
    for (MasData& m : p.Mas)
        m.InWord = 0;
    game.play.CursorStep = 0;
    SelectWordByKind(game, FirstWrongMas(game));
    ShowCurrentWord(game);
    game.frmMain->picCrossStage->setFocus();
}
