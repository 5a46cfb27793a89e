// One run of the game with one of its data files removed or cut in half, from the start to
// a kana typed on the board: scripts/resource-faults.sh runs it for every file in turn
// (it names the file in LATICA_SWEEP_FILE and the damage in LATICA_SWEEP_DAMAGE) and
// sorts how each run ended. Left out of the ordinary runs.
#include <QFileInfo>
#include <gtest/gtest.h>

#include "effects/Wait.h"
#include "keypad/frmKeypad.h"
#include "shell/StartUp.h"
#include "story/Story.h"
#include "support/DialogScript.h"
#include "support/GameFixture.h"
#include "support/TestSupport.h"

#include <cstdio>

namespace {

// The damage is done before the window is built, which reads some files at once.
class DamagedProgramFolder {
protected:
    DamagedProgramFolder()
    {
        if (file.isEmpty() || !QFileInfo::exists(program.filePath(file)))
            return;
        if (qEnvironmentVariable("LATICA_SWEEP_DAMAGE") == QStringLiteral("cut"))
            program.truncate(file, QFileInfo(program.filePath(file)).size() / 2);
        else
            program.remove(file);
        damaged = true;
    }
    const QString file = qEnvironmentVariable("LATICA_SWEEP_FILE");
    testsupport::ProgramFolderCopy program;
    bool damaged = false;
};

class ResourceSweep : protected DamagedProgramFolder, public GameFixture {
protected:
    ResourceSweep()
    {
        game.story = &story;
        game.frmKeypad = &keypad;
        menuChoices = {{1231, 1}, {1243, 1}};
        typedText = QStringLiteral("ミナ");
        clickTalksAsAPlayer();
    }
    Story story{game};
    KeypadForm keypad{[] {}, nullptr};
};

TEST_F(ResourceSweep, DISABLED_OneDamagedFile)
{
    ASSERT_TRUE(damaged) << "name a file of the program folder in LATICA_SWEEP_FILE";
    const QString sample = scratch(QStringLiteral("サンプル_カナ.kmi"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(LATICA_BUILD_PROGRAM_DIR "/サンプル_カナ.kmi"), sample));

    DialogScript script;
    script.strict = false;
    script.choose(sample);
    const QString name = QFileInfo(file).fileName();
    try {
        Main(game);
        testsupport::click(window.lblCell(game.cross.Ques[1].StartMas));
        testsupport::pressKey(&window, Qt::Key_K, Qt::NoModifier, QStringLiteral("K"));
        testsupport::pressKey(&window, Qt::Key_A, Qt::NoModifier, QStringLiteral("A"));
        WaitTime(2);
    } catch (const form::ProgramEnded&) {
        ASSERT_FALSE(script.bodies.isEmpty()) << "the game ended without a word";
        std::printf("SWEEP ended: %s\n", qPrintable(script.bodies.last().simplified()));
        EXPECT_TRUE(script.bodies.last().contains(name)) << "the message does not name the file";
        return;
    }
    EXPECT_EQ(game.PlayActive, 1);
    EXPECT_TRUE(script.bodies.isEmpty()) << script.bodies.join(u'\n').toStdString();
    EXPECT_NE(game.cross.Mas[size_t(game.cross.Ques[1].StartMas)].Entry, QStringLiteral("　")) << "the kana was not written";
    std::printf("SWEEP played\n");
}

} // namespace
