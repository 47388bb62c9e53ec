// The player character's walk: along the axis on which it is farther from the
// target, a one-pixel glide per frame and 30-pixel strides, until its hot spot
// is within 30 pixels of the target on both axes.
#pragma once
#include <cstdint>

#include "engine/core/types.h"

extern Point ptWalkTarget;
extern int32_t nStrideCount;

void SetWalkTarget(int32_t x, int32_t y);
void SetWalkTargetAt(const char* objectName);   // that object's ptCurrent + ptHotSpot
void PlacePerso(int32_t x, int32_t y);          // hot spot (scaled) on (x, y) at once
void PlacePersoAt(const char* objectName);
bool IsPersoArrived();
int WalkTo(const char* objectName);             // sets the target, runs frames until arrived; 1
void WaitUntilPersoArrived();                   // WaitMs(0) until IsPersoArrived (none if already)
void UpdateWalk();                              // per frame: direction and animation
void StrideStep();                              // per frame, before anything is drawn
