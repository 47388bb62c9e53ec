#include "engine/render/transform.h"

#include <cmath>
#include <cstring>

uint32_t GetPixel(const PixelView& view, int32_t x, int32_t y)
{
    const uint8_t* p = view.pixels + y * view.pitch + x * view.bytesPerPixel;
    switch (view.bytesPerPixel) {
    case 1:
        return *p;
    case 2: {
        uint16_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    case 4: {
        uint32_t v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }
    default:
        return 0;
    }
}

void StorePixel(uint8_t* p, int32_t bytesPerPixel, uint32_t colour)
{
    switch (bytesPerPixel) {
    case 1:
        *p = static_cast<uint8_t>(colour);
        break;
    case 2: {
        uint16_t v = static_cast<uint16_t>(colour);
        std::memcpy(p, &v, sizeof v);
        break;
    }
    case 3:
        p[0] = static_cast<uint8_t>(colour);
        p[1] = static_cast<uint8_t>(colour >> 8);
        p[2] = static_cast<uint8_t>(colour >> 16);
        break;
    default:
        std::memcpy(p, &colour, sizeof colour);
        break;
    }
}

void ClearSurface(PixelView* view, uint32_t colour)
{
    if (view->height <= 0 || view->width <= 0) {
        return;
    }
    uint8_t* first = view->pixels;
    for (int32_t x = 0; x < view->width; ++x) {
        StorePixel(first + x * view->bytesPerPixel, view->bytesPerPixel, colour);
    }
    size_t rowBytes = static_cast<size_t>(view->width) * view->bytesPerPixel;
    for (int32_t y = 1; y < view->height; ++y) {
        std::memcpy(view->pixels + y * view->pitch, first, rowBytes);
    }
}

void WriteRow(PixelView* view, const uint8_t* row, int32_t y)
{
    std::memcpy(view->pixels + y * view->pitch, row,
                static_cast<size_t>(view->width) * view->bytesPerPixel);
}

int32_t RotateScaleSide(int32_t width, int32_t height, float scale)
{
    if (width <= 0 || height <= 0) {
        return -1;
    }
    float side = static_cast<float>(width + static_cast<int64_t>(height)) * scale;
    // Also refuses a negative or not-a-number scale: the comparisons fail.
    if (!(side >= 1.0f && side < static_cast<float>(kRotateScaleMaxSide + 1))) {
        return -1;
    }
    return static_cast<int32_t>(side);
}

namespace {
struct Step {
    float x;
    float y;
};

// Start point, row step and column step of the inverse mapping.
struct Mapping {
    Step start;
    Step row;
    Step column;
};

Mapping MapRotateScale(int32_t w, int32_t h, int32_t angle, float scale)
{
    float theta = static_cast<float>(angle * 0.017453292);
    int32_t cx = w >> 1;
    int32_t cy = h >> 1;
    float phi = static_cast<float>(0.43 * std::log(static_cast<double>(w) / h) +
                                   std::atan2(static_cast<double>(cy), static_cast<double>(cx)));
    float r = static_cast<float>(
        std::sqrt(static_cast<double>(w) * w + static_cast<double>(h) * h));
    double a = static_cast<double>(phi) - theta;
    Mapping m;
    m.start = {static_cast<float>(cx - std::cos(a) * r), static_cast<float>(cy - std::sin(a) * r)};
    m.row = {static_cast<float>(std::cos(1.570796 - theta)),
             static_cast<float>(std::sin(1.570796 - theta))};
    m.column = {static_cast<float>(std::cos(-static_cast<double>(theta))),
                static_cast<float>(std::sin(-static_cast<double>(theta)))};
    if (scale != 1.0f) {
        float inverse = 1.0f / scale;
        m.row.x *= inverse;
        m.row.y *= inverse;
        m.column.x *= inverse;
        m.column.y *= inverse;
    }
    return m;
}
}

void RotateScaleInto(const PixelView& src, int32_t angle, float scale, uint32_t background,
                     PixelView* dst)
{
    int32_t side = RotateScaleSide(src.width, src.height, scale);
    if (side < 0 || dst->width != side || dst->height != side ||
        dst->bytesPerPixel != src.bytesPerPixel) {
        return;
    }
    if (src.keyed) {
        background = src.colourKey;
        dst->keyed = true;
        dst->colourKey = src.colourKey;
    }
    ClearSurface(dst, background);
    const int32_t b = src.bytesPerPixel;
    if (b != 1 && b != 2 && b != 4) {
        return;  // 3 bytes per pixel: the background only
    }
    const Mapping m = MapRotateScale(src.width, src.height, angle, scale);
    const float w = static_cast<float>(src.width);
    const float h = static_cast<float>(src.height);
    uint8_t row[kRotateScaleMaxSide * 4];
    Step origin = m.start;
    for (int32_t j = 0; j < side; ++j) {
        float sx = origin.x;
        float sy = origin.y;
        for (int32_t i = 0; i < side; ++i) {
            // Truncation toward zero lands inside the source exactly when
            // -1 < s < size; testing the floats first keeps the cast defined.
            uint32_t v = background;
            if (sx > -1.0f && sx < w && sy > -1.0f && sy < h) {
                v = GetPixel(src, static_cast<int32_t>(sx), static_cast<int32_t>(sy));
            }
            StorePixel(row + i * b, b, v);
            sx += m.column.x;
            sy += m.column.y;
        }
        WriteRow(dst, row, j);
        origin.x += m.row.x;
        origin.y += m.row.y;
    }
}
