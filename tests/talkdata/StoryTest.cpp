// The story script source of the game and the talk data the build makes from it.
#include "TalkFiles.h"

#include "support/TestSupport.h"

#include "form/Cp932.h"
#include "talk/TalkData.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
const QString kStory = QStringLiteral(LATICA_SOURCE_DIR "/latica/story/Story.cpp");
}

// The story is kept numbered the way talkbuild numbers it: a run gives it back byte for
// byte.
TEST(Story, TalkbuildGivesItBackUnchanged)
{
    QTemporaryDir dir;
    const QByteArray story = testsupport::readFile(kStory);
    ASSERT_FALSE(story.isEmpty());
    testsupport::writeFile(dir.filePath(QStringLiteral("Story.cpp")), story);
    talkfiles::ToolRun run = talkfiles::runTalkbuild(dir.path(), QStringLiteral("Story.cpp"), {QStringLiteral("--round")});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_FALSE(run.errors.contains(QStringLiteral("err"))) << run.errors.toStdString();
    EXPECT_EQ(testsupport::readFile(dir.filePath(QStringLiteral("newStory.cpp"))), story);
}

// The build placed the story's talk data in the program folder; every talk reads back
// as written in the story, by number and by continuing.
TEST(Story, ProgramFolderHoldsEveryTalk)
{
    talk::TalkData data;
    ASSERT_TRUE(data.open()) << data.openError().toStdString();
    const QStringList lines = form::splitLines(QString::fromUtf8(testsupport::readFile(kStory)));
    const QList<talkfiles::ExpectedTalk> talks = talkfiles::expectedTalks(lines);
    ASSERT_GE(talks.size(), 12);
    QList<const talkfiles::ExpectedTalk*> stored;
    for (const talkfiles::ExpectedTalk& t : talks)
        if (t.storedIndex >= 0)
            stored.append(&t);
    // The talk box breaks the line at a full-width space: a quoted name must not hold one.
    static const QRegularExpression brokenQuote(QStringLiteral("「[^」]*\u3000[^」]*」"));
    int numbered = 0;
    for (const talkfiles::ExpectedTalk& t : talks) {
        EXPECT_FALSE(t.text.contains(brokenQuote)) << t.text.toStdString();
        if (t.number == 0)
            continue;
        ++numbered;
        talk::TalkText got = data.fetch(t.number);
        EXPECT_TRUE(got.ok()) << t.number << " " << got.error.toStdString();
        EXPECT_EQ(got.text, t.text) << t.number;
        const int here = t.storedIndex >= 0 ? t.storedIndex : t.sharedWith;
        if (here + 1 < stored.size()) {
            EXPECT_EQ(data.fetch(0).text, stored[here + 1]->text) << "after " << t.number;
        }
    }
    EXPECT_GE(numbered, 12);
}
