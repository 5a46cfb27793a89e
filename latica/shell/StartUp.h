#pragma once
#include <QString>
#include <functional>

struct Game;

// The program's entry procedure: refuses a second copy, detects the platform and the
// work folder, shows the main window and runs the two parts of the opening. Returns when
// play runs on the window's events.
void Main(Game& game);

// The platform family: 2 (the NT family) on every platform this program runs on.
int GetOSPlatform();

// Reads an environment variable; tests pass their own.
using EnvironmentReader = std::function<QString(const char* name)>;
QString readEnvironment(const char* name);
// The work folder: the first of TEMP, TMP, Temp, Tmp that is set (the text after its
// first "=", with a separator added); without any, the per-user data folder of the game
// (created when missing). `fallback` replaces that folder in tests.
QString GetWorkFolder(const EnvironmentReader& env = readEnvironment, const QString& fallback = QString());

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
