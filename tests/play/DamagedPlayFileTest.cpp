#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

#include "playfile/CrossFile.h"
#include "shell/StartUp.h"
#include "story/Story.h"
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"

namespace {

struct Damage {
    const char* name;
    QByteArray bytes;
};

QByteArray withSection(const std::function<void(QStringList&)>& change, int count = 1)
{
    QStringList section = playfiles::catSection(1);
    change(section);
    return playfiles::file(count, {section});
}

// Each of these is a play file the game cannot use.
std::vector<Damage> damagedFiles()
{
    const QByteArray good = playfiles::file(1, {playfiles::catSection(1)});
    std::vector<Damage> d;
    d.push_back({"empty", QByteArray()});
    d.push_back({"header only", playfiles::file(1, {})});
    d.push_back({"no puzzles announced", playfiles::file(0, {playfiles::catSection(1)})});
    d.push_back({"count not a number", withSection([](QStringList&) {}).replace("\r\n1\r\n\r\n;#1", "\r\nabc\r\n\r\n;#1")});
    d.push_back({"truncated in the kinds", good.left(good.indexOf("1,3,1,3,1"))});
    d.push_back({"truncated in the answers", good.left(good.indexOf("\xA3\xD2"))}); // before "Ｒ■Ｅ"
    d.push_back({"truncated in the word lines", good.left(good.lastIndexOf("\r\n", good.size() - 3) + 2)});
    d.push_back({"zero rows", withSection([](QStringList& s) { s[2] = QStringLiteral("0,3"); })});
    d.push_back({"too many columns", withSection([](QStringList& s) { s[2] = QStringLiteral("3,100"); })});
    d.push_back({"word count far too large", withSection([](QStringList& s) { s[4] = QStringLiteral("3,2000000000,2"); })});
    d.push_back({"first down word past the end", withSection([](QStringList& s) { s[4] = QStringLiteral("3,3,9"); })});
    d.push_back({"kind 5", withSection([](QStringList& s) { s[7] = QStringLiteral("1,4,2,5,1"); })});
    d.push_back({"white border", withSection([](QStringList& s) { s[6] = QStringLiteral("1,2,1,1,1"); })});
    d.push_back({"kind not a number", withSection([](QStringList& s) { s[8] = QStringLiteral("1,x,1,3,1"); })});
    d.push_back({"black square on a white cell", withSection([](QStringList& s) { s[12] = QStringLiteral("Ｃ■Ｔ"); })});
    d.push_back({"white cell without an answer", withSection([](QStringList& s) { s[14] = QStringLiteral("Ｒ■"); })});
    d.push_back({"across number of a down word", withSection([](QStringList& s) { s[16] = QStringLiteral("3,0,0"); })});
    d.push_back({"word with no start", withSection([](QStringList& s) { s[20] = QStringLiteral("2,0,0"); })});
    d.push_back({"word starting twice", withSection([](QStringList& s) { s[20] = QStringLiteral("2,3,3"); })});
    d.push_back({"word on a black cell", withSection([](QStringList& s) { s[17] = QStringLiteral("0,1,0"); })});
    d.push_back({"missing word line", withSection([](QStringList& s) { s.removeLast(); })});
    // The same file in UTF-8: its kana decode as other characters and break the grid.
    d.push_back({"UTF-8 instead of Shift-JIS",
                 (playfiles::header(1) + QStringList{QString()} + playfiles::catSection(1)).join(QStringLiteral("\r\n")).toUtf8()});
    d.push_back({"bytes that are not Shift-JIS", QByteArray("x\r\n1\r\nx\r\n1\r\n;#1\r\n\x81\r\n")});
    return d;
}

TEST(DamagedPlayFile, EveryDamageIsReportedWithAReason)
{
    for (const Damage& damage : damagedFiles()) {
        const CrossReadResult r = parseCrossFile(damage.bytes, 1);
        // The header problems show in the header reader; the rest here.
        if (r.ok)
            continue;
        EXPECT_FALSE(r.error.isEmpty()) << damage.name;
    }
    // Everything past the header fails the puzzle reader itself.
    for (const Damage& damage : damagedFiles()) {
        const std::string name = damage.name;
        if (name == "no puzzles announced" || name == "count not a number")
            continue;
        EXPECT_FALSE(parseCrossFile(damage.bytes, 1).ok) << name;
    }
}

class DamagedPlayFileFlow : public GameFixture {
protected:
    DamagedPlayFileFlow()
    {
        game.story = &story;
        menuChoice = 1;
        typedText = QStringLiteral("ミナ");
        clickTalksAsAPlayer();
    }
    Story story{game};
};

TEST_F(DamagedPlayFileFlow, EachGivesMessage103AndNoEndsTheProgram)
{
    const auto damaged = damagedFiles();
    ASSERT_GE(damaged.size(), 10u);
    int n = 0;
    for (const Damage& damage : damaged) {
        SCOPED_TRACE(damage.name);
        const QString path = scratch(QStringLiteral("damaged%1.kmi").arg(++n));
        testsupport::writeFile(path, damage.bytes);
        MainForm window;
        Game game;
        game.frmMain = &window;
        game.instanceName = this->game.instanceName + QString::number(n);
        Story story(game);
        game.story = &story;
        // This run's own player clicks the title talks away.
        QTimer clicks;
        QObject::connect(&clicks, &QTimer::timeout, [&game] {
            TalkEngine& t = talkEngine(game);
            if ((t.TalkWait == 1 || t.TalkWait == -1) && t.CurrentTalkBox > 0)
                EndTalkWait(game, t.CurrentTalkBox);
        });
        clicks.start(5);
        form::resetProgramEnded();
        DialogScript script;
        script.choose(path);
        script.answer(form::Answer::No);
        EXPECT_THROW(Main(game), form::ProgramEnded);
        EXPECT_EQ(script.titles, QStringList{QStringLiteral("報告：ファイルが読めません")});
        EXPECT_EQ(game.CurCross, 0);
        EXPECT_EQ(game.cross.MasLast, -1) << "nothing of the damaged file reaches the board";
        EXPECT_FALSE(QFile::exists(scratch(QStringLiteral("damaged%1.log").arg(n)))) << "no record is made for it";
    }
}

TEST_F(DamagedPlayFileFlow, YesChoosesAgainAndAGoodFilePlays)
{
    const QString bad = scratch(QStringLiteral("bad.kmi"));
    const QString good = scratch(QStringLiteral("good.kmi"));
    testsupport::writeFile(bad, withSection([](QStringList& s) { s[7] = QStringLiteral("1,4,2,7,1"); }));
    testsupport::writeFile(good, playfiles::file(1, {playfiles::catSection(1)}));
    DialogScript script;
    script.choose(bad);
    script.answer(form::Answer::Yes);
    script.choose(good);
    Main(game);
    EXPECT_EQ(script.titles, QStringList{QStringLiteral("報告：ファイルが読めません")});
    EXPECT_EQ(game.PlayFileTitle, QStringLiteral("good.kmi"));
    EXPECT_EQ(game.CurCross, 1);
    EXPECT_EQ(game.cross.Ques[1].Answer, QStringLiteral("ＣＡＴ"));
    EXPECT_EQ(window.lblTitle->caption(), QStringLiteral("good [1]"));
    EXPECT_EQ(game.PlayActive, 1);
}

// An open crossword that cannot be imported is a damaged play file: message 103, and the
// importer's reason on stderr.
TEST_F(DamagedPlayFileFlow, AnOpenCrosswordThatCannotBeImportedGets103AndItsReasonOnStderr)
{
    const QString locked = scratch(QStringLiteral("locked.puz"));
    const QString good = scratch(QStringLiteral("good.kmi"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LATICA_TESTS_DIR "/openformats/puz/scrambled.puz"), locked));
    testsupport::writeFile(good, playfiles::file(1, {playfiles::catSection(1)}));
    DialogScript script;
    script.choose(locked);
    script.answer(form::Answer::Yes);
    script.choose(good);
    testing::internal::CaptureStderr();
    Main(game);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(script.titles, QStringList{QStringLiteral("報告：ファイルが読めません")});
    EXPECT_NE(said.find("locked.puz: "), std::string::npos) << said;
    EXPECT_NE(said.find("scrambled"), std::string::npos) << said;
    EXPECT_EQ(game.PlayFileTitle, QStringLiteral("good.kmi"));
}

} // namespace
