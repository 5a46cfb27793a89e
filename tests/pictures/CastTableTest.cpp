// The cast table: its layout and its agreement with the cast pictures.
#include <gtest/gtest.h>

#include "PictureCheck.h"
#include "support/TestSupport.h"

using namespace pictures;

namespace {

QVector<CastLine> loadTable(const char* file)
{
    const QByteArray bytes = programBytes(QStringLiteral("Picture/cast/") + QLatin1String(file));
    QVector<CastLine> lines;
    QString error;
    EXPECT_TRUE(bytes.endsWith("\r\n")) << file << ": lines end in CR LF";
    EXPECT_FALSE(bytes.contains("\n\n") || bytes.contains("\r\n\r\n")) << file;
    EXPECT_TRUE(parseCastTable(bytes, &lines, &error)) << file << ": " << error.toStdString();
    return lines;
}

QStringList namesOf(const QVector<CastLine>& lines)
{
    QStringList names;
    for (const CastLine& line : lines)
        names << line.name;
    return names;
}

// Interval fields, which the loader turns from 0 into 1: written non-zero here.
const int IntervalFields[] = {11, 13, 17, 19, 21, 22};

} // namespace

// One line per cast the scenes load, and no name is a prefix of an earlier line's name
// (the loader takes the first line that begins with the name).
TEST(CastTable, OneLinePerCastName)
{
    {
        const char* file = "CastData.csv";
        const QVector<CastLine> lines = loadTable(file);
        EXPECT_EQ(namesOf(lines), castNames()) << file;
        for (int i = 0; i < lines.size(); ++i)
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(lines[i].name.startsWith(lines[j].name))
                    << file << ": " << lines[j].name.toStdString() << " would be found for " << lines[i].name.toStdString();
    }
}

// Width x frames and twice the height make the picture's size; the frame loop stays in the
// picture; the face casts hold the nine frames that the idle loop and the talking use.
TEST(CastTable, SizesMatchThePictures)
{
    const char* file = "CastData.csv";
    for (const CastLine& line : loadTable(file)) {
        const QImage picture = programPicture(QStringLiteral("Picture/cast/%1.jpg").arg(line.name));
        ASSERT_FALSE(picture.isNull()) << "no picture for " << line.name.toStdString();
        ASSERT_GT(line.width(), 0);
        EXPECT_EQ(picture.height(), 2 * line.height()) << line.name.toStdString();
        EXPECT_EQ(picture.width() % line.width(), 0) << line.name.toStdString();
        const int frames = picture.width() / line.width();
        EXPECT_GE(line.field(8), 1);
        EXPECT_LE(line.field(9), line.loopLast());
        EXPECT_LE(line.loopLast(), frames) << line.name.toStdString();
        if (faceCastNames().contains(line.name)) {
            EXPECT_EQ(frames, 9) << line.name.toStdString();
        }
        for (int f : IntervalFields)
            EXPECT_GE(line.field(f), 1) << file << " " << line.name.toStdString() << " field " << f;
    }
}

// A member's faces are copied onto the shown cast, so they share one size and timing; the
// faces fit the adviser's stage (148 x 116) with the two-pixel bob of its walk, and the front
// row of the opening stage (385 x 330, members at x 242 and y 176).
TEST(CastTable, FacesShareOneSizeAndFitBothStages)
{
    const QVector<CastLine> lines = loadTable("CastData.csv");
    QVector<int> rests;
    for (int member = 0; member < 4; ++member) {
        const CastLine& shown = lines[member * 5 + 3];
        for (int face = 0; face < 5; ++face) {
            const CastLine& line = lines[member * 5 + face];
            EXPECT_EQ(line.values, shown.values) << line.name.toStdString();
        }
        EXPECT_LE(shown.width(), 148);
        EXPECT_LE(shown.height() + 2, 116);
        EXPECT_LE(242 + shown.width(), 385);
        EXPECT_LE(176 + shown.height(), 330);
        EXPECT_EQ(shown.field(20), 1) << "faces start in the idle loop";
        EXPECT_EQ(shown.loopLast(), 5);
        rests << shown.field(11);
    }
    // Different rests keep the four from blinking in step.
    for (int a = 0; a < 4; ++a)
        for (int b = a + 1; b < 4; ++b)
            EXPECT_NE(rests[a], rests[b]);
}

// The table reader of these tests refuses what the game's loader could not use.
TEST(CastTable, ReaderRefusesBrokenTables)
{
    QVector<CastLine> lines;
    QString error;
    const QString good = QStringLiteral("姉1,80,112,0,0,1,0,1,1,5,293,0,1,0,0,0,1,0,1,1,8,9");
    EXPECT_TRUE(parseCastTable(testsupport::cp932Lines({good}), &lines, &error)) << error.toStdString();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].name, QStringLiteral("姉1"));
    EXPECT_EQ(lines[0].field(22), 9);

    EXPECT_FALSE(parseCastTable(QByteArray(), &lines, &error));
    EXPECT_FALSE(parseCastTable(testsupport::cp932Lines({good.left(good.lastIndexOf(QLatin1Char(',')))}), &lines, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("21 fields"))) << error.toStdString();
    EXPECT_FALSE(parseCastTable(testsupport::cp932Lines({good, QString(good).replace(QStringLiteral(",293,"), QStringLiteral(",2x3,"))}),
                                &lines, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("line 2"))) << error.toStdString();
    EXPECT_FALSE(parseCastTable(testsupport::cp932Lines({good, QString()}), &lines, &error));
    EXPECT_FALSE(parseCastTable(good.toUtf8() + "\r\n", &lines, &error)) << "UTF-8 is not CP932";
}
