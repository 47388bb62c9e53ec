// Sound effects (WAV through a three-channel mixer) and CD audio. Implemented
// by the front end, except PlaySoundRes.
#pragma once
#include <cstdint>

int OpenAudio();                                             // 0, or -1
int LoadSoundChannel(const char* path, int channel, int count);  // 0, or -1
void PlaySoundOnChannel(const char* path, int channel, int count);
void PlaySoundFile(const char* path);   // channel 2, once
void PlaySoundRes(const char* name);    // the sound path of the named resource

int OpenCD();                 // opens the default drive; 0
void PlayCDTrack(int track);  // 0 is the disc's first track
void StopCD();
void CloseCD();
