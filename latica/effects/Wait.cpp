#include "Wait.h"

#include "form/Pump.h"

void WaitTime(double seconds)
{
    // Single precision, as the callers pass it.
    const float wait = static_cast<float>(seconds);
    if (!(wait > 0))
        return;
    form::waitFor(wait);
}
