// Text: the bitmap font (one picture per byte value in the resource named by
// FontRes) and the 64 timed text slots drawn every frame.
#pragma once
#include <cstdint>

constexpr int kTextSlotCount = 64;  // slot 0 is never used

struct TextSlot {
    int32_t active;
    int32_t x;
    int32_t y;
    uint32_t duration;  // ms, counted from the first frame that draws the slot
    uint32_t start;     // tick of that first frame, 0 until then
    int32_t text;       // index of the Text resource
    int32_t box;
    int32_t progressive;
    uint32_t revealTime;
};

extern TextSlot textSlots[kTextSlotCount];

// Draws the first length bytes of s at (x, y) on the back buffer; "/" starts a
// new line 25 pixels lower; boxed draws the framed white box first.
void DrawText(const char* s, int32_t length, int32_t x, int32_t y, int32_t boxed);
// Puts a text in slot index (1..63), or in the first free slot otherwise.
// Returns the slot used, or 0 when none was free.
int32_t SetTextSlot(const char* textName, int32_t x, int32_t y, uint32_t duration,
                    int32_t index, int32_t boxed);
void ClearTextSlot(int32_t index);
void SetTextReveal(int32_t index, uint32_t revealTime);
// Frame step: expires and draws every active slot, in index order.
void DrawTextSlots();
