#include "support/test_env.h"

#include <SDL.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "engine/render/screen.h"

namespace {
// Runs before main: headless SDL drivers (a test may still choose another one,
// e.g. "disk" to capture audio) and the project's folders.
[[maybe_unused]] const bool environmentReady = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("VORLANE_SOURCE_DIR", VORLANE_SOURCE_DIR, 0);
    setenv("VORLANE_BINARY_DIR", VORLANE_BINARY_DIR, 0);
    return true;
}();
}

void StartTestScreen(bool windowed)
{
    if (screen.fond != nullptr) {
        return;
    }
    uint32_t flags = windowed ? 0 : 0x80000000u;
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || screen.InitVideo(640, 480, 16, flags) == 0) {
        throw std::runtime_error(std::string("no test screen: ") + SDL_GetError());
    }
}

uint32_t ProbeFond(int x, int y)
{
    SDL_Surface* s = static_cast<SDL_Surface*>(screen.fond);
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel;
    switch (s->format->BytesPerPixel) {
    case 1: return *p;
    case 2: return *reinterpret_cast<const Uint16*>(p);
    case 3: return p[0] | (p[1] << 8) | (p[2] << 16);
    default: return *reinterpret_cast<const Uint32*>(p);
    }
}

uint32_t MapFond(uint8_t r, uint8_t g, uint8_t b)
{
    return SDL_MapRGB(static_cast<SDL_Surface*>(screen.fond)->format, r, g, b);
}

std::string MakeScratchDir(bool chdir)
{
    char pattern[] = "/tmp/vorlane_test_XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (dir == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    if (chdir && ::chdir(dir) != 0) {
        throw std::runtime_error("chdir failed");
    }
    return dir;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Leaks that the sanitizer build finds inside SDL and the system libraries it
// loads (memory they keep until process exit); ours are still reported.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libSDL2\nleak:libdbus-1\n";
}
