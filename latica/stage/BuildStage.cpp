#include "BuildStage.h"

#include "cast/Anim.h"
#include "cast/Cast.h"
#include "cast/GalFace.h"
#include "effects/SpotEffect.h"
#include "effects/WordEffect.h"
#include "form/Picture.h"
#include "form/ProgramFolder.h"
#include "model/AppRequests.h"
#include "model/Game.h"
#include "play/BoardView.h"
#include "talk/Talk.h"
#include "window/MainForm.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <cmath>

namespace {

// A picture the window cannot do without: the player is told which, then the game ends.
QImage systemPicture(Game& game, const QString& name)
{
    const QString path = form::ProgramFolder::resolve(QStringLiteral("\\sys\\Picture\\") + name + QStringLiteral(".jpg"));
    QString fault;
    const QImage picture = form::readPicture(path, &fault);
    if (picture.isNull())
        DataFailure(game, QStringLiteral("画像 %1 を読めません（%2）。").arg(path, fault));
    return picture;
}

void placeWindow(MainForm& f)
{
    f.setClientSize(MainForm::ClientWidth, MainForm::ClientHeight);
    QScreen* screen = f.screen() ? f.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // May be negative on a screen smaller than the window: it is centred all the same.
    f.move(area.x() + (area.width() - f.frameGeometry().width()) / 2,
           area.y() + (area.height() - f.frameGeometry().height()) / 2);
}

const char* const MemberNames[] = {"", "姉", "兄", "父", "母"};

} // namespace

void BuildStage(Game& game)
{
    MainForm& f = *game.frmMain;
    placeWindow(f);
    f.setPicture(systemPicture(game, QStringLiteral("基本背景")));

    const std::pair<const char*, form::PictureBox*> frames[] = {
        {"タイトル欄", f.picTitle},
        {"レベル欄", f.picDisplayLevel},
        {"問題番号欄", f.picDisplayQuesNmb},
        {"タイマー欄", f.picDisplayTime},
        {"アドバイス枠", f.picDisplayAdviserBase},
        {"ダイヤル周り", f.picDisplayControlerBase},
        {"出題文欄", f.picQues},
        {"キー表示用ボタン", f.picKeypad},
        {"ダイヤル左右", f.picControler(1)},
        {"ダイヤル上下", f.picControler(2)},
        {"スクロール上下", f.picCrossStageMoveV},
        {"スクロール左右", f.picCrossStageMoveH},
    };
    for (const auto& [name, box] : frames)
        box->setPicture(systemPicture(game, QString::fromUtf8(name)));

    f.lblTitle->setCaption(QStringLiteral("Latica"));
    f.lblLevel->setCaption(QString());
    f.lblMasMaxXY->setCaption(QString());
    f.lblPassedTime->setCaption(QStringLiteral("0"));
    f.lblQuesNmbMax->setCaption(QString());
    f.lblQuesNmb->setCaption(QString());
    f.lblQues->setCaption(QString());

    f.picControler(2)->setLeft(f.picControler(1)->left());
    f.picControler(2)->setTop(f.picControler(1)->top());
    f.lblMarkSpeedUp->setGeometry(f.lblAnswerOpen->left(), f.lblAnswerOpen->top(), f.lblAnswerOpen->width(),
                                  f.lblAnswerOpen->height());
    MeasureBoardCells(game);

    game.casts.CastFileName = QStringLiteral("CastData.csv");

    SetStageRect(game, 130, 96, 385, 330);
    InitTalk(game, 420, 126);
    game.sound.InitSound();
    f.tmrSoundInterval.setEnabled(true);
    InitWordEffect(game);
    InitSpotStage(game);

    SetWorldSize(game, 385, 330, 1);
    DrawWorldPicture(game, QStringLiteral("オープニング背景"), 0, 0);
    SceneCasts& s = game.scene;
    QStringList family;
    for (int m = 1; m <= 4; ++m) {
        for (int k = 1; k <= 5; ++k)
            family.append(QString::fromUtf8(MemberNames[m]) + QString::number(k));
    }
    ReadCastPicturesAhead(game, family);
    for (int m = 1; m <= 4; ++m)
        s.FamilyCast[m][0] = LoadCast(game, QString::fromUtf8(MemberNames[m]) + QStringLiteral("4"));
    for (int m = 1; m <= 4; ++m) {
        for (int k = 1; k <= 5; ++k) {
            s.FamilyCast[m][k] = LoadCast(game, QString::fromUtf8(MemberNames[m]) + QString::number(k));
            HideCast(game, s.FamilyCast[m][k]);
        }
    }
    ForgetCastPictures(game);
    SetWorldView(game, 0, 0, 0);
    SetCastPos(game, s.FamilyCast[3][0], 72, 111);
    SetCastPos(game, s.FamilyCast[4][0], 192, 111);
    SetCastPos(game, s.FamilyCast[1][0], 22, 176);
    SetCastPos(game, s.FamilyCast[2][0], 242, 176);

    ClearTalkers(game);
    AddTalker(game, QStringLiteral("＃"), 1, QStringLiteral("声ナレーション"), 1, 100, 200, 0, 0);
    AddTalker(game, QStringLiteral("÷"), 3, QStringLiteral("声ナビゲータ"), 1, 100, 160, 0, 0);
    HideSpotStage(game);
}

void RandomFamilyFace(Game& game)
{
    const int m = static_cast<int>(std::floor(game.random.next() * 4 + 1));
    const int face = static_cast<int>(std::floor(game.random.next() * 5 + 1));
    const int shown = game.scene.FamilyCast[m][0];
    RunIdleLoopOnce(game, shown);
    CopyCastFace(game, shown, game.scene.FamilyCast[m][face]);
}
