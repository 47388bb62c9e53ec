// Builds the bytes of small PCM WAV files and silent MP3 tracks for sound tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A RIFF/WAVE file with a PCM "fmt " chunk and the given sample bytes.
std::string MakeWav(uint32_t rate, uint16_t channels, uint16_t bits, const std::string& data);
// Little-endian bytes of 16-bit samples.
std::string SampleBytes(const std::vector<int16_t>& samples);
// A WAV in the mixer's output format (22050 Hz, 16-bit, stereo) whose frame i
// holds (base + i, -(base + i)): every byte of it is easy to recognise.
std::string OutputFormatWav(int frames, int16_t base);
// The data part of OutputFormatWav.
std::string OutputFormatSamples(int frames, int16_t base);
// An MPEG-1 layer III stream of silent 128 kbit/s frames (about 26 ms each).
std::string SilentMp3(int frames);
