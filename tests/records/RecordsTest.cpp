// The player record: where it lies, what is read from it and how it is rewritten.
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/TestSupport.h"

#include "form/Cp932.h"
#include "model/AppRequests.h"
#include "records/RecordFile.h"
#include "records/Records.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class RecordsTest : public GameFixture {
protected:
    RecordsTest()
    {
        game.PlayFileFolder = scratch(QStringLiteral("play/"));
        game.PlayFileTitle = QStringLiteral("x.kmi");
        game.WorkFolder = scratch(QStringLiteral("work/"));
        QDir().mkpath(game.PlayFileFolder);
        QDir().mkpath(game.WorkFolder);
        useCrossCount(3);
    }
    void useCrossCount(int n)
    {
        game.CrossCount = n;
        game.CrossSolved.assign(size_t(n) + 1, 0);
    }
    // A play folder that cannot take a file: its path runs through a plain file (a
    // read-only mode would not stop the root user that runs the tests in CI).
    void playFolderUnwritable()
    {
        testsupport::writeFile(scratch(QStringLiteral("cdrom")), "not a folder");
        game.PlayFileFolder = scratch(QStringLiteral("cdrom/"));
    }
    QString recordBeside() const { return game.PlayFileFolder + QStringLiteral("x.log"); }
    QStringList lines(const QString& path) const
    {
        return form::splitLines(form::fromCp932(testsupport::readFile(path)));
    }
    void writeRecord(const QString& name, const QString& states, const QStringList& extra = {})
    {
        testsupport::writeFile(recordBeside(), testsupport::cp932Lines(QStringList{record::commentLine(0),
                               QStringLiteral(";プレーヤー名"), name, QStringLiteral(";解答状況"), states} + extra));
    }
    int load()
    {
        EXPECT_EQ(SetRecordFile(game), 1);
        return LoadRecord(game);
    }
    DialogScript dialogs;
};

TEST_F(RecordsTest, ANewRecordBesideThePlayFileInCp932WithCrLf)
{
    EXPECT_EQ(SetRecordFile(game), 1);
    EXPECT_EQ(game.RecordFolder, game.PlayFileFolder);
    EXPECT_TRUE(dialogs.titles.isEmpty());
    const QByteArray bytes = testsupport::readFile(recordBeside());
    EXPECT_EQ(bytes, testsupport::cp932Lines({QStringLiteral(";このファイルはLaticaで使う個人成績データです。"),
                                              QStringLiteral(";プレーヤー名"), QStringLiteral("未登録"),
                                              QStringLiteral(";解答状況のら列(#1～ステージ数) =0:未完成 =1:完成済み"),
                                              QStringLiteral("0,0,0")}));
    EXPECT_EQ(GetPlayerName(game), QString()) << "未登録 is no name";
    EXPECT_EQ(LoadRecord(game), 1);
}

TEST_F(RecordsTest, AnUnwritablePlayFolderPutsTheRecordInTheWorkFolderUntilThePlayerLetsItGo)
{
    playFolderUnwritable();
    dialogs.answer(form::Answer::Ok);
    ASSERT_EQ(SetRecordFile(game), 1);
    EXPECT_EQ(game.RecordFolder, game.WorkFolder);
    ASSERT_EQ(dialogs.titles.value(0), QStringLiteral("確認：個人成績ファイルを別フォルダに作成しました"));
    EXPECT_TRUE(dialogs.bodies[0].contains(game.WorkFolder));
    const QString kept = game.WorkFolder + QStringLiteral("x.log");
    EXPECT_EQ(lines(kept).value(0), record::commentLine(1));

    // At the end the player keeps it; the next run finds it without a word.
    dialogs.answer(form::Answer::Yes);
    EXPECT_THROW(EndProgram(game), form::ProgramEnded);
    EXPECT_EQ(dialogs.titles.value(1), QStringLiteral("選択：個人成績ファイルの処理"));
    EXPECT_TRUE(QFile::exists(kept));
    form::resetProgramEnded();
    ASSERT_EQ(SetRecordFile(game), 1);
    EXPECT_EQ(game.RecordFolder, game.WorkFolder);
    EXPECT_EQ(dialogs.titles.size(), 2);

    // Then the player lets it go.
    dialogs.answer(form::Answer::No);
    EXPECT_THROW(EndProgram(game), form::ProgramEnded);
    EXPECT_FALSE(QFile::exists(kept));
}

// Only a pressed 「いいえ」 deletes a record kept in the work folder: Escape and the close
// box keep it.
TEST_F(RecordsTest, EscapeOrTheCloseBoxOnTheKeepQuestionKeepsTheRecord)
{
    game.PlayFileFolder = game.WorkFolder;
    ASSERT_EQ(SetRecordFile(game), 1);
    const QString kept = game.WorkFolder + QStringLiteral("x.log");
    for (const bool escape : {true, false}) {
        form::setMessageBoxObserver([escape](QMessageBox& box) {
            if (escape)
                testsupport::pressKey(&box, Qt::Key_Escape);
            else
                box.close();
        });
        EXPECT_THROW(EndProgram(game), form::ProgramEnded);
        form::resetProgramEnded();
        EXPECT_TRUE(QFile::exists(kept)) << (escape ? "Escape" : "the close box");
    }
}

TEST_F(RecordsTest, WithoutAUsableWorkFolderPlayCannotGoOn)
{
    playFolderUnwritable();
    game.WorkFolder.clear();
    dialogs.answer(form::Answer::Ok);
    EXPECT_EQ(SetRecordFile(game), 0);
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("報告：作業用フォルダがわかりません"));

    testsupport::writeFile(scratch(QStringLiteral("cdrom2")), "not a folder");
    game.WorkFolder = scratch(QStringLiteral("cdrom2/"));
    dialogs.answer(form::Answer::Ok);
    EXPECT_EQ(SetRecordFile(game), 0);
    EXPECT_EQ(dialogs.titles.value(1), QStringLiteral("報告：作業用フォルダに書き込みできません"));
}

TEST_F(RecordsTest, APlayFileInTheWorkFolderAsksAtTheEndToo)
{
    game.PlayFileFolder = game.WorkFolder;
    ASSERT_EQ(SetRecordFile(game), 1);
    EXPECT_TRUE(dialogs.titles.isEmpty());
    EXPECT_TRUE(RecordInWorkFolder(game));
}

TEST_F(RecordsTest, AllSolvedAsksWhetherToStartAgain)
{
    writeRecord(QStringLiteral("ミナ"), QStringLiteral("1,1,1"));
    dialogs.answer(form::Answer::No);
    EXPECT_EQ(load(), 0);
    EXPECT_EQ(dialogs.titles.value(0), QStringLiteral("報告：クロスワードはすべて解き終えています"));
    EXPECT_EQ(lines(recordBeside()).value(4), QStringLiteral("1,1,1"));

    dialogs.answer(form::Answer::Yes);
    EXPECT_EQ(load(), 1);
    EXPECT_EQ(lines(recordBeside()).value(4), QStringLiteral("0,0,0"));
    EXPECT_EQ(game.CrossSolved, (std::vector<int>{0, 0, 0, 0}));
}

TEST_F(RecordsTest, TokensOtherThanZeroOrOneOpenNothing)
{
    writeRecord(QStringLiteral("ミナ"), QStringLiteral("1,x,1,0,0"));
    dialogs.answer(form::Answer::No);
    EXPECT_EQ(load(), 0) << "x keeps puzzle 2 unsolved but not open; entries past the count are ignored";
    EXPECT_EQ(game.CrossSolved[2], 0);
}

TEST_F(RecordsTest, ADamagedRecordIsCompletedAsUnsolvedAndWrittenWholeNextTime)
{
    testsupport::writeFile(recordBeside(), testsupport::cp932Lines({QStringLiteral(";c")}) + ";n");
    EXPECT_EQ(load(), 1);
    EXPECT_EQ(GetPlayerName(game), QString());
    game.CrossSolved[2] = 1;
    SaveRecord(game);
    const QStringList now = lines(recordBeside());
    EXPECT_EQ(now.size(), 5);
    EXPECT_EQ(now.value(2), QStringLiteral("未登録"));
    EXPECT_EQ(now.value(4), QStringLiteral("0,1,0"));

    // Cut in the middle of a character: what is there is read, the rest is unsolved.
    testsupport::writeFile(recordBeside(), testsupport::cp932Lines({QStringLiteral(";c"), QStringLiteral(";n"),
                                                                    QStringLiteral("ミナ"), QStringLiteral(";s")}) +
                                               QByteArray("1,\x82"));
    useCrossCount(3);
    EXPECT_EQ(load(), 1) << "missing entries are unsolved";
    EXPECT_EQ(game.CrossSolved, (std::vector<int>{0, 1, 0, 0}));
    EXPECT_EQ(GetPlayerName(game), QStringLiteral("ミナ"));
}

TEST_F(RecordsTest, RewritesKeepOrDropTheLinesAfterTheFifth)
{
    game.PlayFileTitle = QStringLiteral("temp.kmi");  // its record is named like a scratch file
    testsupport::writeFile(game.PlayFileFolder + QStringLiteral("temp.log"),
                           testsupport::cp932Lines({record::commentLine(0), QStringLiteral(";n"),
                                                    QStringLiteral("未登録"), QStringLiteral(";s"),
                                                    QStringLiteral("0,0,0"), QStringLiteral("メモ")}));
    EXPECT_EQ(load(), 1);
    game.CrossSolved[3] = 1;
    SaveRecord(game);
    const QString path = game.PlayFileFolder + QStringLiteral("temp.log");
    EXPECT_EQ(lines(path), (QStringList{record::commentLine(0), QStringLiteral(";n"), QStringLiteral("未登録"),
                                         QStringLiteral(";s"), QStringLiteral("0,0,1"), QStringLiteral("メモ")}));
    talkEngine(game).TalkNames[10] = QStringLiteral("ミナ");
    SavePlayerName(game);
    EXPECT_EQ(lines(path).size(), 5) << "the name rewrite drops the sixth line";
    EXPECT_EQ(GetPlayerName(game), QStringLiteral("ミナ"));
    EXPECT_EQ(QDir(game.PlayFileFolder).entryList(QDir::Files), QStringList{QStringLiteral("temp.log")});
}

TEST_F(RecordsTest, ANameCp932CannotHoldIsStoredWithQuestionMarks)
{
    ASSERT_EQ(load(), 1);
    talkEngine(game).TalkNames[10] = QStringLiteral("ミナ😀");
    SavePlayerName(game);
    EXPECT_EQ(GetPlayerName(game), QStringLiteral("ミナ？"));
    EXPECT_EQ(talkEngine(game).TalkNames[10], QStringLiteral("ミナ？")) << "the talks quote what is stored";
}

TEST_F(RecordsTest, AFailedRewriteLeavesTheOldRecordAndTellsThePlayer)
{
    writeRecord(QStringLiteral("ミナ"), QStringLiteral("0,0,0"));
    ASSERT_EQ(load(), 1);
    const QByteArray before = testsupport::readFile(recordBeside());
    game.CrossSolved[1] = 1;
    // A disk that fills up: the rewrite runs where no file may grow past 16 bytes.
    dialogs.answer(form::Answer::Ok);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{16, saved.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
    SaveRecord(game);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(dialogs.bodies.size(), 1);
    EXPECT_TRUE(dialogs.bodies[0].contains(QStringLiteral("x.log"))) << dialogs.bodies[0].toStdString();
    EXPECT_EQ(testsupport::readFile(recordBeside()), before);
    EXPECT_EQ(QDir(game.PlayFileFolder).entryList(QDir::Files), QStringList{QStringLiteral("x.log")})
        << "no scratch file is left behind";

    // The folder gone in the middle of play (a removed stick, a folder made read-only).
    dialogs.answer(form::Answer::Ok);
    game.RecordFolder += QStringLiteral("gone/");
    SaveRecord(game);
    ASSERT_EQ(dialogs.bodies.size(), 2);
    EXPECT_TRUE(dialogs.bodies[1].contains(QStringLiteral("gone/x.log"))) << dialogs.bodies[1].toStdString();
}

// A rewrite killed at any moment leaves the old record or the new one, whole.
TEST_F(RecordsTest, AKilledRewriteLeavesTheOldOrTheNewRecord)
{
    writeRecord(QStringLiteral("ミナ"), QStringLiteral("0,0,0"));
    ASSERT_EQ(load(), 1);
    const QByteArray oldBytes = testsupport::readFile(recordBeside());
    game.CrossSolved = {0, 1, 1, 1};
    std::mt19937 pick(7);
    for (int run = 0; run < 20; ++run) {
        testsupport::writeFile(recordBeside(), oldBytes);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;)
                SaveRecord(game);
        }
        usleep(std::uniform_int_distribution<int>(0, 3000)(pick));
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const QStringList now = lines(recordBeside());
        ASSERT_EQ(now.size(), 5) << "run " << run;
        EXPECT_TRUE(now[4] == QStringLiteral("0,0,0") || now[4] == QStringLiteral("1,1,1")) << now[4].toStdString();
        EXPECT_EQ(now[2], QStringLiteral("ミナ"));
    }
}

} // namespace
