#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/render/transform.h"

namespace {
// A pixel buffer with its view; pitch padded to show that rows use it.
struct Buffer {
    std::vector<uint8_t> bytes;
    PixelView view;

    Buffer(int32_t w, int32_t h, int32_t bpp, uint8_t fill = 0xEE)
    {
        int32_t pitch = w * bpp + 8;
        bytes.assign(static_cast<size_t>(pitch * h), fill);
        view = {w, h, pitch, bpp, bytes.data(), false, 0};
    }
};

// Source whose pixel (x, y) holds x + 256 y.
Buffer Numbered(int32_t w, int32_t h, int32_t bpp)
{
    Buffer b(w, h, bpp);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            StorePixel(b.view.pixels + y * b.view.pitch + x * bpp, bpp,
                       static_cast<uint32_t>(x + 256 * y));
        }
    }
    return b;
}

Buffer Transformed(const Buffer& src, float scale, uint32_t background)
{
    int32_t side = RotateScaleSide(src.view.width, src.view.height, scale);
    Buffer out(side, side, src.view.bytesPerPixel);
    RotateScaleInto(src.view, 0, scale, background, &out.view);
    return out;
}

constexpr uint32_t kBackground = 0x0BAD;
}

TEST(RotateScale, ResultSide)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        int32_t w, h;
        float scale;
        int32_t side;
    };
    const Case cases[] = {
        {100, 60, 0.5f, 80},  {100, 60, 1.0f, 160}, {100, 60, 0.333f, 53},
        {512, 512, 1.0f, 1024}, {600, 500, 1.0f, -1},  // above the row buffer
        {100, 0, 1.0f, -1},   {0, 60, 1.0f, -1},    {100, 60, -1.0f, -1},
        {100, 60, nan, -1},   {100, 60, inf, -1},   {1, 1, 0.4f, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " at " << c.scale);
        EXPECT_EQ(RotateScaleSide(c.w, c.h, c.scale), c.side);
    }
}

TEST(RotateScale, InverseMappingWithTruncation)
{
    struct Probe {
        int32_t i, j;
        int32_t sx, sy;  // source pixel, or -1 for the background
    };
    const Buffer src = Numbered(100, 60, 2);
    const struct {
        float scale;
        std::vector<Probe> probes;
    } runs[] = {
        {1.0f,
         {{33, 70, -1, -1}, {34, 70, 0, 19}, {35, 70, 0, 19}, {36, 70, 1, 19},
          {134, 70, 99, 19}, {135, 70, -1, -1}, {60, 49, -1, -1}, {60, 50, 25, 0},
          {60, 51, 25, 0}, {60, 110, 25, 59}, {60, 111, -1, -1}, {0, 0, -1, -1}}},
        {0.5f,
         {{16, 40, -1, -1}, {17, 40, 0, 29}, {18, 40, 1, 29}, {67, 40, 99, 29},
          {68, 40, -1, -1}, {40, 24, -1, -1}, {40, 25, 45, 0}, {40, 26, 45, 1},
          {40, 55, 45, 59}, {40, 56, -1, -1}, {79, 79, -1, -1}}},
    };
    for (const auto& run : runs) {
        const Buffer out = Transformed(src, run.scale, kBackground);
        EXPECT_FALSE(out.view.keyed);
        for (const Probe& p : run.probes) {
            SCOPED_TRACE(testing::Message() << "scale " << run.scale << " at " << p.i << ","
                                            << p.j);
            uint32_t expected =
                p.sx < 0 ? kBackground : static_cast<uint32_t>(p.sx + 256 * p.sy);
            EXPECT_EQ(GetPixel(out.view, p.i, p.j), expected);
        }
    }
}

TEST(RotateScale, KeyedSourceGivesKeyedMargins)
{
    const uint32_t magenta = 0xF81F;
    Buffer src(100, 60, 2);
    ClearSurface(&src.view, 0x07E0);
    src.view.keyed = true;
    src.view.colourKey = magenta;
    const Buffer out = Transformed(src, 0.5f, kBackground);
    ASSERT_EQ(out.view.width, 80);
    EXPECT_TRUE(out.view.keyed);
    EXPECT_EQ(out.view.colourKey, magenta);
    EXPECT_EQ(GetPixel(out.view, 0, 0), magenta);
    EXPECT_EQ(GetPixel(out.view, 79, 79), magenta);
    EXPECT_EQ(GetPixel(out.view, 16, 40), magenta);
    EXPECT_EQ(GetPixel(out.view, 40, 40), 0x07E0u);
}

TEST(RotateScale, PixelWidthsOneAndFour)
{
    for (int32_t bpp : {1, 4}) {
        SCOPED_TRACE(bpp);
        Buffer src(100, 60, bpp);
        const uint32_t colour = bpp == 1 ? 0x5Au : 0xA1B2C3D4u;
        ClearSurface(&src.view, colour);
        const Buffer out = Transformed(src, 1.0f, bpp == 1 ? 0x11u : 0x01020304u);
        EXPECT_EQ(GetPixel(out.view, 60, 70), colour);
        EXPECT_EQ(GetPixel(out.view, 0, 0), bpp == 1 ? 0x11u : 0x01020304u);
    }
}

TEST(RotateScale, ThreeBytePixelsGiveTheBackgroundOnly)
{
    Buffer src(100, 60, 3);
    ClearSurface(&src.view, 0x123456);
    const Buffer out = Transformed(src, 0.5f, 0xABCDEF);
    for (int32_t y = 0; y < 80; ++y) {
        for (int32_t x = 0; x < 80; ++x) {
            const uint8_t* p = out.view.pixels + y * out.view.pitch + x * 3;
            ASSERT_EQ(p[0] | (p[1] << 8) | (p[2] << 16), 0xABCDEF) << x << "," << y;
        }
    }
    src.view.keyed = true;
    src.view.colourKey = 0x00FF00;
    const Buffer keyed = Transformed(src, 0.5f, 0xABCDEF);
    EXPECT_EQ(keyed.view.pixels[40 * keyed.view.pitch + 40 * 3 + 1], 0xFF);
}

TEST(RotateScale, WritesNothingIntoAViewOfTheWrongShape)
{
    const Buffer src = Numbered(100, 60, 2);
    struct {
        int32_t side, bpp;
    } wrong[] = {{79, 2}, {81, 2}, {80, 4}};
    for (const auto& w : wrong) {
        Buffer out(w.side, w.side, w.bpp, 0x77);
        RotateScaleInto(src.view, 0, 0.5f, kBackground, &out.view);
        EXPECT_EQ(out.bytes, std::vector<uint8_t>(out.bytes.size(), 0x77));
    }
    Buffer out(80, 80, 2, 0x77);
    Buffer flat(100, 0, 2);
    RotateScaleInto(flat.view, 0, 0.5f, kBackground, &out.view);
    EXPECT_EQ(out.bytes, std::vector<uint8_t>(out.bytes.size(), 0x77));
}

TEST(PixelPrimitives, ClearAndRowsKeepToTheirPixels)
{
    Buffer b(3, 2, 2, 0xEE);
    ClearSurface(&b.view, 0x12345678);
    EXPECT_EQ(GetPixel(b.view, 2, 1), 0x5678u);
    EXPECT_EQ(b.bytes[6], 0xEE);  // the pitch padding is not a pixel
    const uint8_t row[6] = {1, 0, 2, 0, 3, 0};
    WriteRow(&b.view, row, 1);
    EXPECT_EQ(GetPixel(b.view, 0, 1), 1u);
    EXPECT_EQ(GetPixel(b.view, 2, 1), 3u);
    EXPECT_EQ(GetPixel(b.view, 2, 0), 0x5678u);
    EXPECT_EQ(b.bytes[b.bytes.size() - 1], 0xEE);
}
