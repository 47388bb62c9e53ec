// SDL 1.2 script primitives that depend on the front end: the wait runs frame
// steps without touching the event queue, and quitting sets the loop's flag.
#include "engine/core/clock.h"
#include "engine/core/startup.h"
#include "engine/script/primitives.h"

void WaitMs(uint32_t ms)
{
    // Elapsed time, so that a wait across the wrap of the 32-bit tick lasts as long as any other.
    uint32_t t0 = GetTicks();
    do {
        DoFrame();
    } while (GetTicks() - t0 < ms);
}

void QuitGame()
{
    StopCD();
    CloseCD();
    quitRequested = 1;
}
