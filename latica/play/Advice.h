#pragma once
#include <QString>
#include <array>

class Random;

// What the adviser's help on the current word is: its kind and the adviser's new face,
// chosen by the advice stage, and the talk variables a kind quotes.
struct AdvicePick {
    int kind = 0;
    int face = 1;
};

// The kind drawn from the stage's range and the face it brings (within 1..5). While no
// other unsolved puzzle is left, kind 9 ("try another") is drawn again.
AdvicePick PickAdvice(int stage, int face, int noOtherCross, Random& random);

// Talk variables 1..4 for the kinds that quote the word: the letter at the cursor
// (kind 0); for kinds 1, 2 and 7 a letter at a random place, its place (full-width digits,
// or "最初"/"うしろ" on a two-cell word), and the directions "横"/"縦". `position` is the
// cursor's place in `word`, counted from 1. Returns the kind as it stands afterwards: 0
// when the random place is the cursor's, 20, 21 or 22 for a two-cell word.
int PrepareAdviceNames(int kind, const QString& word, int position, bool across, Random& random,
                       std::array<QString, 5>& names);
