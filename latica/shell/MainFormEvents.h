#pragma once

struct Game;

// Connects the main window's events to the game's handlers.
void ConnectMainFormEvents(Game& game);
