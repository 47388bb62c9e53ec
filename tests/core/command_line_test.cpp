#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/core/startup.h"
#include "engine/world/ressource.h"

namespace {
struct Args {
    std::vector<std::string> words;
    std::vector<char*> argv;
    explicit Args(std::vector<std::string> w) : words(std::move(w))
    {
        words.insert(words.begin(), "vorlane_sdl");
        for (std::string& s : words) {
            argv.push_back(s.data());
        }
    }
    int argc() const { return static_cast<int>(argv.size()); }
};

void ResetOptions()
{
    std::strcpy(ConfigFileName, "vorlane.dat");
    pollMouse = 0;
    SetLanguage(1);
}
}

TEST(CommandLine, FirstPass)
{
    struct Case {
        std::vector<std::string> args;
        std::string config;
        int language;
        int pollMouse;
    };
    const std::string longName(300, 'x');
    const Case cases[] = {
        {{}, "vorlane.dat", 1, 0},
        {{"-F"}, "vorlane.dat", 0, 0},
        {{"-F", "-E"}, "vorlane.dat", 0, 0},  // leftmost wins
        {{"-E", "-F"}, "vorlane.dat", 1, 0},
        {{"-Ca.dat", "-Cb.dat"}, "a.dat", 1, 0},
        {{"-Cmy world.dat"}, "my", 1, 0},       // cut at the blank
        {{"-C"}, "", 1, 0},
        {{"-D"}, "vorlane.dat", 1, 1},
        {{"-d", "-Fx", "x"}, "vorlane.dat", 1, 0},  // compared whole
        {{"-C" + longName}, std::string(254, 'x'), 1, 0},
    };
    for (const Case& c : cases) {
        ResetOptions();
        Args a(c.args);
        ParseCommandLine(a.argc(), a.argv.data());
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(ConfigFileName, c.config);
        EXPECT_EQ(language, c.language);
        EXPECT_EQ(pollMouse, c.pollMouse);
    }
}

TEST(CommandLine, VideoOptions)
{
    struct Case {
        std::vector<std::string> args;
        uint32_t flags;
    };
    const Case cases[] = {
        {{}, kVideoHwSurface},
        {{"-D"}, kVideoHwSurface | kVideoFullscreen},
        {{"-fullscreen"}, kVideoHwSurface | kVideoFullscreen},
        {{"-warp", "-hw"}, kVideoHwSurface | kVideoHwPalette},
        {{"-bpp", "8"}, kVideoHwSurface},
        {{"-bpp", "-D"}, kVideoHwSurface},           // -D consumed as the depth
        {{"-bpp", "-warp", "-D"}, kVideoHwSurface | kVideoFullscreen},
        {{"-bpp"}, kVideoHwSurface},
        {{"-T", "-E", "-Cx"}, kVideoHwSurface},
    };
    for (const Case& c : cases) {
        Args a(c.args);
        SCOPED_TRACE(::testing::PrintToString(c.args));
        EXPECT_EQ(ParseVideoOptions(a.argc(), a.argv.data()), c.flags);
    }
}
