#include <SDL.h>
#include <gtest/gtest.h>

#include "engine/core/startup.h"
#include "engine/render/screen.h"

namespace {
int Depth(SurfaceHandle s)
{
    return static_cast<SDL_Surface*>(s)->format->BitsPerPixel;
}

void FreeScreen()
{
    SDL_FreeSurface(static_cast<SDL_Surface*>(screen.fond));
    screen.fond = nullptr;
}
}

// A window takes the desktop's depth; full screen always runs at 16 bits.
TEST(InitVideo, DepthRule)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    const int desktop = SDL_GetVideoInfo()->vfmt->BitsPerPixel;
    ASSERT_NE(desktop, 16) << "the dummy desktop should differ from 16 bits";

    testing::internal::CaptureStdout();
    ASSERT_EQ(screen.InitVideo(640, 480, 16, kVideoHwSurface), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Set SDL video Mode\nInit fond\n");
    EXPECT_EQ(Depth(screen.display), desktop);
    EXPECT_EQ(Depth(screen.fond), desktop);
    FreeScreen();

    ASSERT_EQ(screen.InitVideo(640, 480, 16, kVideoHwSurface | kVideoFullscreen), 1);
    EXPECT_EQ(Depth(screen.display), 16);
    EXPECT_EQ(Depth(screen.fond), 16);
    EXPECT_EQ(static_cast<SDL_Surface*>(screen.fond)->w, 640);
    EXPECT_EQ(static_cast<SDL_Surface*>(screen.fond)->h, 480);
    FreeScreen();
}
