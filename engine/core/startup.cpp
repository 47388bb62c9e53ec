#include "engine/core/startup.h"

#include <cstdlib>
#include <cstring>

#include "engine/archive/archive.h"
#include "engine/config/config_reader.h"
#include "engine/core/clock.h"
#include "engine/core/diagnostics.h"
#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/types.h"
#include "engine/core/walk.h"
#include "engine/render/screen.h"
#include "engine/script/hooks.h"
#include "engine/script/bound_names.h"
#include "engine/sound/sound.h"
#include "engine/world/world.h"

char ConfigFileName[kConfigFileNameSize] = "vorlane.dat";
int quitRequested = 0;
int pollMouse = 0;
FrameClock frameClock = {0, 0, 0, 1};

namespace {
constexpr Point kStartPoint = {500, 350};  // where the character stands at start
}

void ParseCommandLine(int argc, char** argv)
{
    for (int i = argc - 1; i >= 1; --i) {
        const char* arg = argv[i];
        if (std::strcmp(arg, "-D") == 0) {
            pollMouse = 1;
        } else if (std::strcmp(arg, "-T") == 0) {
            OpenTrace();
        } else if (std::strcmp(arg, "-E") == 0) {
            SetLanguage(1);
        } else if (std::strcmp(arg, "-F") == 0) {
            SetLanguage(0);
        } else if (std::strncmp(arg, "-C", 2) == 0) {
            // The name runs to the end of the argument or its first blank,
            // cut to what ConfigFileName holds.
            const char* name = arg + 2;
            size_t n = std::strcspn(name, " ");
            if (n > kConfigFileNameSize - 1) {
                n = kConfigFileNameSize - 1;
            }
            std::memcpy(ConfigFileName, name, n);
            ConfigFileName[n] = '\0';
        }
    }
}

uint32_t ParseVideoOptions(int argc, char** argv)
{
    uint32_t flags = kVideoHwSurface;
    for (int i = argc - 1; i >= 1; --i) {
        const char* arg = argv[i];
        if (i - 1 >= 1 && std::strcmp(argv[i - 1], "-bpp") == 0) {
            // "-bpp N": the value is read but the depth request stays 16.
            (void)std::atoi(arg);
            --i;
            continue;
        }
        if (std::strcmp(arg, "-warp") == 0) {
            flags |= kVideoHwPalette;
        } else if (std::strcmp(arg, "-hw") == 0) {
            flags |= kVideoHwSurface;
        } else if (std::strcmp(arg, "-fullscreen") == 0 || std::strcmp(arg, "-D") == 0) {
            flags |= kVideoFullscreen;
        }
    }
    return flags;
}

int DoInit(const char* configFileName)
{
    MemoryReport("debut DoInit");
    OpenCD();
    PlayCDTrack(1);
    ReadArchiveIndex("vorlane.cre");  // a missing or bad archive is reported there
    M_loadConfig(configFileName);
    BindSceneNames();
    BindResourceNames();
    BindObjectNames();
    ChangeScene(specialNames.StartScene);
    ComposeFrame();
    Flip();
    PreparePanel(FindObject(specialNames.PanelObject));
    InitPanel(0, kScreenHeight);
    ChangeScene(specialNames.StartScene);
    PlacePerso(kStartPoint.x, kStartPoint.y);
    SetWalkTarget(kStartPoint.x, kStartPoint.y);
    MemoryReport("fin doInit");
    return 1;
}

void DoFrame()
{
    ClockFrameStep();
    UpdatePanel(mouse.ptMouse.x, mouse.ptMouse.y);
    UpdateWalk();
    if (pollMouse) {
        int32_t x = 0;
        int32_t y = 0;
        ReadPointer(&x, &y);
        OnMouseMove(x, y, 0);
    }
    ComposeFrame();

    uint32_t now = GetTicks();
    frameClock.nFrameCount += 1;
    if (frameClock.nFirstFrameTick == 0) {
        frameClock.nFirstFrameTick = now;
    }
    frameClock.nAvgFrameMs =
        static_cast<int32_t>((now - frameClock.nFirstFrameTick) / frameClock.nFrameCount);
    DrawTimingLine(static_cast<int32_t>(now - frameClock.nLastFrameTick), frameClock.nAvgFrameMs);
    frameClock.nLastFrameTick = now;
    Flip();
}
