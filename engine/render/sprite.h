// Sprites as the front end makes and draws them: BMP decoding, conversion to
// the display format with the magenta colour key, blits and release. The
// portable loader and DrawImage (image.h) are built on these.
//
//   DecodeBmpMemory / DecodeBmpStream  a decoded Windows BMP, or null
//   SpriteError                        the reason of the last failure
//   SurfaceSize                        width and height of a surface
//   MakeSprite                         display format + colour key into an image
//   BlitSprite                         copies a rectangle of a sprite with its key
//   FreeSurface                        releases a surface
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "engine/render/surface.h"

struct Image;

// Decode a Windows BMP from bytes in memory or from an open stream (left
// open). Null when the bytes are not a BMP the decoder accepts.
SurfaceHandle DecodeBmpMemory(const void* data, size_t size);
SurfaceHandle DecodeBmpStream(FILE* stream);
// Text of the last decoding or transform failure.
const char* SpriteError();
void SurfaceSize(SurfaceHandle surface, int32_t* width, int32_t* height);
// Converts picture to the display format with the magenta colour key and
// stores it in image with rect 0, 0, width, height. The picture itself is left
// to the caller. Returns 1, or 0 when the conversion fails (image unchanged).
int MakeSprite(Image* image, SurfaceHandle picture, int32_t width, int32_t height);
// Blits the w x h rectangle at (sx, sy) of src to (dx, dy) on dest; clipped by
// the destination. Nothing when w or h is not positive.
void BlitSprite(SurfaceHandle src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                SurfaceHandle dest, int32_t dx, int32_t dy);
void FreeSurface(SurfaceHandle surface);
