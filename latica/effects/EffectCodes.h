#pragma once
#include <initializer_list>
#include <utility>
#include <vector>

struct EffectState;

// The codes of one effect call. A code given as 0 stands for the one the last call that
// ran kept; an effect runs only when its codes are valid, and then keeps them.
class EffectCodes {
public:
    // Pairs of (the code given, where the effect keeps it); each 0 given is filled in.
    EffectCodes(std::initializer_list<std::pair<int*, int*>> givenAndKept);
    // The call runs: its codes are kept for the next call, and its steps count from 0.
    void keep(EffectState& st) const;

private:
    std::vector<std::pair<int*, int*>> m_codes;
};

// Counts one step of the running effect and lets whoever follows the effects see it.
void CountEffectStep(EffectState& st);
