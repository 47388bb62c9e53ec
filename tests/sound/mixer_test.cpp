// The mixer driven through its SDL callback, one period at a time, with WAV
// files written by the tests. The audio device is not opened here, so no other
// thread runs the callback.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/archive/archive.h"
#include "engine/sound/mixer.h"
#include "engine/sound/sound.h"
#include "engine/world/world.h"
#include "front_sdl/sdl_sound.h"
#include "support/test_env.h"
#include "support/sound_files.h"

namespace {
const std::string kSilentPeriod(kMixPeriodBytes, '\0');

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MakeScratchDir();
        ResetChannels();
    }
    void TearDown() override { ResetChannels(); }

    static void ResetChannels()
    {
        for (SoundChannel& c : soundChannels) {
            std::free(c.buffer);
            c = SoundChannel{};
        }
    }

    // One period as the device would get it, starting from stale bytes.
    static std::string Period()
    {
        std::string stream(kMixPeriodBytes, '\x5A');
        MixerCallback(nullptr, reinterpret_cast<Uint8*>(&stream[0]), kMixPeriodBytes);
        return stream;
    }
};

TEST_F(MixerTest, OutputFormatWavIsPlayedByteForByteAtFullVolume)
{
    const int frames = 3000;  // 12000 bytes: three periods, the last one short
    WriteFile("a.wav", OutputFormatWav(frames, 1000));
    const std::string data = OutputFormatSamples(frames, 1000);

    PlaySoundFile("a.wav");
    EXPECT_EQ(soundChannels[kEffectChannel].length, data.size());  // no conversion

    std::string heard = Period();
    heard += Period();
    heard += Period();
    EXPECT_EQ(heard.substr(0, data.size()), data);
    EXPECT_EQ(heard.substr(data.size()), std::string(3 * kMixPeriodBytes - data.size(), '\0'));
    EXPECT_EQ(Period(), kSilentPeriod);
}

TEST_F(MixerTest, ShortSoundLeavesSilenceNotStaleBytesInItsPeriod)
{
    const int frames = 100;
    WriteFile("short.wav", OutputFormatWav(frames, 7));
    PlaySoundFile("short.wav");

    std::string p = Period();
    EXPECT_EQ(p.substr(0, frames * 4), OutputFormatSamples(frames, 7));
    EXPECT_EQ(p.substr(frames * 4), std::string(kMixPeriodBytes - frames * 4, '\0'));
}

TEST_F(MixerTest, CountThreeIsHeardThreeTimesEachFromThePeriodStart)
{
    const int frames = 200;
    WriteFile("beep.wav", OutputFormatWav(frames, 300));
    const std::string data = OutputFormatSamples(frames, 300);
    const std::string once = data + std::string(kMixPeriodBytes - data.size(), '\0');
    ASSERT_EQ(LoadSoundChannel("beep.wav", 0, 3), 0);

    EXPECT_EQ(Period(), once);
    EXPECT_EQ(Period(), once);
    EXPECT_EQ(Period(), once);
    EXPECT_EQ(Period(), kSilentPeriod);
    EXPECT_EQ(soundChannels[0].loops, 0);
}

TEST_F(MixerTest, ASoundEndingInsideAPeriodStopsEveryChannelThereWithoutSkipping)
{
    WriteFile("long.wav", OutputFormatWav(2048, 0));  // two periods
    WriteFile("short.wav", OutputFormatWav(100, 0));
    ASSERT_EQ(LoadSoundChannel("long.wav", 0, 1), 0);
    ASSERT_EQ(LoadSoundChannel("short.wav", 1, 1), 0);

    Period();
    EXPECT_EQ(soundChannels[0].remaining, 2048u * 4 - 400);  // stopped with the short one
    EXPECT_EQ(soundChannels[1].remaining, 0u);
    Period();
    EXPECT_EQ(soundChannels[0].remaining, 2048u * 4 - 400 - kMixPeriodBytes);
}

TEST_F(MixerTest, EmptySoundStaysSilentHoweverOftenItIsPlayed)
{
    WriteFile("empty.wav", OutputFormatWav(0, 0));
    ASSERT_EQ(LoadSoundChannel("empty.wav", kEffectChannel, 3), 0);
    EXPECT_EQ(Period(), kSilentPeriod);
    EXPECT_EQ(Period(), kSilentPeriod);
    EXPECT_EQ(soundChannels[kEffectChannel].remaining, 0u);
}

TEST_F(MixerTest, SecondSoundCutsTheFirstAtOnce)
{
    WriteFile("first.wav", OutputFormatWav(4096, 100));
    WriteFile("second.wav", OutputFormatWav(500, 9000));

    PlaySoundFile("first.wav");
    EXPECT_EQ(Period(), OutputFormatSamples(1024, 100));
    PlaySoundFile("second.wav");
    std::string p = Period();
    EXPECT_EQ(p.substr(0, 2000), OutputFormatSamples(500, 9000));
    EXPECT_EQ(p.substr(2000), std::string(kMixPeriodBytes - 2000, '\0'));
    EXPECT_EQ(Period(), kSilentPeriod);
}

TEST_F(MixerTest, OtherFormatsAreConvertedToTheOutputFormat)
{
    // 11025 Hz, mono, unsigned 8-bit: twice the rate, twice the channels,
    // twice the bytes per sample. A constant level stays that level.
    const int samples = 1000;
    WriteFile("u8.wav", MakeWav(11025, 1, 8, std::string(samples, '\xC0')));

    PlaySoundFile("u8.wav");
    ASSERT_EQ(soundChannels[kEffectChannel].length, samples * 8u);
    std::string p = Period();
    for (int frame = 200; frame < 800; frame += 100) {
        int16_t left = static_cast<int16_t>((uint8_t)p[frame * 4] | ((uint8_t)p[frame * 4 + 1] << 8));
        int16_t right = static_cast<int16_t>((uint8_t)p[frame * 4 + 2] | ((uint8_t)p[frame * 4 + 3] << 8));
        EXPECT_NEAR(left, 0x4000, 64) << "frame " << frame;  // the resampler's gain is near 1
        EXPECT_EQ(right, left) << "frame " << frame;
    }
}

TEST_F(MixerTest, BackslashPathsAreOpenedAsLooseFiles)
{
    std::filesystem::create_directory("sons");
    WriteFile("sons/hello.wav", OutputFormatWav(10, 1));
    EXPECT_EQ(LoadSoundChannel("sons\\hello.wav", kEffectChannel, 1), 0);
    EXPECT_EQ(soundChannels[kEffectChannel].length, 40u);
}

// A compact delivery carries its sounds only in the archive.
TEST_F(MixerTest, ArchiveEntryIsPlayedBeforeTheLooseFile)
{
    const std::string packed = OutputFormatWav(10, 7);
    WriteFile("vorlane.cre", "1\n" + std::to_string(packed.size()) + ":sons\\packed.wav\n" +
                                 "### START ###" + packed);
    ASSERT_EQ(ReadArchiveIndex("vorlane.cre"), 0);
    EXPECT_EQ(LoadSoundChannel("sons\\packed.wav", kEffectChannel, 1), 0);
    const SoundChannel& c = soundChannels[kEffectChannel];
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(c.buffer), c.length),
              OutputFormatSamples(10, 7));
    CloseArchive();
}

struct BadSound {
    const char* name;
    std::string bytes;  // written to "bad.wav" unless empty
    const char* message;
};

TEST_F(MixerTest, BadSoundIsReportedAndTheChannelKeepsItsSound)
{
    const std::string fmtOnly = MakeWav(22050, 2, 16, "").substr(0, 36);
    std::string mp3Tag = MakeWav(22050, 2, 16, std::string(64, 'x'));
    mp3Tag[20] = 0x55;  // a compressed format the loader does not know
    const BadSound cases[] = {
        {"missing file", "", "Couldn't open wav file: "},
        {"not a RIFF file", "hello, world", "Couldn't open wav file: "},
        {"no data chunk", fmtOnly, "Couldn't open wav file: "},
        {"cut in the header", OutputFormatWav(10, 0).substr(0, 20), "Couldn't open wav file: "},
        {"unknown encoding", mp3Tag, "Couldn't open wav file: "},
    };
    WriteFile("good.wav", OutputFormatWav(50, 5));
    for (const BadSound& c : cases) {
        SCOPED_TRACE(c.name);
        ResetChannels();
        std::remove("bad.wav");
        if (!c.bytes.empty()) {
            WriteFile("bad.wav", c.bytes);
        }
        ASSERT_EQ(LoadSoundChannel("good.wav", kEffectChannel, 1), 0);
        const SoundChannel before = soundChannels[kEffectChannel];

        testing::internal::CaptureStdout();
        PlaySoundFile("bad.wav");
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.rfind(c.message, 0), 0u) << out;
        EXPECT_EQ(out.back(), '\n');
        EXPECT_EQ(soundChannels[kEffectChannel].buffer, before.buffer);
        EXPECT_EQ(soundChannels[kEffectChannel].remaining, before.remaining);
    }
}

TEST_F(MixerTest, UnknownSoundResourcePlaysTheEmptyPathOfResourceZero)
{
    ClearRessources();
    AddRessourceWav("RS_hello", "hello.wav");
    WriteFile("hello.wav", OutputFormatWav(10, 1));

    testing::internal::CaptureStdout();
    PlaySoundRes("RS_nobody");
    EXPECT_EQ(testing::internal::GetCapturedStdout().rfind("Couldn't open wav file: ", 0), 0u);
    EXPECT_EQ(soundChannels[kEffectChannel].buffer, nullptr);

    PlaySoundRes("RS_hello");
    EXPECT_EQ(soundChannels[kEffectChannel].length, 40u);
}

TEST_F(MixerTest, ChannelOutsideTheMixerIsRefused)
{
    WriteFile("a.wav", OutputFormatWav(10, 1));
    testing::internal::CaptureStdout();
    EXPECT_EQ(LoadSoundChannel("a.wav", 3, 1), -1);
    EXPECT_EQ(LoadSoundChannel("a.wav", -1, 1), -1);
    EXPECT_NE(testing::internal::GetCapturedStdout(), "");
}
}
