// Faulty talk data: the rest of the talk is skipped, the talk ends at once and the fault
// is reported once, naming the talk; the next talk runs normally.
#include "TalkFixture.h"

#include <QDir>
#include <QFile>
#include <iterator>

using TalkErrors = TalkFixture;

namespace {
struct Faulty {
    const char16_t* text;
    const char16_t* hint;  // a part of the report
};
} // namespace

TEST_F(TalkErrors, EachFaultEndsTheTalkAndIsReportedOnceWithItsNumber)
{
    const Faulty faults[] = {
        {u"＄〈だれ？〉＋〈あと〉", u"「＄」は登録されていません"},
        {u"＋〈①と①〉＋〈あと〉", u"「①」が二度"},
        {u"『①／①』★＋〈あと〉", u"「①」が二度"},
        {u"＋〈閉じない▼＋〈あと", u"「〈」に対になる閉じ括弧"},
        {u"＋《閉じない〉＋〈あと〉", u"「《」に対になる閉じ括弧"},
        {u"＋あと", u"「＋」の後に「〈」も「《」もありません"},
        {u"＋", u"「＋」の後に"},
        {u"【姉●兄＋〈あと〉", u"「【」に対になる"},
        {u"『はい／いいえ★＋〈あと〉", u"「『」に対になる"},
        {u"〈あと〉", u"話し手の記号のない「〈」"},
        {u"〉＋〈あと〉", u"開き括弧のない「〉」"},
        {u"¶＋〈あと〉", u"「¶」の後に数字がありません"},
        {u"▼＋〈あと〉", u"トーク枠が開いていません"},
        {u"◆＋〈あと〉", u"トーク枠が開いていません"},
        {u"★＋〈あと〉", u"メニューが出ていません"},
        {u"『1／2／3／4／5／6／7／8／9／10』★＋〈あと〉", u"九つより多く"},
        {u"【0●1●2●3●4●5●6●7●8●9●10●11】＋〈あと〉", u"十一より多く"},
    };
    QStringList texts;
    for (const Faulty& f : faults)
        texts << QString::fromStdU16String(f.text);
    texts << QStringLiteral("÷〈正しい話〉");
    useTalks(texts);
    for (int i = 0; i < int(std::size(faults)); ++i) {
        const QString hint = QString::fromStdU16String(faults[i].hint);
        SCOPED_TRACE(texts[i].toStdString());
        t.dataErrors.clear();
        printed[1].clear();
        printed[2].clear();
        ASSERT_TRUE(talk(1100 + i, 30)) << "the faulty talk did not end";
        EXPECT_TRUE(printed[2].isEmpty()) << "the rest of the talk was shown: " << printed[2].toStdString();
        EXPECT_TRUE(t.TalkBuffer.isEmpty());
        ASSERT_EQ(t.dataErrors.size(), 1) << t.dataErrors.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(t.dataErrors[0].contains(QStringLiteral("トーク%1").arg(1100 + i))) << t.dataErrors[0].toStdString();
        EXPECT_TRUE(t.dataErrors[0].contains(hint)) << t.dataErrors[0].toStdString();
        EXPECT_EQ(t.TalkWait, 0);
        EXPECT_EQ(t.TalkBusy, 0);
        ASSERT_TRUE(talk(QStringLiteral("※")));
    }
    // The engine goes on normally after all of them.
    t.dataErrors.clear();
    ASSERT_TRUE(talk(1100 + int(std::size(faults))));
    EXPECT_EQ(printed[2], QStringLiteral("正しい話"));
    EXPECT_TRUE(t.dataErrors.isEmpty());
}

TEST_F(TalkErrors, AMissingTalkNumberIsReportedAndShowsNothing)
{
    useTalks({QStringLiteral("＃〈一〉")});
    ASSERT_TRUE(talk(1234, 10));
    ASSERT_EQ(t.dataErrors.size(), 1);
    EXPECT_TRUE(t.dataErrors[0].contains(QStringLiteral("1234"))) << t.dataErrors[0].toStdString();
    ASSERT_TRUE(talk(99999, 10)) << "beyond the index";
    EXPECT_EQ(t.dataErrors.size(), 2);
    EXPECT_TRUE(printed[1].isEmpty());
    EXPECT_FALSE(box(1)->isVisible());
    ASSERT_TRUE(talk(1100));
    EXPECT_EQ(printed[1], QStringLiteral("一"));
}

TEST_F(TalkErrors, DamagedOrMissingTalkFilesAreReportedPerTalk)
{
    // No talk files: InitTalk reports it, each numbered talk reports again and returns.
    t.data.close();
    ASSERT_TRUE(talk(1100, 10));
    ASSERT_EQ(t.dataErrors.size(), 1);
    EXPECT_TRUE(t.dataErrors[0].contains(QStringLiteral("1100")));

    // A text file cut in the middle of a talk.
    useTalks({QStringLiteral("＃〈一〉▼＃〈長い話の続き〉")});
    const QString data = QDir(talkFolder()).filePath(QStringLiteral("TalkDt.Dat"));
    QFile file(data);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.resize(file.size() - 6));
    file.close();
    ASSERT_TRUE(t.data.open(QDir(talkFolder()).filePath(QStringLiteral("TalkIx.Dat")), data));
    t.dataErrors.clear();
    ASSERT_TRUE(talk(1100, 10));
    ASSERT_EQ(t.dataErrors.size(), 1);
    EXPECT_TRUE(printed[1].isEmpty()) << "a damaged talk is not shown in part";
}

TEST_F(TalkErrors, ATalkCalledWhereItCouldNeverEndReturnsWithAReport)
{
    // Before the talk timer runs.
    window.tmrTalk.setEnabled(false);
    ASSERT_TRUE(talk(QStringLiteral("＃〈あ〉"), 5));
    EXPECT_EQ(t.dataErrors.size(), 1);
    ResetTalk(game);
    // From inside a wait of another talk (a handler that runs while the player is asked).
    Script player;
    bool nestedReturned = false;
    player.when([&] { return t.TalkWait == 1; }, [&] {
        AdviserTalk(game, QStringLiteral("＋〈入れ子〉"));
        nestedReturned = true;
        clickWidget(box(1));
    });
    ASSERT_TRUE(talk(QStringLiteral("＃〈あ〉▼"), 30));
    EXPECT_TRUE(nestedReturned);
    EXPECT_EQ(t.dataErrors.size(), 2);
    EXPECT_TRUE(printed[2].isEmpty());
}
