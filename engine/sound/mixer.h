// The sound-effect mixer: three channel records shared between the main thread
// (which installs sounds) and the audio callback (which mixes one period at a
// time). The output format is fixed; the front end opens the device with it and
// runs MixPeriod from its callback.
#pragma once
#include <cstdint>

// Output format: 22050 Hz, signed 16-bit little-endian, stereo, 1024 frames a period.
constexpr int kMixRate = 22050;
constexpr int kMixChannels = 2;
constexpr int kMixPeriodFrames = 1024;
constexpr uint32_t kMixPeriodBytes = kMixPeriodFrames * kMixChannels * 2;

constexpr int kSoundChannelCount = 3;
constexpr int kEffectChannel = 2;  // every sound the engine plays goes here

struct SoundChannel {
    uint8_t* buffer;     // the converted sound (from malloc), owned by the channel
    uint32_t length;     // its size in bytes
    int32_t loops;       // plays still to come after the current one
    uint8_t* pos;        // next byte to mix
    uint32_t remaining;  // bytes of the current play not yet mixed; 0 = silent
};
extern SoundChannel soundChannels[kSoundChannelCount];

// Adds len bytes of samples from src into dst at full volume.
using MixFunction = void (*)(uint8_t* dst, const uint8_t* src, uint32_t len);

// Audio thread: fills one period of len bytes (silence first, then the
// channels, up to the end of the shortest sound).
void MixPeriod(uint8_t* stream, uint32_t len, MixFunction mix);
// Main thread, with the callback held off: puts a converted sound into a
// channel, to be played count times from the next period; frees the previous one.
void InstallSound(int channel, uint8_t* buffer, uint32_t length, int32_t count);
