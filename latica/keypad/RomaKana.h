#pragma once
#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace keypad {

// One romaji key of the table: the letters as the keyboard delivers them ("KA", "-"),
// the kana shown on the keypad (small kana kept, "キャ") and the kana written into the
// grid (small kana full size, "キヤ").
struct RomaKanaEntry {
    QString key;
    QString display;
    QString grid;
};

// The romaji-kana table. The reader takes fixed counts of each section.
struct RomaKanaTable {
    static constexpr int DoublingCount = 17;
    static constexpr int OneLetterCount = 6;
    static constexpr int TwoLetterCount = 97;
    static constexpr int ThreeLetterCount = 122;

    QStringList doubling;           // letters that, typed twice, give a doubled consonant
    QVector<RomaKanaEntry> one;     // one-letter keys, in file order
    QVector<RomaKanaEntry> two;     // two-letter keys
    QVector<RomaKanaEntry> three;   // three-letter keys

    bool isEmpty() const { return doubling.isEmpty() && one.isEmpty() && two.isEmpty() && three.isEmpty(); }
};

// The table file below the program folder.
QString RomaKanaTablePath();

// Reads a table from the bytes of a CP932 file. On failure *error says what is wrong (in
// the game's language) and *table is left as it was.
bool ParseRomaKanaTable(const QByteArray& bytes, RomaKanaTable* table, QString* error);
// Reads a table file; a file that cannot be opened is a failure like a damaged one.
bool LoadRomaKanaTable(const QString& path, RomaKanaTable* table, QString* error);

// Where each conversion step is shown: the typed letter and the display kana it
// completed ("　" while the letter only starts a syllable, "ッ　" or "ン　" when it
// completes a doubled consonant or a syllabic N before it, "…？" when three letters
// matched no key).
using ShowStep = std::function<void(QChar c, const QString& kana)>;

// Turns typed romaji into kana one key at a time. KeyBuff holds the letters typed since
// the last complete kana (never more than two).
class RomaKana {
public:
    explicit RomaKana(ShowStep show = {}) : m_show(std::move(show)) {}

    void setTable(const RomaKanaTable& table) { m_table = table; }
    const RomaKanaTable& table() const { return m_table; }
    bool hasTable() const { return !m_table.isEmpty(); }

    // Feeds one typed character ("A".."Z" or "-") and returns the grid kana it completes,
    // or the empty text. Without a table kana entry is off: nothing is shown or returned.
    QString RomaKanaConvWChr(QChar c);

    const QString& keyBuff() const { return m_keyBuff; }
    void clearKeyBuff() { m_keyBuff.clear(); }

private:
    void show(QChar c, const QString& kana);

    RomaKanaTable m_table;
    QString m_keyBuff;
    ShowStep m_show;
};

} // namespace keypad
