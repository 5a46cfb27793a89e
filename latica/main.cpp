#include "form/Translations.h"
#include "keypad/frmKeypad.h"
#include "model/Game.h"
#include "shell/StartUp.h"
#include "story/Story.h"
#include "window/MainForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Latica"));
    form::useJapaneseToolkitTexts();
    Game game;
    MainForm frmMain;
    KeypadForm frmKeypad([&frmMain] { frmMain.picCrossStage->setFocus(); }, &frmMain.tmrAnim);
    game.frmMain = &frmMain;
    game.frmKeypad = &frmKeypad;
    Story story(game);
    game.story = &story;
    Main(game);
    return app.exec();
}
