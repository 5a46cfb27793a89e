#include "EffectCodes.h"

#include "model/EffectState.h"

EffectCodes::EffectCodes(std::initializer_list<std::pair<int*, int*>> givenAndKept) : m_codes(givenAndKept)
{
    for (const auto& [given, kept] : m_codes)
        if (*given == 0)
            *given = *kept;
}

void EffectCodes::keep(EffectState& st) const
{
    for (const auto& [given, kept] : m_codes)
        *kept = *given;
    st.LastSteps = 0;
}

void CountEffectStep(EffectState& st)
{
    ++st.LastSteps;
    if (st.onStep)
        st.onStep();
}
