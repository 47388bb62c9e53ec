// SDL 1.2 sound effects: the audio device, WAV loading and conversion into the
// mixer's channels.
#include "front_sdl/sdl_sound.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/archive/archive.h"
#include "engine/archive/loose_file.h"
#include "engine/sound/mixer.h"
#include "engine/sound/sound.h"

namespace {
void MixAtFullVolume(uint8_t* dst, const uint8_t* src, uint32_t len)
{
    SDL_MixAudio(dst, src, len, SDL_MIX_MAXVOLUME);
}

// The sound at path as an SDL stream: the archive entry of that name first (a
// compact delivery carries its sounds only there), else the loose file. A
// stream over an entry reads *block, which the caller frees once it is read.
SDL_RWops* OpenWav(const char* path, unsigned char** block)
{
    *block = nullptr;
    if (path == nullptr) {
        path = "";
    }
    int size = 0;
    if (LoadArchiveEntry(path, block, &size) == 0) {
        SDL_RWops* rw = SDL_RWFromConstMem(*block, size);
        if (rw == nullptr) {
            std::free(*block);
            *block = nullptr;
        }
        return rw;
    }
    FILE* file = OpenLooseFile(path, "rb");
    if (file == nullptr) {
        SDL_SetError("Couldn't open %s: %s", path, std::strerror(errno));
        return nullptr;
    }
    SDL_RWops* rw = SDL_RWFromFP(file, 1);
    if (rw == nullptr) {
        std::fclose(file);
    }
    return rw;
}

// Loads a WAV file and converts it to the output format. Returns a malloc'd
// buffer and its length, or null after printing the failure.
uint8_t* LoadConvertedWav(const char* path, uint32_t* length)
{
    SDL_AudioSpec wav;
    Uint8* data = nullptr;
    Uint32 dataLength = 0;
    unsigned char* block = nullptr;
    SDL_RWops* rw = OpenWav(path, &block);
    const bool loaded = rw != nullptr && SDL_LoadWAV_RW(rw, 1, &wav, &data, &dataLength) != nullptr;
    std::free(block);
    if (!loaded) {
        std::printf("Couldn't open wav file: %s\n", SDL_GetError());
        return nullptr;
    }
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, AUDIO_S16LSB, kMixChannels,
                          kMixRate) < 0) {
        std::printf("Couldn't create convert spec: %s\n", SDL_GetError());
        SDL_FreeWAV(data);
        return nullptr;
    }
    // The conversion works in place on an int-sized buffer len x len_mult bytes long.
    uint64_t size = static_cast<uint64_t>(dataLength) * static_cast<uint64_t>(cvt.len_mult);
    bool fits = cvt.len_mult > 0 && size <= INT_MAX;
    cvt.buf = fits ? static_cast<Uint8*>(std::malloc(size > 0 ? size : 1)) : nullptr;
    if (cvt.buf == nullptr) {
        SDL_FreeWAV(data);
        SDL_SetError(fits ? "out of memory" : "sound too long");
        std::printf("Couldn't convert: %s\n", SDL_GetError());
        return nullptr;
    }
    if (dataLength > 0) {  // an empty sound may come without data
        std::memcpy(cvt.buf, data, dataLength);
    }
    cvt.len = static_cast<int>(dataLength);
    SDL_FreeWAV(data);
    if (SDL_ConvertAudio(&cvt) < 0) {
        std::printf("Couldn't convert: %s\n", SDL_GetError());
        std::free(cvt.buf);
        return nullptr;
    }
    *length = static_cast<uint32_t>(cvt.len_cvt);
    return cvt.buf;
}
}

void SDLCALL MixerCallback(void* /*userdata*/, Uint8* stream, int len)
{
    if (len > 0) {
        MixPeriod(stream, static_cast<uint32_t>(len), MixAtFullVolume);
    }
}

int OpenAudio()
{
    SDL_AudioSpec wanted;
    std::memset(&wanted, 0, sizeof wanted);
    wanted.freq = kMixRate;
    wanted.format = AUDIO_S16LSB;
    wanted.channels = kMixChannels;
    wanted.samples = kMixPeriodFrames;
    wanted.callback = MixerCallback;
    wanted.userdata = nullptr;
    // No obtained format: SDL converts to whatever the hardware takes.
    if (SDL_OpenAudio(&wanted, nullptr) < 0) {
        std::fprintf(stderr, "Couldn't open audio: %s\n", SDL_GetError());
        return -1;
    }
    return 0;
}

int LoadSoundChannel(const char* path, int channel, int count)
{
    if (channel < 0 || channel >= kSoundChannelCount) {
        std::printf("No sound channel %d\n", channel);
        return -1;
    }
    uint32_t length = 0;
    uint8_t* buffer = LoadConvertedWav(path, &length);
    if (buffer == nullptr) {
        return -1;
    }
    // The lock waits for a running callback to finish and holds off the next one.
    SDL_LockAudio();
    InstallSound(channel, buffer, length, count);
    SDL_UnlockAudio();
    return 0;
}

void PlaySoundOnChannel(const char* path, int channel, int count)
{
    SDL_PauseAudio(1);
    LoadSoundChannel(path, channel, count);
    SDL_PauseAudio(0);
}

void PlaySoundFile(const char* path)
{
    PlaySoundOnChannel(path, kEffectChannel, 1);
}
