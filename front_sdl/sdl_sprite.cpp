// SDL 1.2 sprites: BMP decoding, display-format conversion with the magenta
// colour key, blits, and the rotate-scale transform on SDL surfaces.
#include <SDL.h>

#include <climits>

#include "engine/render/image.h"
#include "engine/render/sprite.h"
#include "engine/render/transform.h"

namespace {
SDL_Surface* Surf(SurfaceHandle h) { return static_cast<SDL_Surface*>(h); }

PixelView ViewOf(SDL_Surface* s)
{
    PixelView v;
    v.width = s->w;
    v.height = s->h;
    v.pitch = s->pitch;
    v.bytesPerPixel = s->format->BytesPerPixel;
    v.pixels = static_cast<uint8_t*>(s->pixels);
    v.keyed = (s->flags & SDL_SRCCOLORKEY) != 0;
    v.colourKey = s->format->colorkey;
    return v;
}

bool Lock(SDL_Surface* s) { return !SDL_MUSTLOCK(s) || SDL_LockSurface(s) == 0; }
void Unlock(SDL_Surface* s)
{
    if (SDL_MUSTLOCK(s)) {
        SDL_UnlockSurface(s);
    }
}
}

SurfaceHandle DecodeBmpMemory(const void* data, size_t size)
{
    if (data == nullptr || size > static_cast<size_t>(INT_MAX)) {
        SDL_SetError("BMP data too large");
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    return rw != nullptr ? SDL_LoadBMP_RW(rw, 1) : nullptr;
}

SurfaceHandle DecodeBmpStream(FILE* stream)
{
    SDL_RWops* rw = SDL_RWFromFP(stream, 0);
    return rw != nullptr ? SDL_LoadBMP_RW(rw, 1) : nullptr;
}

const char* SpriteError() { return SDL_GetError(); }

void SurfaceSize(SurfaceHandle surface, int32_t* width, int32_t* height)
{
    *width = surface != nullptr ? Surf(surface)->w : 0;
    *height = surface != nullptr ? Surf(surface)->h : 0;
}

int MakeSprite(Image* image, SurfaceHandle picture, int32_t width, int32_t height)
{
    SDL_Surface* converted = SDL_DisplayFormat(Surf(picture));
    if (converted == nullptr) {
        return 0;
    }
    SDL_SetColorKey(converted, SDL_SRCCOLORKEY, SDL_MapRGB(converted->format, 255, 0, 255));
    FreeSurface(image->surface);
    image->surface = converted;
    image->rect = {0, 0, width, height};
    return 1;
}

void BlitSprite(SurfaceHandle src, int32_t sx, int32_t sy, int32_t w, int32_t h,
                SurfaceHandle dest, int32_t dx, int32_t dy)
{
    if (src == nullptr || dest == nullptr || w <= 0 || h <= 0) {
        return;
    }
    SDL_Rect from = {static_cast<Sint16>(sx), static_cast<Sint16>(sy), static_cast<Uint16>(w),
                     static_cast<Uint16>(h)};
    SDL_Rect to = {static_cast<Sint16>(dx), static_cast<Sint16>(dy), 0, 0};
    SDL_BlitSurface(Surf(src), &from, Surf(dest), &to);
}

void FreeSurface(SurfaceHandle surface)
{
    if (surface != nullptr) {
        SDL_FreeSurface(Surf(surface));
    }
}

SurfaceHandle RotateScaleSurface(SurfaceHandle source, int32_t angle, float scale,
                                 uint32_t background)
{
    SDL_Surface* s = Surf(source);
    int32_t side = s != nullptr ? RotateScaleSide(s->w, s->h, scale) : -1;
    if (side < 0) {
        return nullptr;
    }
    const SDL_PixelFormat* f = s->format;
    SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, side, side, f->BitsPerPixel, f->Rmask,
                                            f->Gmask, f->Bmask, f->Amask);
    if (out == nullptr) {
        SDL_SetError("SGE - Out of memory");
        return nullptr;
    }
    if (f->palette != nullptr) {
        SDL_SetColors(out, f->palette->colors, 0, f->palette->ncolors);
    }
    if (!Lock(s)) {
        SDL_FreeSurface(out);
        return nullptr;
    }
    PixelView to = ViewOf(out);
    RotateScaleInto(ViewOf(s), angle, scale, background, &to);
    Unlock(s);
    if (to.keyed) {
        SDL_SetColorKey(out, SDL_SRCCOLORKEY, to.colourKey);
    }
    return out;
}
