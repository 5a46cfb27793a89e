#include <QFileInfo>
#include <gtest/gtest.h>

#include "keypad/frmKeypad.h"
#include "shell/Application.h"
#include "shell/StartUp.h"
#include "stage/BuildStage.h"
#include "stage/PlayScene.h"
#include "story/Story.h"
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/TestSupport.h"

#include <functional>

namespace {

// Runs `start` on a window and game of their own and expects the one box of a data
// failure, naming the file and the fault, and then the end of the program.
void expectEndNaming(const std::function<void(Game&)>& start, const QString& file, const QString& fault)
{
    MainForm window;
    Game game;
    game.frmMain = &window;
    ConnectApplication(game);
    form::resetProgramEnded();
    DialogScript script;
    script.answer(form::Answer::Ok);
    EXPECT_THROW(start(game), form::ProgramEnded);
    ASSERT_EQ(script.titles, QStringList{QStringLiteral("Latica")});
    EXPECT_TRUE(script.bodies[0].contains(file) && script.bodies[0].contains(fault)) << script.bodies[0].toStdString();
    form::resetProgramEnded();
}

TEST(DataFailure, MissingOrCutTalkFilesEndTheProgram)
{
    {
        testsupport::ProgramFolderCopy program;
        program.remove(QStringLiteral("Talk/TalkIx.dat"));
        expectEndNaming(BuildStage, QStringLiteral("TalkIx.dat"), QStringLiteral("開けません"));
    }
    {
        testsupport::ProgramFolderCopy program;
        const QString data = QStringLiteral("Talk/TalkDt.dat");
        program.truncate(data, QFileInfo(program.filePath(data)).size() - 5);
        expectEndNaming(BuildStage, QStringLiteral("TalkDt.dat"), QStringLiteral("切れています"));
    }
}

// The opening's world picture is drawn by the stage build, the play stage's by the play
// scene.
TEST(DataFailure, AWorldPictureThatCannotBeReadEndsTheProgram)
{
    {
        testsupport::ProgramFolderCopy program;
        program.remove(QStringLiteral("Picture/WorldPicture/オープニング背景.jpg"));
        expectEndNaming(BuildStage, QStringLiteral("オープニング背景.jpg"), QStringLiteral("読めません"));
    }
    {
        testsupport::ProgramFolderCopy program;
        program.truncate(QStringLiteral("Picture/WorldPicture/背景(160x123).jpg"), 100);
        const auto playScene = [](Game& game) {
            BuildStage(game);
            game.AdviserName = QStringLiteral("姉");
            SetupPlayScene(game);
        };
        expectEndNaming(playScene, QStringLiteral("背景(160x123).jpg"), QStringLiteral("読めません"));
    }
}

// Half a JPEG still decodes, with the rest filled grey: the cut is found by its missing end.
TEST(DataFailure, ASystemPictureCutInHalfEndsTheProgram)
{
    testsupport::ProgramFolderCopy program;
    const QString picture = QStringLiteral("sys/Picture/基本背景.jpg");
    program.truncate(picture, QFileInfo(program.filePath(picture)).size() / 2);
    expectEndNaming(BuildStage, QStringLiteral("基本背景.jpg"), QStringLiteral("途中で切れています"));
}

class KanaStartUp : public GameFixture {
protected:
    KanaStartUp()
    {
        game.story = &story;
        menuChoice = 1;
        clickTalksAsAPlayer();
    }
    Story story{game};
};

// Without the romaji table no key of a kana file writes anything: the player is told.
TEST_F(KanaStartUp, ADamagedRomajiTableEndsTheProgramBeforePlay)
{
    testsupport::ProgramFolderCopy program;
    program.truncate(QStringLiteral("sys/RomaKana/新ローマ字かな変換.txt"), 300);
    KeypadForm keypad{[] {}, nullptr};
    game.frmKeypad = &keypad;
    DialogScript script;
    script.choose(program.filePath(QStringLiteral("サンプル_カナ.kmi")));
    script.answer(form::Answer::Ok);
    EXPECT_THROW(Main(game), form::ProgramEnded);
    ASSERT_EQ(script.titles, QStringList{QStringLiteral("Latica")});
    EXPECT_TRUE(script.bodies[0].contains(QStringLiteral("新ローマ字かな変換.txt")) &&
                script.bodies[0].contains(QStringLiteral("サンプル_カナ.kmi")))
        << script.bodies[0].toStdString();
    EXPECT_EQ(game.CurCross, 0) << "no puzzle was put up";
}

} // namespace
