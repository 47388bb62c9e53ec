// The game's state besides the objects' visibility and exits: plain flags,
// set by the scripts, living for the whole run, never saved.
#pragma once
#include <cstdint>

struct GameFlags {
    int32_t barmanFirstTime = 1;  // cleared when the barman conversation first starts
    int32_t barmanMet = 0;        // the barman was clicked: the lift may stop at floor 2
    int32_t liftFloor = 0;        // floor chosen with the rope: 0, 1 or 2
    int32_t crashToggle = 1;      // which of the two ways the wreck's sound plays next
    int32_t mattressTaken = 0;
    int32_t drawerOpen = 0;
    int32_t capoteTaken = 0;
    int32_t playboyTaken = 0;
    int32_t beersDrunk = 0;       // beers the scout drank on the balcony
};

extern GameFlags gameFlags;
