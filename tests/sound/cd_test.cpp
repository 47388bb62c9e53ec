// CD audio with sdl12-compat's stand-in drive: a folder of trackNN.mp3 files
// named by SDL12COMPAT_FAKE_CDROM_PATH, which plays through SDL's audio. The
// test watches the drive through a handle of its own.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "engine/core/startup.h"
#include "engine/sound/sound.h"
#include "support/recording_hooks.h"
#include "support/test_env.h"
#include "support/sound_files.h"

namespace {
const char* kNoDriveMessage = "Couldn't open default CD-ROM drive: ";

int CountOf(const std::string& text, const std::string& part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

class CdTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (watch != nullptr) {
            SDL_CDClose(watch);
        }
        CloseCD();
        SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_CDROM);
        unsetenv("SDL12COMPAT_FAKE_CDROM_PATH");
    }

    // Starts SDL's CD-ROM subsystem over a stand-in disc of the given tracks.
    void StartDrive(int tracks)
    {
        MakeFakeCd(tracks);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_CDROM), 0) << SDL_GetError();
        OpenWatch();
        OpenCD();
    }

    // A handle of the test's own, opened before any track plays: with the
    // stand-in drive, a handle opened later does not see the playing track.
    void OpenWatch()
    {
        watch = SDL_CDOpen(0);
        ASSERT_NE(watch, nullptr) << SDL_GetError();
    }

    SDL_CD* watch = nullptr;
};

TEST_F(CdTest, StartUpOpensTheDriveAndPlaysTrackOne)
{
    StartTestScreen();
    MakeScratchDir();
    MakeFakeCd(2);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_CDROM), 0) << SDL_GetError();
    OpenWatch();
    ResetRecordingHooks();
    DoInit("missing.dat");
    EXPECT_EQ(SDL_CDStatus(watch), CD_PLAYING);
    EXPECT_EQ(watch->cur_track, 1);
}

TEST_F(CdTest, TrackOneIsTheDiscsSecondTrack)
{
    StartDrive(2);
    PlayCDTrack(1);
    EXPECT_EQ(SDL_CDStatus(watch), CD_PLAYING);
    EXPECT_EQ(watch->cur_track, 1);
}

TEST_F(CdTest, EveryTrackOfADiscPlaysAndANewTrackReplacesTheOldOne)
{
    StartDrive(3);
    for (int track : {0, 2, 1}) {
        PlayCDTrack(track);
        EXPECT_EQ(SDL_CDStatus(watch), CD_PLAYING) << "track " << track;
        EXPECT_EQ(watch->cur_track, track);
    }
}

TEST_F(CdTest, TrackBeyondTheDiscIsRefusedAndNothingPlays)
{
    StartDrive(2);
    for (int track : {2, 7, -1}) {
        PlayCDTrack(track);
        EXPECT_EQ(SDL_CDStatus(watch), CD_STOPPED) << "track " << track;
    }
}

TEST_F(CdTest, StopStopsPlayback)
{
    StartDrive(2);
    PlayCDTrack(0);
    StopCD();
    EXPECT_EQ(SDL_CDStatus(watch), CD_STOPPED);
}

TEST_F(CdTest, DriveWithoutADiscIsSilentAndReportsNothing)
{
    testing::internal::CaptureStderr();
    StartDrive(0);
    PlayCDTrack(1);
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(SDL_CDStatus(watch), CD_TRAYEMPTY);
    EXPECT_EQ(CountOf(err, kNoDriveMessage), 0) << err;
}

TEST_F(CdTest, NoDriveIsReportedOnceAndEverythingElseIsSilent)
{
    unsetenv("SDL12COMPAT_FAKE_CDROM_PATH");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_CDROM), 0) << SDL_GetError();
    ASSERT_EQ(SDL_CDNumDrives(), 0);

    testing::internal::CaptureStderr();
    EXPECT_EQ(OpenCD(), 0);
    std::string open = testing::internal::GetCapturedStderr();
    testing::internal::CaptureStderr();
    PlayCDTrack(1);
    PlayCDTrack(0);
    StopCD();
    CloseCD();
    CloseCD();
    std::string after = testing::internal::GetCapturedStderr();

    EXPECT_EQ(CountOf(open, kNoDriveMessage), 1) << open;
    EXPECT_EQ(after, "");
}

TEST_F(CdTest, ClosingTwiceIsHarmless)
{
    StartDrive(2);
    PlayCDTrack(1);
    StopCD();
    CloseCD();
    CloseCD();
    StopCD();
    PlayCDTrack(0);
    EXPECT_EQ(SDL_CDStatus(watch), CD_STOPPED);
}
}
