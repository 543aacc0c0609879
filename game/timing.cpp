#include "game/timing.h"

#include <cmath>

namespace game {

namespace {
double g_scale = 1.0;
} // namespace

void SetTimeScale(double scale)
{
    g_scale = (scale > 0 && scale <= 1) ? scale : 1.0;
}

UINT TimerMs(UINT ms)
{
    if (g_scale >= 1.0)
        return ms;
    const double scaled = std::floor(ms * g_scale + 0.5);
    return scaled < 1 ? 1u : static_cast<UINT>(scaled);
}

int EventRounds(int rounds)
{
    if (g_scale >= 1.0)
        return rounds;
    const double scaled = std::floor(rounds * g_scale + 0.5);
    return scaled < 1 ? 1 : static_cast<int>(scaled);
}

} // namespace game
