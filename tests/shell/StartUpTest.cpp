#include <QDir>
#include <QFile>
#include <QTimer>
#include <QLockFile>
#include <gtest/gtest.h>

#include "form/InstanceLock.h"
#include "form/ProgramFolder.h"
#include "play/PlayFileChoice.h"
#include "shell/StartUp.h"
#include "story/Story.h"
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/PlayFiles.h"
#include "support/TestSupport.h"
#include "talk/Talk.h"
#include "talk/TalkEngine.h"

#include <map>

namespace {

EnvironmentReader environment(std::map<std::string, QString> values)
{
    return [values](const char* name) {
        auto it = values.find(name);
        return it == values.end() ? QString() : it->second;
    };
}

TEST(GetWorkFolder, TakesTheFirstVariableThatIsSet)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(GetWorkFolder(environment({{"TEMP", ""}, {"TMP", "/var/tmp"}, {"Temp", "/x"}})), "/var/tmp" + sep);
    EXPECT_EQ(GetWorkFolder(environment({{"TEMP", "/a"}, {"TMP", "/b"}})), "/a" + sep);
    EXPECT_EQ(GetWorkFolder(environment({{"Tmp", "/last"}})), "/last" + sep);
    // The text after the first "=" only; a trailing separator gets a second one.
    EXPECT_EQ(GetWorkFolder(environment({{"TEMP", "TEMP=/t=x"}})), "/t=x" + sep);
    EXPECT_EQ(GetWorkFolder(environment({{"TEMP", "/t/"}})), "/t/" + sep);
}

TEST(GetWorkFolder, FallsBackToThePerUserFolderAndCreatesIt)
{
    QTemporaryDir home;
    const QString fallback = home.filePath(QStringLiteral("data/Latica"));
    const QString folder = GetWorkFolder(environment({}), fallback);
    EXPECT_EQ(folder, fallback + QDir::separator());
    EXPECT_TRUE(QDir(fallback).exists());
    // The real per-user folder, when nothing is passed.
    const QString real = GetWorkFolder(environment({}));
    EXPECT_TRUE(real.endsWith(QStringLiteral("Latica") + QDir::separator())) << real.toStdString();
}

TEST(PlayFilePath, TitleIsTheNameUpToItsFirstDotWithALowerCaseExtension)
{
    QString title, folder;
    splitPlayFilePath(QStringLiteral("/games/abc.def.kmi"), title, folder);
    EXPECT_EQ(title, QStringLiteral("abc.kmi"));
    EXPECT_EQ(folder, QStringLiteral("/games/"));
    splitPlayFilePath(QStringLiteral("/games/Puzzle.KMI"), title, folder);
    EXPECT_EQ(title, QStringLiteral("Puzzle.kmi"));
    // An open crossword keeps its whole name, dots and all.
    splitPlayFilePath(QStringLiteral("/games/daily.2026.IPUZ"), title, folder);
    EXPECT_EQ(title, QStringLiteral("daily.2026.IPUZ"));
}

// Main with the story, and a player who clicks through the opening: the sister as
// adviser, "ミナ" as name.
class StartUpFlow : public GameFixture {
protected:
    StartUpFlow()
    {
        game.story = &story;
        menuChoices = {{1231, 1}, {1243, 1}};
        typedText = QStringLiteral("ミナ");
        clickTalksAsAPlayer();
    }
    // A copy of a sample play file in the scratch folder, so that its record goes there.
    QString sample(const QString& name)
    {
        const QString copy = scratch(name);
        QFile::copy(form::ProgramFolder::resolve(name), copy);
        return copy;
    }
    Story story{game};
};

TEST_F(StartUpFlow, StartsOnTheKanaSampleFile)
{
    DialogScript script;
    script.choose(sample(QStringLiteral("サンプル_カナ.kmi")));
    Main(game);
    EXPECT_TRUE(script.titles.isEmpty());
    EXPECT_EQ(window.tmrTalk.interval(), 15);
    EXPECT_EQ(game.KeypadMode, 1);
    EXPECT_GE(game.CrossCount, 3);
    EXPECT_EQ(game.CurCross, 1);
    EXPECT_EQ(game.PlayActive, 1);
    EXPECT_EQ(window.lblTitle->caption(), QStringLiteral("サンプル_カナ [1]"));
    EXPECT_EQ(window.lblMasMaxXY->caption(), QStringLiteral("W%1xH%2").arg(game.cross.MasMaxX).arg(game.cross.MasMaxY));
    EXPECT_TRUE(window.isVisible());
    // The greeting was shown (and clicked away), not refused.
    EXPECT_TRUE(talkEngine(game).dataErrors.isEmpty()) << talkEngine(game).dataErrors.join(u'\n').toStdString();
}

// A player who hesitates: the adviser menu runs out twice and is asked again, each time
// in a fresh box.
TEST_F(StartUpFlow, TheAdviserMenuAskedAgainKeepsItsBox)
{
    TalkEngine& t = talkEngine(game);
    int asked = 0;
    menuChoices[1231] = 0;
    t.onTalkFetched = [&](int n) {
        if (n == 1231 && ++asked == 3)
            menuChoices[1231] = 2;
    };
    int tallest = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (int n : {1, 2})
            if (window.picTalkBox(n)->isVisible())
                tallest = std::max(tallest, window.picTalkBox(n)->height());
    });
    watch.start(1);
    DialogScript script;
    script.choose(sample(QStringLiteral("サンプル_英単語.kmi")));
    Main(game);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(game.Adviser, 2);
    EXPECT_LE(tallest, t.layout.FullHeight);
}

TEST_F(StartUpFlow, CancelShowsMessage101AndYesOpensTheDialogAgain)
{
    DialogScript script;
    script.choose(QString());
    script.answer(form::Answer::Yes);
    script.choose(sample(QStringLiteral("サンプル_英単語.kmi")));
    Main(game);
    EXPECT_EQ(script.titles, QStringList{QStringLiteral("報告：ファイルを指定してください")});
    EXPECT_EQ(script.dialogsShown, 2);
    EXPECT_EQ(game.KeypadMode, 0);
}

TEST_F(StartUpFlow, CancelThenNoEndsTheProgram)
{
    DialogScript script;
    script.choose(QString());
    script.answer(form::Answer::No);
    EXPECT_THROW(Main(game), form::ProgramEnded);
    EXPECT_TRUE(form::programEnded());
}

TEST_F(StartUpFlow, AFileWhoseTitleDoesNotExistGivesMessage102)
{
    // abc.def.kmi exists, abc.kmi does not.
    const QString chosen = scratch(QStringLiteral("abc.def.kmi"));
    testsupport::writeFile(chosen, playfiles::file(1, {playfiles::catSection(1)}));
    {
        DialogScript script;
        script.choose(chosen);
        script.answer(form::Answer::Yes);
        script.choose(chosen);
        script.answer(form::Answer::No);
        EXPECT_THROW(Main(game), form::ProgramEnded);
        EXPECT_EQ(script.titles, QStringList({QStringLiteral("報告：ファイルが見つかりません"),
                                              QStringLiteral("報告：ファイルが見つかりません")}));
    }
    EXPECT_EQ(game.PlayFileTitle, QStringLiteral("abc.kmi"));
    EXPECT_EQ(game.CurCross, 0);
}

// The title is written "Puzzle.kmi"; the file on disk is found without regard to case.
TEST_F(StartUpFlow, AFileChosenWithAnUpperCaseExtensionIsFoundAndRead)
{
    const QString chosen = scratch(QStringLiteral("Puzzle.KMI"));
    testsupport::writeFile(chosen, playfiles::file(1, {playfiles::catSection(1)}));
    DialogScript script;
    script.choose(chosen);
    Main(game);
    EXPECT_TRUE(script.titles.isEmpty());
    EXPECT_EQ(game.PlayFileTitle, QStringLiteral("Puzzle.kmi"));
    EXPECT_EQ(game.CurCross, 1);
    EXPECT_EQ(game.cross.Ques[1].Answer, QStringLiteral("ＣＡＴ"));
}

TEST_F(StartUpFlow, ASecondCopyIsRefused)
{
    QLockFile other(form::InstanceLock::lockPath(game.instanceName));
    ASSERT_TRUE(other.tryLock(0));
    DialogScript script;
    script.answer(form::Answer::Ok);
    EXPECT_THROW(Main(game), form::ProgramEnded);
    EXPECT_EQ(script.bodies, QStringList{QStringLiteral("既に起動されています")});
    EXPECT_EQ(script.titles, QStringList{QStringLiteral("Latica")});
    EXPECT_FALSE(window.isVisible()) << "nothing else is done";
}

TEST_F(StartUpFlow, ClosingTheWindowEndsTheProgram)
{
    DialogScript script;
    script.choose(sample(QStringLiteral("サンプル_カナ.kmi")));
    Main(game);
    window.close();
    EXPECT_TRUE(form::programEnded());
}

} // namespace
