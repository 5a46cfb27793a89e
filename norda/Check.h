#pragma once
#include "Diagnostics.h"
#include "playfile/CrossFile.h"
#include "playfile/PlayFileHeader.h"

#include <QByteArray>
#include <QChar>
#include <QSet>
#include <QString>
#include <functional>

namespace norda {

// The kana a player can type in a kana file, from the game's romaji table; the table is
// read only when a kana file is checked.
class KanaTyping {
public:
    explicit KanaTyping(QString tablePath) : m_path(std::move(tablePath)) {}

    // The typeable kana, or nullptr when the table cannot be read (*error says why).
    const QSet<QChar>* kana(QString* error);

private:
    QString m_path;
    bool m_loaded = false;
    QSet<QChar> m_kana;
    QString m_error;
};

// The decoded lines and the header of a play file's bytes; a fault of either goes to `d`
// and gives false.
bool readPlayFileStart(const QByteArray& bytes, Diagnostics& d, PlayFileText& text, PlayFileHeader& header);

struct CheckResult {
    Diagnostics diagnostics;  // lines of the play file
    int puzzles = 0;          // puzzles the header announces
};

// Reads a play file by the game's rules and reports every problem the reader finds, what
// the game trusts without checking (cell kinds against the answer grid and the number
// tables, the numbering, the word lines) and what a player cannot finish (characters the
// keypad cannot type, clues longer than the clue label shows, words of one cell) or what
// spoils it (a clue that holds an answer of its grid).
CheckResult checkPlayFile(const QByteArray& bytes, KanaTyping& typing);

} // namespace norda
