#include "engine/render/image.h"

#include <cstdio>
#include <cstdlib>

#include "engine/archive/archive.h"
#include "engine/archive/loose_file.h"
#include "engine/render/screen.h"
#include "engine/render/sprite.h"
#include "engine/render/transform.h"

namespace {
// Decodes the picture named path: its archive entry when there is one,
// otherwise the loose file. Null with the reason in why on failure.
SurfaceHandle DecodePicture(const char* path, char* why, size_t whySize)
{
    unsigned char* data = nullptr;
    int size = 0;
    SurfaceHandle picture = nullptr;
    if (LoadArchiveEntry(path, &data, &size) == 0) {
        picture = DecodeBmpMemory(data, static_cast<size_t>(size));
        std::free(data);
    } else if (FILE* f = OpenLooseFile(path, "rb")) {
        picture = DecodeBmpStream(f);
        std::fclose(f);
    } else {
        std::snprintf(why, whySize, "Couldn't open %s", path);
        return nullptr;
    }
    if (picture == nullptr) {
        std::snprintf(why, whySize, "%s", SpriteError());
    }
    return picture;
}

// Clips one axis to [0, limit]: a start left of 0 cuts the first pixels, a
// span past the limit cuts the last ones.
void ClipAxis(int64_t* pos, int64_t* lo, int64_t* hi, int64_t limit)
{
    if (*pos < 0) {
        *lo -= *pos;
        if (*lo > *hi) {
            *lo = *hi;
        }
        *pos = 0;
    }
    if (*pos > limit) {
        *pos = limit;
    }
    if (*pos + (*hi - *lo) > limit) {
        *hi = limit - *pos + *lo;
    }
}

// The offset reduced into [0, span): negative offsets scroll the other way.
int64_t WrapOffset(int64_t offset, int64_t span)
{
    int64_t r = offset % span;
    return r < 0 ? r + span : r;
}

void Blit(Image* image, int64_t sx, int64_t sy, int64_t w, int64_t h, SurfaceHandle dest,
          int64_t dx, int64_t dy)
{
    BlitSprite(image->surface, static_cast<int32_t>(sx), static_cast<int32_t>(sy),
               static_cast<int32_t>(w), static_cast<int32_t>(h), dest, static_cast<int32_t>(dx),
               static_cast<int32_t>(dy));
}
}

int LoadImage(Image* image, const char* path)
{
    if (image == nullptr) {
        return 0;
    }
    if (path != image->path) {
        CopyString(image->path, path, kImagePathSize - 1);
    }
    char why[kImagePathSize + 64];
    SurfaceHandle picture = DecodePicture(image->path, why, sizeof why);
    if (picture == nullptr) {
        std::fprintf(stderr, "Pb chargement fichier [%s](%s)\n", image->path, why);
        return 0;
    }
    int32_t width = 0;
    int32_t height = 0;
    SurfaceSize(picture, &width, &height);
    int made = MakeSprite(image, picture, width, height);
    FreeSurface(picture);
    return made;
}

void DrawImage(Image* image, SurfaceHandle dest, int32_t x, int32_t y, float scale,
               int32_t wrapX, int32_t wrapY)
{
    if (image == nullptr) {
        return;
    }
    if (image->surface == nullptr && image->path[0] != '\0') {
        LoadImage(image, image->path);
    }
    if (image->surface == nullptr) {
        return;
    }
    int64_t L = image->rect.left, T = image->rect.top;
    int64_t R = image->rect.right, B = image->rect.bottom;
    int64_t X = x, Y = y;
    ClipAxis(&X, &L, &R, kScreenWidth);
    ClipAxis(&Y, &T, &B, kScreenHeight);

    if (scale != 0.0f) {
        // The whole transformed copy at the clipped corner: a scaled picture
        // starting off screen is shifted, not cut.
        SurfaceHandle copy = RotateScaleSurface(image->surface, 0, scale, 0);
        int32_t w = 0;
        int32_t h = 0;
        SurfaceSize(copy, &w, &h);
        BlitSprite(copy, 0, 0, w, h, dest, static_cast<int32_t>(X), static_cast<int32_t>(Y));
        FreeSurface(copy);
        return;
    }
    const int64_t w = R - L;
    const int64_t h = B - T;
    if (w <= 0 || h <= 0) {
        return;
    }
    if (wrapX == 0 && wrapY == 0) {
        Blit(image, L, T, w, h, dest, X, Y);
        return;
    }
    // Shifted by (wx, wy) inside its own rectangle, the cut parts reappearing
    // at the right and bottom.
    const int64_t wx = WrapOffset(wrapX, w);
    const int64_t wy = WrapOffset(wrapY, h);
    Blit(image, L + wx, T + wy, w - wx, h - wy, dest, X, Y);
    Blit(image, L + wx, T, w - wx, wy, dest, X, Y + B - wy);
    Blit(image, L, T + wy, wx, h - wy, dest, X + R - wx, Y);
    Blit(image, L, T, wx, wy, dest, X + R - wx, Y + B - wy);
}
