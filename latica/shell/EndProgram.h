#pragma once

struct Game;

// The one way the game ends after start-up: stops what runs, closes the files and ends
// the program. Never returns.
[[noreturn]] void EndProgram(Game& game);
