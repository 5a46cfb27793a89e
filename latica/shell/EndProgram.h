#pragma once

struct Game;

// The end of the program that EndProgram asks for: stops what runs, closes the files,
// settles a record in the work folder and ends the process. Never returns.
[[noreturn]] void CloseProgram(Game& game);
