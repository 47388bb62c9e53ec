// The audio device itself: opened at the fixed output format, paused until the
// first sound, and the failure message when no device can be had.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "engine/sound/mixer.h"
#include "engine/sound/sound.h"
#include "support/test_env.h"
#include "support/sound_files.h"

namespace {
class AudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeScratchDir();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    void TearDown() override
    {
        SDL_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
};

TEST_F(AudioDeviceTest, OpensPausedAndTheFirstSoundStartsIt)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    ASSERT_EQ(OpenAudio(), 0);
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PAUSED);

    WriteFile("a.wav", OutputFormatWav(10, 1));
    PlaySoundFile("a.wav");
    EXPECT_EQ(SDL_GetAudioStatus(), SDL_AUDIO_PLAYING);
}

TEST_F(AudioDeviceTest, NoDeviceIsReportedOnceAndSoundsAreStillLoaded)
{
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(OpenAudio(), -1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("Couldn't open audio: ", 0), 0u) << err;

    WriteFile("a.wav", OutputFormatWav(10, 1));
    testing::internal::CaptureStderr();
    PlaySoundFile("a.wav");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(soundChannels[kEffectChannel].length, 40u);
}
}
