#pragma once
#include <QString>
#include <functional>

struct Game;

// The program's entry procedure: refuses a second copy, detects the platform and the
// work folder, shows the main window and runs the two parts of the opening. Returns when
// play runs on the window's events.
void Main(Game& game);

// Reads an environment variable; tests pass their own.
using EnvironmentReader = std::function<QString(const char* name)>;
QString readEnvironment(const char* name);
// The work folder: the first of TEMP, TMP, Temp, Tmp that is set (the text after its
// first "=", with a separator added); without any, the per-user data folder of the game
// (created when missing). `fallback` replaces that folder in tests.
QString GetWorkFolder(const EnvironmentReader& env = readEnvironment, const QString& fallback = QString());
