#include "shell/Game.h"
#include "shell/MainForm.h"
#include "shell/StartUp.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Latica"));
    Game game;
    MainForm frmMain;
    game.frmMain = &frmMain;
    Main(game);
    return app.exec();
}
