#include "DataFailure.h"

#include "EndProgram.h"
#include "form/MessageBox.h"

#include <cstdio>

void ShowDataFailure(Game& game, const QString& what)
{
    std::fprintf(stderr, "latica: %s\n", what.toLocal8Bit().constData());
    form::messageBox(what + QStringLiteral("\r\n\r\nLaticaを終了します。"), QStringLiteral("Latica"),
                     form::Buttons::Ok, form::Icon::Critical);
    CloseProgram(game);
}
