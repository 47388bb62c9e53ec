#include <algorithm>

#include "engine/render/screen.h"

Screen screen;

void ClampBox(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom,
              int32_t width, int32_t height)
{
    *left = std::min(std::max(*left, 0), width - 1);
    *right = std::min(std::max(*right, 0), width - 1);
    *top = std::min(std::max(*top, 0), height - 1);
    *bottom = std::min(std::max(*bottom, 0), height - 1);
}

void BoxRowSpan(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t y,
                int32_t* x0, int32_t* x1)
{
    if (y > top + 3 && y < bottom - 3) {
        *x0 = left;
        *x1 = right;
        return;
    }
    int32_t m = std::min(y - top, bottom - y);
    *x0 = left + 3 - m;
    *x1 = right + m - 3;
}
