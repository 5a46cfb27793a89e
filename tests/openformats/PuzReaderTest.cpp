// The .puz reader on files written by the npm package puzjs (tests/openformats/puz, made by
// make_puz_fixtures.js, which also wrote expected.json: each good file's grid and clues).
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "playfile/OpenCrossword.h"
#include "support/TestSupport.h"

namespace {

QByteArray fixture(const QString& name)
{
    return testsupport::readFile(QStringLiteral(LATICA_TESTS_DIR "/openformats/puz/") + name);
}

QJsonObject expected()
{
    return QJsonDocument::fromJson(fixture(QStringLiteral("expected.json"))).object();
}

// "number text" per clue, as text that a failure prints readably.
std::vector<std::string> lines(const std::vector<OpenClue>& clues)
{
    std::vector<std::string> out;
    for (const OpenClue& clue : clues)
        out.push_back(QStringLiteral("%1 %2").arg(clue.number).arg(clue.text).toStdString());
    return out;
}

std::vector<std::string> lines(const QJsonArray& clues)
{
    std::vector<std::string> out;
    for (const QJsonValue& clue : clues)
        out.push_back(QStringLiteral("%1 %2").arg(clue[0].toInt()).arg(clue[1].toString()).toStdString());
    return out;
}

OpenCrosswordRead read(const QString& name)
{
    return readPuz(fixture(name));
}

TEST(PuzReader, ReadsTheGridTheNumberedCluesAndTheTextsAsWritten)
{
    const QJsonObject all = expected();
    ASSERT_EQ(all.size(), 2);
    for (auto it = all.begin(); it != all.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const QJsonObject want = it.value().toObject();
        const OpenCrosswordRead r = read(it.key());
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        const OpenCrossword& c = r.crossword;
        ASSERT_EQ(c.width, want[u"width"].toInt());
        ASSERT_EQ(c.height, want[u"height"].toInt());
        std::vector<std::string> rows, wantRows;
        for (const QJsonValue& row : want[u"rows"].toArray())
            wantRows.push_back(row.toString().toStdString());
        for (int row = 0; row < c.height; ++row) {
            QString line;
            for (int column = 0; column < c.width; ++column) {
                const QString& cell = c.solution[size_t(row * c.width + column)];
                EXPECT_LE(cell.size(), 1);
                line += cell.isEmpty() ? QStringLiteral(".") : cell;
            }
            rows.push_back(line.toStdString());
        }
        EXPECT_EQ(rows, wantRows);
        EXPECT_EQ(lines(c.across), lines(want[u"across"].toArray()));
        EXPECT_EQ(lines(c.down), lines(want[u"down"].toArray()));
        EXPECT_EQ(c.title, want[u"title"].toString());
        EXPECT_EQ(c.author, want[u"author"].toString());
        EXPECT_EQ(c.copyright, want[u"copyright"].toString());
        EXPECT_EQ(c.notes, want[u"notes"].toString());
    }
    // ISO-8859-1: one byte each for é and ©; the 15 x 15 file also has GEXT circles.
    const OpenCrossword cafe = read(QStringLiteral("crossword_15x15.puz")).crossword;
    EXPECT_EQ(cafe.title, QStringLiteral("At the Caf\u00e9"));
    EXPECT_TRUE(cafe.copyright.startsWith(QChar(0xA9)));
    EXPECT_TRUE(fixture(QStringLiteral("crossword_15x15.puz")).contains("GEXT"));
}

TEST(PuzReader, RefusesDamagedLockedRebusAndMiscountedFilesWithTheirReason)
{
    const QJsonObject cafe = expected()[u"crossword_15x15.puz"].toObject();
    const qsizetype words = cafe[u"across"].toArray().size() + cafe[u"down"].toArray().size();
    const struct {
        const char* file;
        QString reason;
    } cases[] = {
        {"empty.puz", QStringLiteral("the file is empty")},
        {"truncated.puz", QStringLiteral("the file ends at byte 1139, inside clue 8 of 33")},
        {"bad_checksum.puz", QStringLiteral("the file checksum (byte 0)")},
        {"bad_cib.puz", QStringLiteral("the header checksum (CIB, byte 14)")},
        {"scrambled.puz", QStringLiteral("the puzzle is scrambled")},
        {"rebus.puz", QStringLiteral("rebus cells (section GRBS")},
        {"extra_clue.puz", QStringLiteral("announces %1 clues (byte 46) but the grid has %2 words").arg(words + 1).arg(words)},
        {"missing_clue.puz", QStringLiteral("announces %1 clues (byte 46) but the grid has %2 words").arg(words - 1).arg(words)},
        {"utf8_clue.puz", QStringLiteral("is written in UTF-8 (\"Small restaurant; a caf\u00e9 in Paris\")")},
    };
    for (const auto& c : cases) {
        const OpenCrosswordRead r = read(QString::fromLatin1(c.file));
        EXPECT_FALSE(r.ok) << c.file;
        EXPECT_TRUE(r.error.contains(c.reason)) << c.file << ": " << r.error.toStdString();
    }

    // What is read before the file checksum: the header, the solution's letters.
    const QByteArray good = fixture(QStringLiteral("crossword_21x21.puz"));
    const auto refusal = [&](qsizetype at, char value) {
        QByteArray bytes = good;
        bytes[at] = value;
        return readPuz(bytes).error;
    };
    EXPECT_TRUE(refusal(7, 'X').contains(QStringLiteral("not a .puz file")));
    EXPECT_TRUE(refusal(0x2C, 0).contains(QStringLiteral("the grid is 0 x 21")));
    EXPECT_TRUE(refusal(0x2D, 100).contains(QStringLiteral("the grid is 21 x 100")));
    EXPECT_TRUE(readPuz(good.left(51)).error.contains(QStringLiteral("51 bytes, fewer than the 52")));
    EXPECT_TRUE(refusal(0x34 + 10, '-').contains(QStringLiteral("row 1 column 11 of the solution")));
    // Before version 1.3 the notes are not part of the file checksum.
    EXPECT_TRUE(refusal(0x1A, '2').contains(QStringLiteral("the file checksum (byte 0)")));
}

TEST(PuzReader, EveryCutAndEveryChangedByteOfTheChecksummedPartIsRefused)
{
    for (const char* name : {"crossword_15x15.puz", "crossword_21x21.puz"}) {
        const QByteArray good = fixture(QString::fromLatin1(name));
        // Without its extra sections the 15 x 15 file is still whole.
        const qsizetype sections = good.contains("GEXT") ? good.indexOf("GEXT") : good.size();
        for (qsizetype size = 0; size < good.size(); ++size) {
            if (size == sections)
                continue;
            const OpenCrosswordRead r = readPuz(good.left(size));
            ASSERT_FALSE(r.ok) << name << " cut to " << size;
            ASSERT_FALSE(r.error.isEmpty());
        }
        // The magic, both checksums, the CIB, the grids and the strings: each byte counts.
        for (qsizetype at = 0; at < sections; ++at) {
            if (at >= 0x10 && at < 0x2C)  // masked checksums, version, reserved bytes
                continue;
            QByteArray bytes = good;
            bytes[at] = char(bytes[at] ^ 0x40);
            ASSERT_FALSE(readPuz(bytes).ok) << name << " changed at " << at;
        }
    }
}

TEST(PuzReader, SkipsSectionsOtherThanARebusAndATrailingLineEnd)
{
    const QByteArray good = fixture(QStringLiteral("crossword_21x21.puz"));
    const auto section = [](const char* name, const QByteArray& data) {
        QByteArray head = QByteArray(name) + QByteArray(4, '\0');  // length, checksum
        head[4] = char(data.size() & 0xFF);
        head[5] = char(data.size() >> 8);
        return head + data + QByteArray(1, '\0');
    };
    const QByteArray noRebus(21 * 21, '\0');
    QByteArray oneRebus = noRebus;
    oneRebus[30] = 1;
    EXPECT_TRUE(readPuz(good + section("LTIM", "42,1") + section("GRBS", noRebus) + "\r\n").ok);
    EXPECT_TRUE(readPuz(good + section("GRBS", oneRebus)).error.contains(QStringLiteral("rebus")));
    EXPECT_TRUE(readPuz(good + section("RTBL", " 0:HEART;")).error.contains(QStringLiteral("rebus")));
    EXPECT_TRUE(readPuz(good + section("LTIM", "42,1").chopped(1) + "x").error.contains(
        QStringLiteral("does not end with a NUL")));
    EXPECT_TRUE(readPuz(good + section("LTIM", "42,1").chopped(2)).error.contains(
        QStringLiteral("runs past the end")));
    EXPECT_TRUE(readPuz(good + "LTI").error.contains(QStringLiteral("inside the head of an extra section")));
}

} // namespace
