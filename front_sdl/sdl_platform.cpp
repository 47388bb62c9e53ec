// SDL 1.2 platform layer: start-up, ticks, pointer and the event pump.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "engine/archive/delivery.h"
#include "engine/core/clock.h"
#include "engine/core/input.h"
#include "engine/core/startup.h"
#include "engine/render/screen.h"
#include "engine/sound/sound.h"

uint32_t PlatformTicks()
{
    return SDL_GetTicks();
}

void ReadPointer(int32_t* x, int32_t* y)
{
    int mx = 0;
    int my = 0;
    SDL_GetMouseState(&mx, &my);
    *x = mx;
    *y = my;
}

int InitSDL(int argc, char** argv)
{
    std::printf("Init SDL\n");
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_AUDIO | SDL_INIT_VIDEO | SDL_INIT_CDROM) < 0) {
        std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_CDROM) < 0) {
            std::fprintf(stderr, "Couldn't initialize SDL without AUDIO neither: %s\n",
                         SDL_GetError());
            std::exit(1);
        }
    }
    std::atexit(SDL_Quit);
    OpenAudio();

    char name[128];
    if (SDL_VideoDriverName(name, sizeof name) != nullptr) {
        std::printf("Driver Video : [%s]\n", name);
    } else {
        std::printf("No Video Driver....\n");
    }
    if (SDL_AudioDriverName(name, sizeof name) != nullptr) {
        std::printf("Driver Audio : [%s]\n", name);
    } else {
        std::printf("No Audio Driver....\n");
    }
    std::printf("Init Param\n");
    uint32_t flags = ParseVideoOptions(argc, argv);
    if (screen.InitVideo(kScreenWidth, kScreenHeight, 16, flags) == 0) {
        // The game cannot draw without a screen: stop here rather than run blind.
        std::fprintf(stderr, "No screen: the game cannot start\n");
        std::exit(1);
    }
    return 1;
}

void PollEvents()
{
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            if (event.key.keysym.sym == SDLK_ESCAPE) {
                quitRequested = 1;
            } else if (event.key.keysym.sym == SDLK_F1) {
                DeliverCompact("vorlane.cre");  // from the loaded world; the game goes on
            }
            break;
        case SDL_MOUSEMOTION:
            OnMouseMove(event.motion.x, event.motion.y, event.motion.state);
            break;
        case SDL_MOUSEBUTTONDOWN:
            OnMouseDown(event.button.x, event.button.y);
            break;
        case SDL_MOUSEBUTTONUP:
            OnMouseUp(event.button.x, event.button.y);
            break;
        case SDL_QUIT:
            quitRequested = 1;
            break;
        default:
            break;
        }
    }
}
