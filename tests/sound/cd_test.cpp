// CD audio with sdl12-compat's stand-in drive: a folder of trackNN.mp3 files
// named by SDL12COMPAT_FAKE_CDROM_PATH, which plays through SDL's audio. The
// test watches the drive through a handle of its own.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "engine/sound/sound.h"
#include "support/test_env.h"
#include "support/wav_bytes.h"

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
        SDL_Quit();
        unsetenv("SDL12COMPAT_FAKE_CDROM_PATH");
    }

    // Starts SDL's CD-ROM subsystem over a stand-in disc of the given tracks
    // (about two seconds each); no tracks makes a drive without a disc.
    void StartDrive(int tracks)
    {
        std::string dir = MakeScratchDir(false);
        for (int i = 1; i <= tracks; ++i) {
            WriteFile(dir + "/track0" + std::to_string(i) + ".mp3", SilentMp3(80));
        }
        setenv("SDL12COMPAT_FAKE_CDROM_PATH", dir.c_str(), 1);
        setenv("SDL_AUDIODRIVER", "dummy", 0);  // the stand-in drive plays through an audio device
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO | SDL_INIT_CDROM), 0) << SDL_GetError();
        OpenCD();
        watch = SDL_CDOpen(0);
        ASSERT_NE(watch, nullptr) << SDL_GetError();
    }

    SDL_CD* watch = nullptr;
};

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
    ASSERT_EQ(SDL_Init(SDL_INIT_CDROM), 0) << SDL_GetError();
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
