#include "engine/core/clock.h"

namespace {
bool stepping = false;
uint32_t steppedNow = 0;
uint32_t stepSize = 0;
}

uint32_t GetTicks()
{
    return stepping ? steppedNow : PlatformTicks();
}

void UseSteppingClock(uint32_t start, uint32_t stepMs)
{
    stepping = true;
    steppedNow = start;
    stepSize = stepMs;
}

void UsePlatformClock()
{
    stepping = false;
}

void ClockFrameStep()
{
    if (stepping) {
        steppedNow += stepSize;
    }
}

void AdvanceClock(uint32_t ms)
{
    if (stepping) {
        steppedNow += ms;
    }
}
