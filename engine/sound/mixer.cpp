#include "engine/sound/mixer.h"

#include <cstdlib>
#include <cstring>

SoundChannel soundChannels[kSoundChannelCount] = {};

void MixPeriod(uint8_t* stream, uint32_t len, MixFunction mix)
{
    // Whatever the device left in the stream, the unmixed part must be silence
    // (0 for signed samples).
    std::memset(stream, 0, len);

    uint32_t n = len;
    for (SoundChannel& c : soundChannels) {
        if (c.remaining == 0 && c.loops > 0) {
            c.remaining = c.length;
            c.pos = c.buffer;
            c.loops -= 1;
        }
        if (c.remaining > 0 && c.remaining < n) {
            n = c.remaining;
        }
    }
    // A sound ending inside the period stops every channel at that point: the
    // rest of the period stays silent and nothing is skipped.
    for (SoundChannel& c : soundChannels) {
        if (c.remaining > 0) {
            mix(stream, c.pos, n);
            c.pos += n;
            c.remaining -= n;
        }
    }
}

void InstallSound(int channel, uint8_t* buffer, uint32_t length, int32_t count)
{
    SoundChannel& c = soundChannels[channel];
    std::free(c.buffer);
    c.buffer = buffer;
    c.length = length;
    c.remaining = length;
    c.pos = buffer;
    c.loops = count - 1;
}
