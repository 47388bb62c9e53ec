// WaitMs and QuitGame as scripts see them, on the stepping clock.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "engine/core/clock.h"
#include "engine/core/startup.h"
#include "engine/script/primitives.h"
#include "support/fixture_world.h"
#include "support/sound_files.h"
#include "support/test_env.h"

namespace {
class WaitTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartTestScreen();
        LoadFixtureWorld(FixtureWorld{});  // no objects left moving by another test
        frameClock = FrameClock{0, 0, 0, 1};
    }
    void TearDown() override { UsePlatformClock(); }
};

TEST_F(WaitTest, RunsFramesUntilTheTimeIsUpAndAlwaysAtLeastOne)
{
    struct Case {
        uint32_t start;
        uint32_t step;
        uint32_t ms;
        int32_t frames;
    };
    const Case cases[] = {
        {1000, 16, 0, 1},
        {1000, 16, 16, 1},
        {1000, 16, 17, 2},
        {1000, 16, 100, 7},
        {1000, 0, 0, 1},
        {0xFFFFFF00u, 16, 0x200, 32},  // across the wrap of the tick counter
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wait " << c.ms << " from " << c.start);
        UseSteppingClock(c.start, c.step);
        int32_t before = frameClock.nFrameCount;
        WaitMs(c.ms);
        EXPECT_EQ(frameClock.nFrameCount - before, c.frames);
    }
}

TEST_F(WaitTest, InputStaysQueuedDuringTheWait)
{
    UseSteppingClock(1000, 16);
    SDL_Event key = {};
    key.type = SDL_KEYDOWN;
    key.key.keysym.sym = SDLK_ESCAPE;
    ASSERT_EQ(SDL_PushEvent(&key), 0);

    WaitMs(500);

    SDL_Event seen = {};
    ASSERT_EQ(SDL_PeepEvents(&seen, 1, SDL_GETEVENT, SDL_EVENTMASK(SDL_KEYDOWN)), 1);
    EXPECT_EQ(seen.key.keysym.sym, SDLK_ESCAPE);
    EXPECT_EQ(quitRequested, 0);
}

TEST_F(WaitTest, QuitGameStopsTheMusicAndTheScriptRunsOn)
{
    MakeFakeCd(2);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_CDROM), 0) << SDL_GetError();
    // Opened before the music starts and not asked until the end: with the
    // stand-in drive, only such a handle reports the shared state faithfully.
    SDL_CD* watch = SDL_CDOpen(0);
    ASSERT_NE(watch, nullptr);
    OpenCD();
    PlayCDTrack(1);
    UseSteppingClock(1000, 16);
    quitRequested = 0;

    QuitGame();
    EXPECT_EQ(quitRequested, 1);
    // The script goes on to its end: frames still run, and the CD calls of a
    // second quit find the drive closed.
    int32_t before = frameClock.nFrameCount;
    WaitMs(100);
    EXPECT_EQ(frameClock.nFrameCount - before, 7);
    QuitGame();
    PlayCDTrack(0);
    EXPECT_EQ(SDL_CDStatus(watch), CD_STOPPED);

    quitRequested = 0;
    SDL_CDClose(watch);
    SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_CDROM);
    unsetenv("SDL12COMPAT_FAKE_CDROM_PATH");
}
}
