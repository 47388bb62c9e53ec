// The engine's millisecond clock. Every read of the tick goes through GetTicks,
// so tests can replace the platform timer with a stepping clock.
#pragma once
#include <cstdint>

uint32_t GetTicks();                                   // the current tick, in ms
void UseSteppingClock(uint32_t start, uint32_t stepMs); // tests: time advances only per frame step
void UsePlatformClock();                               // back to the platform timer
void ClockFrameStep();                                 // called once per frame step (DoFrame)
void AdvanceClock(uint32_t ms);                        // stepping clock only: jump ahead

// Implemented by the front end: milliseconds since the platform was initialised.
uint32_t PlatformTicks();
