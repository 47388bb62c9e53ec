// SDL 1.2 screen: video mode, back buffer, fills, boxes and presenting.
#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "engine/render/screen.h"
#include "engine/render/transform.h"

namespace {
SDL_Surface* Fond() { return static_cast<SDL_Surface*>(screen.fond); }
}

int Screen::InitVideo(int width, int height, int depth, uint32_t flags)
{
    std::printf("Set SDL video Mode\n");
    if ((flags & SDL_FULLSCREEN) == 0) {
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        if (info != nullptr && info->vfmt != nullptr && info->vfmt->BitsPerPixel != 0) {
            depth = info->vfmt->BitsPerPixel;
        }
    }
    SDL_Surface* video = SDL_SetVideoMode(width, height, depth, flags | SDL_HWSURFACE);
    if (video == nullptr) {
        std::fprintf(stderr, "Couldn't set 640x480x%d video mode: %s\n", depth, SDL_GetError());
        return 0;
    }
    display = video;
    SDL_Surface* back = SDL_CreateRGBSurface(SDL_HWSURFACE, width, height, depth, 0, 0, 0, 0);
    if (back == nullptr) {
        std::fprintf(stderr, "Couldn't create the back buffer: %s\n", SDL_GetError());
        return 0;
    }
    fond = back;
    std::printf("Init fond\n");

    if (SDL_LockSurface(video) < 0) {
        std::fprintf(stderr, "Couldn't lock the display surface: %s\n", SDL_GetError());
        return 0;
    }
    Uint8* row = static_cast<Uint8*>(video->pixels);
    for (int y = 0; y < video->h; ++y, row += video->pitch) {
        std::memset(row, 0, video->pitch);
    }
    SDL_UnlockSurface(video);
    SDL_UpdateRect(video, 0, 0, 0, 0);
    return 1;
}

void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, uint32_t colour)
{
    if (Fond() == nullptr || right <= left || bottom <= top) {
        return;
    }
    SDL_Rect r = {static_cast<Sint16>(left), static_cast<Sint16>(top),
                  static_cast<Uint16>(right - left), static_cast<Uint16>(bottom - top)};
    SDL_FillRect(Fond(), &r, colour & 0xFFFF);
}

void DrawBox(int32_t left, int32_t top, int32_t right, int32_t bottom,
             uint8_t red, uint8_t green, uint8_t blue)
{
    SDL_Surface* s = Fond();
    if (s == nullptr) {
        return;
    }
    ClampBox(&left, &top, &right, &bottom, s->w, s->h);
    if (SDL_MUSTLOCK(s) && SDL_LockSurface(s) < 0) {
        return;
    }
    if (s->pixels != nullptr) {
        Uint32 colour = SDL_MapRGB(s->format, red, green, blue);
        int bpp = s->format->BytesPerPixel;
        for (int32_t y = top; y < bottom; ++y) {
            int32_t x0 = 0;
            int32_t x1 = 0;
            BoxRowSpan(left, top, right, bottom, y, &x0, &x1);
            Uint8* p = static_cast<Uint8*>(s->pixels) + y * s->pitch + x0 * bpp;
            for (int32_t x = x0; x < x1; ++x, p += bpp) {
                StorePixel(p, bpp, colour);
            }
        }
    }
    if (SDL_MUSTLOCK(s)) {
        SDL_UnlockSurface(s);
    }
}

void Flip()
{
    SDL_Surface* video = static_cast<SDL_Surface*>(screen.display);
    if (video == nullptr || Fond() == nullptr) {
        return;
    }
    SDL_BlitSurface(Fond(), nullptr, video, nullptr);
    SDL_UpdateRect(video, 0, 0, 0, 0);
}
