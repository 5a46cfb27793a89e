#include <gtest/gtest.h>

#include "cast/Cast.h"
#include "cast/CastTable.h"
#include "form/Clock.h"
#include "form/ProgramFolder.h"
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/TestSupport.h"

namespace {

TEST(CastTable, GetCsvNumber)
{
    QString line = QStringLiteral("12abc,,3.5,2.5,-7, 8 ,x");
    EXPECT_EQ(GetCsvNumber(line), 12);
    EXPECT_EQ(GetCsvNumber(line), 0) << "an empty field";
    EXPECT_EQ(GetCsvNumber(line), 4) << "halves go to the even neighbour";
    EXPECT_EQ(GetCsvNumber(line), 2);
    EXPECT_EQ(GetCsvNumber(line), -7);
    EXPECT_EQ(GetCsvNumber(line), 8);
    EXPECT_EQ(GetCsvNumber(line), 0) << "letters";
    EXPECT_EQ(line, QString());
    EXPECT_EQ(GetCsvNumber(line), 0) << "nothing left";
}

TEST(CastTable, AShortLineReadsZerosAndZeroIntervalsBecomeOne)
{
    CastRecord c;
    readCastFields(QStringLiteral("雲,48,32,10,-6,1"), c);
    EXPECT_EQ(c.Width, 48);
    EXPECT_EQ(c.Y, -6);
    EXPECT_EQ(c.Active, 1);
    EXPECT_EQ(c.Frame, 0);
    EXPECT_EQ(c.FrameInterval, 1);
    EXPECT_EQ(c.DriftInterval, 1);
    EXPECT_EQ(c.MoveInterval, 1);
    EXPECT_EQ(c.WrapDelay, 1);
    EXPECT_EQ(c.IdleInterval, 1);
    EXPECT_EQ(c.TalkInterval, 1);
    EXPECT_EQ(c.DriftAmount, 0);
}

TEST(CastTable, AnEmptyFieldKeepsTheRestInPlace)
{
    CastRecord c;
    readCastFields(QStringLiteral("姉1,80,112,,5,1,0,1,1,5,293,28,4,3,0,0,1,0,1,1,8,9"), c);
    EXPECT_EQ(c.X, 0);
    EXPECT_EQ(c.Y, 5);
    EXPECT_EQ(c.LoopLast, 5);
    EXPECT_EQ(c.FrameInterval, 293);
    EXPECT_EQ(c.DriftKind, 28);
    EXPECT_EQ(c.TalkState, 1);
    EXPECT_EQ(c.IdleInterval, 8);
    EXPECT_EQ(c.TalkInterval, 9);
}

TEST(CastTable, TheFirstLineThatBeginsWithTheNameWins)
{
    const QStringList lines{QStringLiteral("姉4,1"), QStringLiteral("姉,2"), QStringLiteral("兄,3")};
    EXPECT_EQ(findCastLine(lines, QStringLiteral("姉")), QStringLiteral("姉4,1"));
    EXPECT_EQ(findCastLine(lines, QStringLiteral("兄")), QStringLiteral("兄,3"));
    EXPECT_FALSE(findCastLine(lines, QStringLiteral("父")).has_value());
}

class CastFlow : public GameFixture {
protected:
    CastFlow() { game.casts.CastFileName = QStringLiteral("CastData.csv"); }
    ~CastFlow() override
    {
        form::Clock::instance().setSpeed(1);
        form::ProgramFolder::setPath(QStringLiteral(LATICA_BUILD_PROGRAM_DIR));
    }
};

TEST_F(CastFlow, SlotsAndCellsAreReused)
{
    const int a = LoadCast(game, QStringLiteral("姉1"));
    const int b = LoadCast(game, QStringLiteral("兄1"));
    const int c = LoadCast(game, QStringLiteral("父1"));
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);
    EXPECT_EQ(game.casts.CellCount, 3);
    EXPECT_EQ(game.casts[b].Cell, 2);
    EXPECT_EQ(window.picCell(2)->picture().width(), game.casts[b].Width * 9);
    FreeCast(game, b);
    EXPECT_EQ(LoadCast(game, QStringLiteral("母1")), 2) << "the freed lower number comes back";
    EXPECT_EQ(game.casts.CastCount, 3);
    // Cells are never released: the new cast got a new cell.
    EXPECT_EQ(game.casts[2].Cell, 4);
    EXPECT_EQ(game.casts[2].RestInterval, game.casts[2].FrameInterval);
    EXPECT_EQ(game.casts[2].WrapTime, 1);
}

TEST_F(CastFlow, CopyCastFaceKeepsTheCentre)
{
    const int shown = LoadCast(game, QStringLiteral("姉4"));
    const int face = LoadCast(game, QStringLiteral("姉5"));
    SetCastPos(game, shown, 100, 50);
    CopyCastFace(game, shown, face);
    EXPECT_EQ(game.casts[shown].X, 100) << "equal sizes move nothing";
    EXPECT_EQ(game.casts[shown].Y, 50);
    EXPECT_EQ(game.casts[shown].Cell, game.casts[face].Cell);
    game.casts[face].Width -= 10;
    game.casts[face].Height -= 7;
    CopyCastFace(game, shown, face);
    EXPECT_EQ(game.casts[shown].X, 105);
    EXPECT_EQ(game.casts[shown].Y, 53) << "half of 7, truncated";
    EXPECT_EQ(game.casts[shown].Width, game.casts[face].Width);
}

TEST_F(CastFlow, AnchorsFollowTheDriftKind)
{
    const int c = LoadCast(game, QStringLiteral("兄2"));
    SetCastDrift(game, c, 28, 3, 2);
    EXPECT_EQ(game.casts[c].Anchor, game.casts[c].Y);
    SetCastPos(game, c, 30, 40);
    EXPECT_EQ(game.casts[c].Anchor, 40);
    SetCastDrift(game, c, 46, 3, 2);
    EXPECT_EQ(game.casts[c].Anchor, 30);
    SetCastPos(game, c, 31, 41);
    EXPECT_EQ(game.casts[c].Anchor, 31);
    SetCastDrift(game, c, 0, 1, 0);
    SetCastPos(game, c, 1, 2);
    EXPECT_EQ(game.casts[c].Anchor, 31) << "no drift: the anchor stays";
}

TEST_F(CastFlow, TalkStatesAndTheBoundedWaitForTheFirstFrame)
{
    const int c = LoadCast(game, QStringLiteral("父3"));
    SetCastTalkState(game, c, 1);
    EXPECT_EQ(game.casts[c].LoopLast, 5);
    EXPECT_EQ(game.casts[c].FrameInterval, game.casts[c].IdleInterval);
    game.casts[c].Frame = 3;
    // The animation timer runs but nothing advances the frame: the wait gives up.
    form::Clock::instance().setSpeed(20);
    window.tmrAnim.setEnabled(true);
    const double start = form::Clock::instance().monotonicSeconds();
    SetCastTalkState(game, c, 2);
    window.tmrAnim.setEnabled(false);
    EXPECT_GE(form::Clock::instance().monotonicSeconds() - start, CastFrameWaitLimit);
    EXPECT_EQ(game.casts[c].Frame, 6);
    EXPECT_EQ(game.casts[c].LoopFirst, 6);
    EXPECT_EQ(game.casts[c].TalkState, 2);
    // With the animation stopped there is no wait at all.
    game.casts[c].Frame = 4;
    SetCastTalkState(game, c, 2);
    EXPECT_EQ(game.casts[c].Frame, 6);
    SetCastTalkState(game, c, 0);
    EXPECT_EQ(game.casts[c].FrameInterval, game.casts[c].RestInterval);
    EXPECT_EQ(game.casts[c].LoopLast, 1);
    SetCastTalkState(game, c, 7);
    EXPECT_EQ(game.casts[c].TalkState, 0) << "other states change nothing";
}

TEST_F(CastFlow, AMissingTableLineOrPictureIsReportedAndEndsTheGame)
{
    QTemporaryDir program;
    form::ProgramFolder::setPath(program.path());
    testsupport::writeFile(program.filePath(QStringLiteral("Picture/cast/CastData.csv")),
                           testsupport::cp932Lines({QStringLiteral("絵なし,10,10,0,0,1")}));
    for (const QString& name : {QStringLiteral("いない"), QStringLiteral("絵なし"), QString()}) {
        form::resetProgramEnded();
        DialogScript script;
        script.answer(form::Answer::Ok);
        EXPECT_THROW(LoadCast(game, name), form::ProgramEnded) << name.toStdString();
        ASSERT_EQ(script.bodies.size(), 1);
        if (!name.isEmpty()) {
            EXPECT_TRUE(script.bodies[0].contains(name)) << script.bodies[0].toStdString();
        }
    }
    QFile::remove(program.filePath(QStringLiteral("Picture/cast/CastData.csv")));
    form::resetProgramEnded();
    DialogScript script;
    script.answer(form::Answer::Ok);
    EXPECT_THROW(LoadCast(game, QStringLiteral("姉1")), form::ProgramEnded);
    EXPECT_TRUE(script.bodies.value(0).contains(QStringLiteral("CastData.csv")));
}

TEST_F(CastFlow, PicturesReadAheadAreTheOnesLoadCastReads)
{
    const int alone = LoadCast(game, QStringLiteral("兄2"));
    const QImage expected = window.picCell(game.casts[alone].Cell)->picture();
    ReadCastPicturesAhead(game, {QStringLiteral("兄2"), QStringLiteral("兄2"), QStringLiteral("姉3")});
    EXPECT_EQ(game.casts.picturesAhead.size(), 2) << "one picture per file";
    const int ahead = LoadCast(game, QStringLiteral("兄2"));
    EXPECT_EQ(window.picCell(game.casts[ahead].Cell)->picture(), expected);
    ForgetCastPictures(game);
    EXPECT_TRUE(game.casts.picturesAhead.isEmpty());

    // A picture that cannot be read is not kept: LoadCast reports it as before.
    QTemporaryDir program;
    form::ProgramFolder::setPath(program.path());
    testsupport::writeFile(program.filePath(QStringLiteral("Picture/cast/CastData.csv")),
                           testsupport::cp932Lines({QStringLiteral("壊れ,10,10,0,0,1")}));
    testsupport::writeFile(program.filePath(QStringLiteral("Picture/cast/壊れ.jpg")), QByteArray("not a picture"));
    ReadCastPicturesAhead(game, {QStringLiteral("壊れ"), QStringLiteral("ない")});
    EXPECT_TRUE(game.casts.picturesAhead.isEmpty());
    DialogScript script;
    script.answer(form::Answer::Ok);
    EXPECT_THROW(LoadCast(game, QStringLiteral("壊れ")), form::ProgramEnded);
    EXPECT_TRUE(script.bodies.value(0).contains(QStringLiteral("壊れ")));
}

} // namespace
