#pragma once
#include "form/MessageBox.h"

#include <QString>

struct Game;

// The catalogue of the game's own message boxes.
struct MessageSpec {
    QString title;
    QString body;  // lines joined with CR LF
    form::Buttons buttons = form::Buttons::Ok;
    form::Icon icon = form::Icon::None;
};

// The box of a code; a code outside the catalogue gives an empty box with OK. Messages
// 10003 and 10004 name the folder of the record file.
MessageSpec messageSpec(int code, const QString& recordFolder = QString());

// Shows message `code` modally with the game clock paused; returns the pressed button
// (OK 1, Yes 6, No 7).
int ShowMessage(Game& game, int code);
// Shows a box outside the catalogue the same way.
int ShowMessage(Game& game, const MessageSpec& message);
// The help box.
void ShowHelp(Game& game);
