#include "support/sound_files.h"

#include <cstdio>
#include <cstdlib>

#include "support/test_env.h"

namespace {
void Put16(std::string& s, uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v)
{
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

// An MPEG-1 layer III stream of silent 128 kbit/s frames (about 26 ms each).
std::string SilentMp3(int frames)
{
    // Header: sync, MPEG-1 layer III without CRC, 128 kbit/s, 44100 Hz, stereo;
    // all-zero side information and main data decode as silence.
    std::string frame(417, '\0');
    frame[0] = static_cast<char>(0xFF);
    frame[1] = static_cast<char>(0xFB);
    frame[2] = static_cast<char>(0x90);
    std::string s;
    for (int i = 0; i < frames; ++i) {
        s += frame;
    }
    return s;
}
}

std::string MakeWav(uint32_t rate, uint16_t channels, uint16_t bits, const std::string& data)
{
    uint32_t blockAlign = channels * bits / 8;
    std::string s = "RIFF";
    Put32(s, static_cast<uint32_t>(36 + data.size()));
    s += "WAVEfmt ";
    Put32(s, 16);
    Put16(s, 1);  // PCM
    Put16(s, channels);
    Put32(s, rate);
    Put32(s, rate * blockAlign);
    Put16(s, blockAlign);
    Put16(s, bits);
    s += "data";
    Put32(s, static_cast<uint32_t>(data.size()));
    return s + data;
}

std::string SampleBytes(const std::vector<int16_t>& samples)
{
    std::string s;
    for (int16_t v : samples) {
        Put16(s, static_cast<uint16_t>(v));
    }
    return s;
}

std::string OutputFormatSamples(int frames, int16_t base)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < frames; ++i) {
        samples.push_back(static_cast<int16_t>(base + i));
        samples.push_back(static_cast<int16_t>(-(base + i)));
    }
    return SampleBytes(samples);
}

std::string OutputFormatWav(int frames, int16_t base)
{
    return MakeWav(22050, 2, 16, OutputFormatSamples(frames, base));
}

std::string MakeFakeCd(int tracks)
{
    std::string dir = MakeScratchDir(false);
    for (int i = 1; i <= tracks; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/track%02d.mp3", i);
        WriteFile(dir + name, SilentMp3(80));
    }
    setenv("SDL12COMPAT_FAKE_CDROM_PATH", dir.c_str(), 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // the stand-in drive plays through an audio device
    return dir;
}
