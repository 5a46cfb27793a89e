#pragma once

struct Game;

// Hands the layers below the application what they may ask of it: the end of the
// program, the data-failure box and the debug report.
void ConnectApplication(Game& game);
