#pragma once
#include <QString>
#include <optional>

// The captions of the title displays for the puzzle on the board.

// "標準日本語クロス [3]": the play file's name up to its first "." and the number.
QString crossTitleCaption(const QString& playFileTitle, int n);
// "ＣＵＳＴＯＭ" for 0, the stars for 1..5 (five for any higher level); none for a
// negative level, whose display is left as it was.
std::optional<QString> crossLevelCaption(int level);
// A number in full-width digits ("１２").
QString fullWidthNumber(int n);
// "W15xH13".
QString crossSizeCaption(int columns, int rows);
