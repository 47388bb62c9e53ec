// The screen: the 640 x 480 video surface and the back buffer `fond` into
// which every frame is composed. Fill, DrawBox and Flip are implemented by the
// front end; the box geometry is portable.
#pragma once
#include <cstdint>

#include "engine/render/surface.h"

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;

struct Screen {
    SurfaceHandle display = nullptr;  // the video surface
    SurfaceHandle fond = nullptr;     // back buffer, same size and depth

    // Sets the video mode and creates the back buffer. 1 on success, 0 on failure.
    int InitVideo(int width, int height, int depth, uint32_t flags);
};

extern Screen screen;

// Front end: fills the rectangle of fond with the low 16 bits of colour.
void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t colour);
// Front end: the chamfered box (corners cut diagonally) in an RGB colour.
void DrawBox(int32_t left, int32_t top, int32_t right, int32_t bottom,
             uint8_t red, uint8_t green, uint8_t blue);
// Front end: copies fond to the display and presents it.
void Flip();

// Portable geometry of DrawBox. ClampBox clamps the four coordinates to the
// surface; BoxRowSpan gives the covered columns [x0, x1) of row y.
void ClampBox(int32_t* left, int32_t* top, int32_t* right, int32_t* bottom,
              int32_t width, int32_t height);
void BoxRowSpan(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t y,
                int32_t* x0, int32_t* x1);
