#pragma once
#include <vector>

// The next unsolved puzzle after n (wrapping round to the start, never n itself), or 0.
// crossSolved is indexed 1..crossCount; a missing flag counts as unsolved.
int NextUnsolvedCross(int n, const std::vector<int>& crossSolved, int crossCount);
