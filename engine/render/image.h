// Pictures: one Image node per picture file of a resource, linked in a list
// whose first node lives inside the resource record. Pictures are loaded on
// first draw and kept until exit (the sprite cache).
#pragma once
#include <cstdint>

#include "engine/core/types.h"
#include "engine/render/surface.h"

constexpr int kImagePathSize = 256;  // 255 characters and a terminator

struct Image {
    Image* next = nullptr;           // next picture of the same resource
    int32_t tempo = 0;               // ms this picture stays on screen in an animation
    int32_t keyed = 1;               // drawn with its colour key
    SurfaceHandle surface = nullptr; // display-format picture, null until loaded
    Rect rect = {0, 0, 0, 0};        // 0, 0, width, height once loaded
    char path[kImagePathSize] = {};  // file path, also its archive entry name
};

// List operations: walk position links from the first node, appending empty
// nodes where the list ends, then set the node's path or tempo. Return 1.
int SetImagePath(Image* list, int position, const char* path);
int SetImageTempo(Image* list, int position, int32_t tempo);
// The node at position, or null when the list is shorter (never appends).
Image* ImageAt(Image* list, int position);

// Loads the picture named by path (archive entry first, then the loose file)
// into image. Returns 1, or 0 after printing the loader's message.
int LoadImage(Image* image, const char* path);

// Draws image on dest with its top-left corner at (x, y), clipped to the
// 640 x 480 screen; scaled when scale is not 0, wrapped by (wrapX, wrapY).
void DrawImage(Image* image, SurfaceHandle dest, int32_t x, int32_t y, float scale,
               int32_t wrapX, int32_t wrapY);
