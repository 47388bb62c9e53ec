// Entry point of vorlane_sdl.
#include <cstdio>
#include <cstdlib>

#include "engine/core/startup.h"

int main(int argc, char** argv)
{
    ParseCommandLine(argc, argv);
    if (InitSDL(argc, argv) == 0 || DoInit(ConfigFileName) == 0) {
        return 0;
    }
    std::printf("Go\n");
    std::fflush(stdout);
    quitRequested = 0;
    while (quitRequested == 0) {
        DoFrame();
        PollEvents();
    }
    std::printf("Termine\n");
    std::fflush(stdout);
    std::exit(0);
}
