// SDL 1.2 audio: the device's callback, which mixes the sound channels into
// each period of the stream.
#pragma once
#include <SDL.h>

void SDLCALL MixerCallback(void* userdata, Uint8* stream, int len);
