#pragma once

// The game's one waiting operation: lets window events run (sleeping between them) for
// the given seconds of the time source. Returns at once for 0 or less.
void WaitTime(double seconds);
