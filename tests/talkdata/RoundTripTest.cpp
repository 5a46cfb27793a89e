// Sources written here go through the real talkbuild and are read back, talk by talk, by
// the game's reader.
#include "TalkFiles.h"

#include "support/TestSupport.h"

#include "form/Cp932.h"
#include "talk/TalkData.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using talkfiles::ExpectedTalk;

namespace {
// Runs talkbuild on the source and opens what it wrote.
void build(const QTemporaryDir& dir, const QByteArray& source, talk::TalkData& data)
{
    testsupport::writeFile(dir.filePath(QStringLiteral("Story")), source);
    talkfiles::ToolRun run = talkfiles::runTalkbuild(dir.path(), QStringLiteral("Story"), {QStringLiteral("--round")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    ASSERT_TRUE(data.open(dir.filePath(QStringLiteral("TalkIx.Dat")), dir.filePath(QStringLiteral("TalkDt.Dat"))))
        << data.openError().toStdString();
}

// Every numbered talk by number, every talk stored after another by continuing from it.
void expectEveryTalk(talk::TalkData& data, const QList<ExpectedTalk>& talks)
{
    QList<const ExpectedTalk*> stored;
    for (const ExpectedTalk& t : talks)
        if (t.storedIndex >= 0)
            stored.append(&t);
    for (const ExpectedTalk& t : talks) {
        if (t.number == 0)
            continue;
        talk::TalkText got = data.fetch(t.number);
        EXPECT_TRUE(got.ok()) << t.number << " " << got.error.toStdString();
        EXPECT_EQ(got.text, t.text) << t.number;
        // Continuing reads the talk stored after this one (after the shared one for "%").
        const int here = t.storedIndex >= 0 ? t.storedIndex : t.sharedWith;
        if (here + 1 < stored.size()) {
            EXPECT_EQ(data.fetch(0).text, stored[here + 1]->text) << "after " << t.number;
        }
    }
}

const QStringList kSource = {
    QStringLiteral("void Greeting()"),
    QStringLiteral("{"),
    QStringLiteral("/*"),
    QStringLiteral("':_...>1100 ＋〈⑩、いらっしゃい。〉▼∴"),
    QStringLiteral("':#001>1101 【●姉●兄】÷〈㊥と①、"),
    QStringLiteral("':          どちらにしますか？〉『①／②』★⊿∴"),
    QStringLiteral("':_...*.... ＋〈ここは　続きで読まれます。〉∴"),
    QStringLiteral("':/New=??00"),
    QStringLiteral("':/New=??01"),
    QStringLiteral("':_...>1301 A"),
    QStringLiteral("':          B"),
    QStringLiteral("':          C∴"),
    QStringLiteral("':%001>1302 【●姉●兄】÷〈㊥と①、"),
    QStringLiteral("':          どちらにしますか？〉『①／②』★⊿∴"),
    QStringLiteral("':x         番号のない話∴"),
    QStringLiteral("':_...>1303 ∴"),
    QStringLiteral("':%001      【●姉●兄】÷〈㊥と①、"),
    QStringLiteral("':          どちらにしますか？〉『①／②』★⊿∴"),
    QStringLiteral("':_...>1304 ＃〈おしまい〉※∴"),
    QStringLiteral("*/"),
    QStringLiteral("    AdviserTalk(1301);"),
    QStringLiteral("    AdviserTalk(0);"),
    QStringLiteral("}"),
};
} // namespace

// Shared texts, continuations, the CP932 marks, an empty talk, in a CP932 source.
TEST(RoundTrip, Cp932Source)
{
    QTemporaryDir dir;
    talk::TalkData data;
    build(dir, testsupport::cp932Lines(kSource), data);
    const QList<ExpectedTalk> talks = talkfiles::expectedTalks(kSource);
    ASSERT_EQ(talks.size(), 9);
    // The source is numbered as talkbuild numbers it: the rewritten one has the same talks.
    const QList<ExpectedTalk> rewritten = talkfiles::expectedTalks(
        form::splitLines(form::fromCp932(testsupport::readFile(dir.filePath(QStringLiteral("newStory"))))));
    ASSERT_EQ(rewritten.size(), talks.size());
    for (qsizetype i = 0; i < talks.size(); ++i) {
        EXPECT_EQ(rewritten[i].number, talks[i].number) << i;
        EXPECT_EQ(rewritten[i].text, talks[i].text) << i;
    }
    expectEveryTalk(data, talks);

    EXPECT_EQ(data.fetch(1101).text, QStringLiteral("【●姉●兄】÷〈㊥と①、どちらにしますか？〉『①／②』★⊿"));
    EXPECT_EQ(data.fetch(1302).text, data.fetch(1101).text);
    // 1301 then 0: the unnumbered talk stored right after it.
    EXPECT_EQ(data.fetch(1301).text, QStringLiteral("ABC"));
    EXPECT_EQ(data.fetch(0).text, QStringLiteral("番号のない話"));
    EXPECT_EQ(data.fetch(1303).text, QString());
    EXPECT_EQ(data.fetch(0).text, QStringLiteral("＃〈おしまい〉※"));
}

// The same source in UTF-8 gives the same data files.
TEST(RoundTrip, Utf8SourceGivesTheSameData)
{
    QTemporaryDir cp932Dir;
    QTemporaryDir utf8Dir;
    talk::TalkData cp932Data;
    talk::TalkData utf8Data;
    build(cp932Dir, testsupport::cp932Lines(kSource), cp932Data);
    build(utf8Dir, kSource.join(QLatin1Char('\n')).toUtf8() + '\n', utf8Data);
    for (const char* name : {"TalkIx.Dat", "TalkDt.Dat"})
        EXPECT_EQ(testsupport::readFile(utf8Dir.filePath(QLatin1String(name))),
                  testsupport::readFile(cp932Dir.filePath(QLatin1String(name))))
            << name;
    expectEveryTalk(utf8Data, talkfiles::expectedTalks(kSource));
}

// A larger generated source: many talks of one to four lines, shared texts reused far
// from their definition, unnumbered talks and rounding directives.
TEST(RoundTrip, GeneratedSource)
{
    QStringList lines;
    QStringList sharedFirst;
    int number = 1100;
    for (int i = 0; i < 600; ++i) {
        if (i % 50 == 49)
            lines.append(QStringLiteral("':/New=??01"));
        const int parts = 1 + i % 4;
        QString head;
        if (i % 7 == 3) {
            head = QStringLiteral("':#%1>1000 ").arg(sharedFirst.size() + 1, 3, 10, QLatin1Char('0'));
        } else if (i % 7 == 5 && !sharedFirst.isEmpty()) {
            // Reuse the text of an earlier shared talk, with its lines.
            const int ref = (i * 13) % sharedFirst.size();
            const QStringList shared = sharedFirst[ref].split(QLatin1Char('\n'));
            const QString sharedHead = i % 2 ? QStringLiteral("':%%1>1000 ") : QStringLiteral("':%%1      ");
            lines.append(sharedHead.arg(ref + 1, 3, 10, QLatin1Char('0')) + shared.first());
            for (const QString& rest : shared.mid(1))
                lines.append(QStringLiteral("':          ") + rest);
            continue;
        } else {
            head = i % 3 ? QStringLiteral("':_...>1000 ") : QStringLiteral("':_...*.... ");
        }
        QStringList texts;
        for (int p = 0; p < parts; ++p)
            texts.append(QStringLiteral("＋〈話%1の%2").arg(i).arg(p) + QStringLiteral("①㊥⊿〉") + (p + 1 == parts ? QStringLiteral("▼∴") : QString()));
        if (head.startsWith(QLatin1String("':#")))
            sharedFirst.append(texts.join(QLatin1Char('\n')));
        lines.append(head + texts.first());
        for (const QString& rest : texts.mid(1))
            lines.append(QStringLiteral("':          ") + rest);
        ++number;
    }
    QTemporaryDir dir;
    talk::TalkData data;
    build(dir, testsupport::cp932Lines(lines), data);
    const QStringList rewritten = form::splitLines(form::fromCp932(testsupport::readFile(dir.filePath(QStringLiteral("newStory")))));
    const QList<ExpectedTalk> talks = talkfiles::expectedTalks(rewritten);
    ASSERT_GT(talks.size(), 500);
    expectEveryTalk(data, talks);
}
