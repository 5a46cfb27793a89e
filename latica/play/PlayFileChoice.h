#pragma once
#include <QString>

struct Game;

// The open dialog for play files (kind 1): fills title ("name.kmi") and folder (ending
// with the separator) and returns 1, or returns 0 when the player cancels.
int ShowFileDialog(Game& game, int kind, QString& title, QString& folder);
// Splits a chosen path into the play file's title and folder.
void splitPlayFilePath(const QString& path, QString& title, QString& folder);

// Lets the player choose a play file (messages 101 and 102). 1 = chosen, 0 = gave up.
int ChoosePlayFile(Game& game);
// Chooses a play file and reads every puzzle of it at once, so that a damaged one is
// found before any record is made for it (message 103: choose again, or the end).
// Returns only with a readable play file.
void ChooseReadablePlayFile(Game& game);
