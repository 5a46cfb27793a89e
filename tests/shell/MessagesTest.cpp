#include <gtest/gtest.h>

#include "model/Game.h"
#include "support/DialogScript.h"
#include "window/MainForm.h"
#include "window/Messages.h"

namespace {

const QString Rule = QStringLiteral("---------------------------------");

TEST(MessageCatalogue, EveryBodyButElevenEndsWithTheRule)
{
    for (int code : {1, 101, 102, 103, 1001, 10001, 10002, 10003, 10004}) {
        const MessageSpec message = messageSpec(code, QStringLiteral("/tmp/x/"));
        EXPECT_TRUE(message.body.endsWith(QStringLiteral("\r\n") + Rule)) << code;
        EXPECT_EQ(Rule.size(), 33);
    }
    const MessageSpec eleven = messageSpec(11);
    EXPECT_EQ(eleven.body, QStringLiteral("Laticaを終了します。"));
    EXPECT_EQ(eleven.title, QStringLiteral("Laticaの終了"));
    EXPECT_EQ(eleven.buttons, form::Buttons::Ok);
    EXPECT_EQ(eleven.icon, form::Icon::Exclamation);
}

TEST(MessageCatalogue, TitlesButtonsAndIcons)
{
    struct Row { int code; const char* title; form::Buttons buttons; form::Icon icon; };
    const Row rows[] = {
        {1, "ヘルプ", form::Buttons::Ok, form::Icon::Information},
        {101, "報告：ファイルを指定してください", form::Buttons::YesNo, form::Icon::Exclamation},
        {102, "報告：ファイルが見つかりません", form::Buttons::YesNo, form::Icon::Exclamation},
        {103, "報告：ファイルが読めません", form::Buttons::YesNo, form::Icon::Exclamation},
        {1001, "報告：クロスワードはすべて解き終えています", form::Buttons::YesNo, form::Icon::Exclamation},
        {10001, "報告：作業用フォルダがわかりません", form::Buttons::Ok, form::Icon::Exclamation},
        {10002, "報告：作業用フォルダに書き込みできません", form::Buttons::Ok, form::Icon::Exclamation},
        {10003, "確認：個人成績ファイルを別フォルダに作成しました", form::Buttons::Ok, form::Icon::Exclamation},
        {10004, "選択：個人成績ファイルの処理", form::Buttons::YesNo, form::Icon::Exclamation},
    };
    for (const Row& row : rows) {
        const MessageSpec message = messageSpec(row.code);
        EXPECT_EQ(message.title, QString::fromUtf8(row.title)) << row.code;
        EXPECT_EQ(message.buttons, row.buttons) << row.code;
        EXPECT_EQ(message.icon, row.icon) << row.code;
    }
}

TEST(MessageCatalogue, BodiesKeepHalfWidthKatakanaEmptyLinesAndTheRecordFolder)
{
    const QStringList lines101 = messageSpec(101).body.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines101.size(), 8);
    EXPECT_EQ(lines101[1], QString());
    EXPECT_EQ(lines101[2], QStringLiteral("Kumi ﾌｧｲﾙ (例：標準日本語クロス.kmi) を指定してください。"));
    EXPECT_EQ(lines101[5], QStringLiteral("［はい］で、もういちど指定画面になります。"));

    const QStringList lines1 = messageSpec(1).body.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines1.size(), 9);
    EXPECT_EQ(lines1[0], QStringLiteral("Latica　バージョン３．０４"));

    const QStringList lines103 = messageSpec(103).body.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines103.size(), 9);
    EXPECT_EQ(lines103[1], QStringLiteral("こわれている可能性もあります。"));

    const QStringList lines10004 = messageSpec(10004, QStringLiteral("/home/p/.local/share/Latica/"))
                                       .body.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines10004.size(), 11);
    EXPECT_EQ(lines10004[2], QStringLiteral("　/home/p/.local/share/Latica/"));
    EXPECT_EQ(messageSpec(10003, QStringLiteral("F")).body.split(QStringLiteral("\r\n"))[4], QStringLiteral("　F"));
}

// The record goes to the work folder because the play file's folder cannot be written;
// the messages say so in this platform's words, not of a CD-ROM or of Windows.
TEST(MessageCatalogue, WorkFolderMessagesGiveTheReasonAndTheFolder)
{
    for (int code : {10003, 10004}) {
        const QString body = messageSpec(code, QStringLiteral("/home/p/.local/share/Latica/")).body;
        EXPECT_TRUE(body.startsWith(QStringLiteral("プレイファイルのフォルダに書き込めないので\r\n"))) << code;
        EXPECT_TRUE(body.contains(QStringLiteral("作業用フォルダ内"))) << code;
        EXPECT_FALSE(body.contains(QStringLiteral("ＣＤ－ＲＯＭ")) || body.contains(QStringLiteral("ウィンドウズ")))
            << code;
    }
}

TEST(MessageCatalogue, UnknownCodeIsAnEmptyOkBox)
{
    const MessageSpec message = messageSpec(4242);
    EXPECT_TRUE(message.title.isEmpty());
    EXPECT_TRUE(message.body.isEmpty());
    EXPECT_EQ(message.buttons, form::Buttons::Ok);
}

class ShowMessageTest : public ::testing::Test {
protected:
    ShowMessageTest() { game.frmMain = &window; }
    MainForm window;
    Game game;
};

TEST_F(ShowMessageTest, ReturnsThePressedButtonsCode)
{
    DialogScript script;
    script.answer(form::Answer::Yes);
    script.answer(form::Answer::No);
    script.answer(form::Answer::Ok);
    EXPECT_EQ(ShowMessage(game, 101), 6);
    EXPECT_EQ(ShowMessage(game, 103), 7);
    EXPECT_EQ(ShowMessage(game, 10001), 1);
    EXPECT_EQ(script.titles[1], QStringLiteral("報告：ファイルが読めません"));
    EXPECT_EQ(script.bodies[1], messageSpec(103).body);
}

TEST_F(ShowMessageTest, PausesTheGameClockAndRestoresIt)
{
    DialogScript script;
    bool enabledWhileShown = true;
    script.probe = [&] { enabledWhileShown = window.tmrKumi.isEnabled(); };
    window.tmrKumi.setEnabled(true);
    script.answer(form::Answer::Ok);
    ShowHelp(game);
    EXPECT_FALSE(enabledWhileShown);
    EXPECT_TRUE(window.tmrKumi.isEnabled());
    EXPECT_EQ(script.titles.value(0), QStringLiteral("ヘルプ"));
}

// Delete erases and Esc undoes, as the labels "文字消去" and "取り消し" do: the help
// names for each key the label it acts like.
TEST_F(ShowMessageTest, HelpPairsEachKeyWithTheLabelItActsLike)
{
    DialogScript script;
    script.answer(form::Answer::Ok);
    ShowHelp(game);
    const QStringList lines = script.bodies.value(0).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[5], QStringLiteral("　Ｄｅｌｅｔｅキー：画面右の「%1」ボタンと同じ機能").arg(window.lblKeyDelete->caption()));
    EXPECT_EQ(lines[6], QStringLiteral("　Ｅｓｃキー：画面右の「%1」ボタンと同じ機能").arg(window.lblKeyUndo->caption()));
}

TEST_F(ShowMessageTest, LeavesADisabledClockDisabled)
{
    DialogScript script;
    window.tmrKumi.setEnabled(false);
    script.answer(form::Answer::Yes);
    ShowMessage(game, 102);
    EXPECT_FALSE(window.tmrKumi.isEnabled());
}

} // namespace
