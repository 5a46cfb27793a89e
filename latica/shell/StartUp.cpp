#include "StartUp.h"

#include "DataFailure.h"
#include "EndProgram.h"
#include "Game.h"
#include "MainForm.h"
#include "MainFormEvents.h"
#include "Messages.h"
#include "form/FileDialog.h"
#include "form/InstanceLock.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "form/Pump.h"
#include "play/CrossChoice.h"
#include "play/PlayFileHeader.h"
#include "play/ReadCrossFile.h"
#include "keypad/frmKeypad.h"
#include "play/SetCross.h"
#include "stage/Anim.h"
#include "stage/BuildStage.h"
#include "stage/PlayScene.h"
#include "talk/Talk.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>

namespace {

// "準備ができました。　さあ、はじめましょう！"
constexpr int GreetingTalk = 1401;

// The start-up of the current build, in place of the opening sequence that comes later:
// the family stands on the opening stage while the player chooses a play file; its header
// is read, the keypad set up for kana files (a kana file cannot be played without the
// romaji table: that ends the program), and the first unsolved puzzle put on the
// board; then the adviser (the sister until the opening lets the player choose) walks
// into the play stage. A play file that cannot be read gives message 103: Yes chooses
// again, No ends the program.
void StartPlayOfCurrentBuild(Game& game)
{
    for (;;) {
        if (ChoosePlayFile(game) == 0)
            EndProgram(game);
        const QString path = PlayFilePath(game);
        const PlayFileHeader header = readPlayFileHeader(path);
        QString error = header.error;
        if (header.ok) {
            game.KeypadMode = header.keypadMode;
            game.CrossCount = header.crossCount;
            // Every puzzle counts as unsolved until the record file exists.
            game.CrossSolved.assign(game.CrossCount + 1, 0);
            const int first = NextUnsolvedCross(0, game.CrossSolved, game.CrossCount);
            // Without the romaji table no key would write a kana: this file cannot be played.
            if (game.KeypadMode == 1 && game.frmKeypad && game.frmKeypad->SetKeypad() == 0)
                DataFailure(game, QStringLiteral("%1\r\n\r\nかなで解くプレイファイル %2 は、この変換表がないと遊べません。")
                                      .arg(game.frmKeypad->tableError(), path));
            if (SetCross(game, first, &error) == 1) {
                game.Adviser = 1;
                game.AdviserName = QStringLiteral("姉");
                SetupPlayScene(game);
                ShowStage(game);
                EnterAdviser(game);
                // The navigator's greeting from the story (waits for a click).
                AdviserTalk(game, GreetingTalk);
                SwayAdviser(game);
                return;
            }
        }
        std::fprintf(stderr, "latica: %s: %s\n", path.toLocal8Bit().constData(), error.toLocal8Bit().constData());
        if (ShowMessage(game, 103) != form::Answer::Yes)
            EndProgram(game);
    }
}

} // namespace

void Main(Game& game)
{
    game.instanceLock = std::make_shared<form::InstanceLock>(game.instanceName);
    if (!game.instanceLock->acquire()) {
        form::messageBox(QStringLiteral("既に起動されています"), QStringLiteral("Latica"), form::Buttons::Ok,
                         form::Icon::None);
        form::endProcess(0);
    }

    game.OSPlatform = GetOSPlatform();
    game.WorkFolder = GetWorkFolder();

    game.frmMain->show();
    ConnectMainFormEvents(game);

    if (game.OSPlatform == 1)
        game.frmMain->tmrTalk.setInterval(3);
    else if (game.OSPlatform == 2)
        game.frmMain->tmrTalk.setInterval(15);

    BuildStage(game);
    ResetTalk(game);
    ShowStage(game);
    StartAnim(game);

    game.PlayActive = 0;
    StartPlayOfCurrentBuild(game);

    game.random.randomize();
    game.PlayActive = 1;
    // From here every key reaches the play first, whichever control has the focus.
    game.frmMain->setKeyPreview(true);
}

int GetOSPlatform()
{
    return 2;
}

QString readEnvironment(const char* name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString GetWorkFolder(const EnvironmentReader& env, const QString& fallback)
{
    for (const char* name : {"TEMP", "TMP", "Temp", "Tmp"}) {
        const QString value = env(name);
        if (value.isEmpty())
            continue;
        const int equals = value.indexOf(u'=');
        return (equals < 0 ? value : value.mid(equals + 1)) + QDir::separator();
    }
    // None set, the usual case here: the per-user data folder keeps the record files
    // across runs, as the per-user temporary folder does elsewhere.
    QString folder = fallback.isEmpty()
                         ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                               QStringLiteral("/Latica")
                         : fallback;
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return QDir(folder).absolutePath() + QDir::separator();
}

void splitPlayFilePath(const QString& path, QString& title, QString& folder)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    const int dot = name.indexOf(u'.');
    title = (dot < 0 ? name : name.left(dot)) + QStringLiteral(".kmi");
    folder = info.absolutePath() + QDir::separator();
}

int ShowFileDialog(Game&, int kind, QString& title, QString& folder)
{
    if (kind != 1)
        return 0;
    const QString chosen = form::openFileDialog(
        QString(), form::ProgramFolder::path(), QStringLiteral("Kumi ﾌｧｲﾙ を指定してください (*.kmi)"));
    if (chosen.isEmpty())
        return 0;
    splitPlayFilePath(chosen, title, folder);
    return 1;
}

int ChoosePlayFile(Game& game)
{
    game.PlayFileTitle.clear();
    for (;;) {
        while (ShowFileDialog(game, 1, game.PlayFileTitle, game.PlayFileFolder) == 0) {
            if (ShowMessage(game, 101) == form::Answer::No)
                EndProgram(game);
        }
        if (QFileInfo::exists(PlayFilePath(game)))
            return 1;
        if (ShowMessage(game, 102) == form::Answer::No)
            return 0;
        game.PlayFileTitle.clear();
    }
}
