#pragma once
#include <QChar>
#include <QString>

// The characters a play file's answer grid holds, and what a player can put there; norda
// and the import of open crossword files share them.

const QChar BlackSquare(0x25A0);  // ■
const QChar LongVowel(0x30FC);    // ー

// A kana of the grid: full-width katakana (ァ..ヶ) or ー.
bool isKatakana(QChar c);
// The large form of a small kana (ッ -> ツ, ャ -> ヤ, ヵ -> カ); any other character as it is.
// The player types small kana as large ones, so the grid stores them large.
QChar largeKana(QChar c);
// A letter A..Z in any width or case as a full-width capital (ｏ, o, O -> Ｏ); a null
// character for anything else.
QChar fullWidthCapital(QChar c);
// Whether a grid character of a letter file is one a player can type (Ａ..Ｚ).
bool isGridLetter(QChar c);

// The longest clue the clue label shows whole. The game shows the clue in a 512 x 98 pixel
// label, wrapping anywhere, at 14, 12 or 10 points as the clue grows; at its smallest font,
// 10 points at 96 dots per inch are 13 pixels. A character is at most one em (13 pixels)
// wide, so a line holds 512 / 13 = 39 characters, and the Gothic face's line spacing at
// 13 pixels is 14 pixels, so 98 / 14 = 7 lines fit: 39 x 7 = 273 characters. Every
// character counts as full-width, half-width ones included, which keeps the rule safe
// for any mix.
constexpr int ClueLabelWidth = 512, ClueLabelHeight = 98;
constexpr int SmallestClueFontPixels = 13, SmallestClueLineSpacing = 14;
constexpr int ClueCharactersPerLine = ClueLabelWidth / SmallestClueFontPixels;
constexpr int ClueLines = ClueLabelHeight / SmallestClueLineSpacing;
constexpr int MaxClueCharacters = ClueCharactersPerLine * ClueLines;

// The length of a text in characters (a character beyond the basic plane counts once).
int characterCount(const QString& text);
