// Basic value types and string helpers shared by every subsystem.
#pragma once
#include <cstddef>
#include <cstdint>

// A screen position in pixels: origin top left, y downwards.
struct Point {
    int32_t x;
    int32_t y;
};

// A rectangle; right and bottom are exclusive.
struct Rect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

// Copies at most maxChars characters of src (null counts as "") into dst,
// which holds maxChars + 1 bytes; the result is always terminated.
void CopyString(char* dst, const char* src, size_t maxChars);

// Same, but fills the unused part of the maxChars bytes with terminators.
void CopyStringPadded(char* dst, const char* src, size_t maxChars);
