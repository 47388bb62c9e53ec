// Mouse input: hover (cursor looks, labels), clicks, drag and drop, walking on
// walk zones. The front end feeds the three handlers.
#pragma once
#include <cstdint>

#include "engine/core/types.h"

struct MouseState {
    Point ptMouse;           // last known pointer position
    int32_t nHoverObject;    // object under the pointer at the last move, 0 for none
    int32_t nPressedObject;  // object under the pointer at the last press, 0 for none
};
extern MouseState mouse;

void OnMouseMove(int32_t x, int32_t y, uint32_t buttons);
void OnMouseDown(int32_t x, int32_t y);
void OnMouseUp(int32_t x, int32_t y);
int32_t HitTest(int32_t x, int32_t y);   // object index or 0
bool IsInWalkZone(int32_t x, int32_t y);
