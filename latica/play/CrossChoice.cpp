#include "CrossChoice.h"

namespace {
bool unsolved(const std::vector<int>& crossSolved, int i)
{
    return i >= static_cast<int>(crossSolved.size()) || crossSolved[i] == 0;
}
} // namespace

int NextUnsolvedCross(int n, const std::vector<int>& crossSolved, int crossCount)
{
    for (int i = n + 1; i <= crossCount; ++i) {
        if (unsolved(crossSolved, i))
            return i;
    }
    for (int i = 1; i <= n - 1 && i <= crossCount; ++i) {
        if (unsolved(crossSolved, i))
            return i;
    }
    return 0;
}
