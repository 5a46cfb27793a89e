#pragma once
#include <QString>
#include <functional>

struct Game;

// What the layers below the application ask of it: the end of the program, the box for
// data the game cannot run without, the debug report. The application fills these in
// when it starts (ConnectApplication); the layers below reach it only through them and
// never include it.
struct AppRequests {
    std::function<void(Game&)> endProgram;
    std::function<void(Game&, const QString&)> dataFailure;
    std::function<void(Game&)> writeDebugReport;
};

// The one way the game ends after start-up: stops what runs, closes the files and ends
// the program. Never returns.
[[noreturn]] void EndProgram(Game& game);
// Data the game cannot run without is missing or damaged (a table, a picture, the talk
// files): the player is told what, naming the file and the fault, then the program ends.
// Never returns.
[[noreturn]] void DataFailure(Game& game, const QString& what);
// F1 during play: the current word's data for its author.
void WriteDebugReport(Game& game);
