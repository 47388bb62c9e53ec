#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "engine/archive/archive.h"
#include "engine/core/startup.h"
#include "game_folder.h"
#include "support/test_env.h"

namespace {
void PushKey(SDLKey key)
{
    SDL_Event e = {};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}
}

TEST(F1Key, WritesTheCompactDeliveryIntoTheWorkingDirectoryAndTheGameGoesOn)
{
    StartTestScreen();
    MakeScratchDir();
    MakeGameFolder();
    LoadGameFolder();
    quitRequested = 0;
    PushKey(SDLK_F1);
    PollEvents();
    EXPECT_EQ(quitRequested, 0);
    ASSERT_EQ(ReadArchiveIndex("vorlane.cre"), 0);
    EXPECT_EQ(archiveEntryCount, 6);
    EXPECT_STREQ(archiveEntries[0].name, "vorlane.dat");
    CloseArchive();
}
