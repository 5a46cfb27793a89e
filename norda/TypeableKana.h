#pragma once
#include <QChar>
#include <QSet>

namespace keypad {
struct RomaKanaTable;
}

namespace norda {

// Every grid character the romaji keypad can produce with this table: the grid kana of
// each key and what the conversion makes of two letters typed from an empty buffer (a
// doubled consonant, a syllabic N).
QSet<QChar> typeableKana(const keypad::RomaKanaTable& table);

} // namespace norda
