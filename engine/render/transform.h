// The rotate-scale transform and the pixel primitives it is built on. The
// portable part works on PixelView, a plain description of a surface's pixel
// memory; the front end wraps its surfaces in views and owns the result.
//
//   GetPixel            raw value of one pixel (1, 2 or 4 bytes), no bounds check
//   StorePixel          writes a raw value as one pixel of 1 to 4 bytes
//   ClearSurface        fills every pixel of a view with a colour
//   WriteRow            copies width pixels from a row buffer into row y
//   RotateScaleSide     side D of the square result, or -1 when none can be made
//   RotateScaleInto     draws the rotated and scaled source into a D x D view
//   RotateScaleSurface  front end: a new D x D surface with the result, or null
#pragma once
#include <cstdint>

#include "engine/render/surface.h"

// Widest result row the transform writes: the row buffer holds this many pixels.
constexpr int32_t kRotateScaleMaxSide = 1024;

struct PixelView {
    int32_t width;
    int32_t height;
    int32_t pitch;          // bytes from one row to the next
    int32_t bytesPerPixel;  // 1 to 4
    uint8_t* pixels;
    bool keyed;             // pixels equal to colourKey are transparent
    uint32_t colourKey;
};

uint32_t GetPixel(const PixelView& view, int32_t x, int32_t y);
// 3 bytes: the three low bytes of colour, lowest first.
void StorePixel(uint8_t* p, int32_t bytesPerPixel, uint32_t colour);
void ClearSurface(PixelView* view, uint32_t colour);
// row holds view->width pixels of view->bytesPerPixel bytes each.
void WriteRow(PixelView* view, const uint8_t* row, int32_t y);

// (width + height) x scale truncated; -1 for an empty source, a side above
// kRotateScaleMaxSide, or a scale that is negative or not a number.
int32_t RotateScaleSide(int32_t width, int32_t height, float scale);
// dst must be RotateScaleSide x RotateScaleSide with the source's bytes per
// pixel (otherwise nothing is written). Inverse mapping with nearest pixels;
// a keyed source gives a keyed result whose background is the key. A source of
// 3 bytes per pixel gives the background only.
void RotateScaleInto(const PixelView& src, int32_t angle, float scale, uint32_t background,
                     PixelView* dst);

// Front end: the transformed copy of source as a new surface owned by the
// caller (release it with FreeSurface), or null.
SurfaceHandle RotateScaleSurface(SurfaceHandle source, int32_t angle, float scale,
                                 uint32_t background);
