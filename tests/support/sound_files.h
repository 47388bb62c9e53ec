// Sound files for tests: small PCM WAV files, and a stand-in CD for
// sdl12-compat (a folder of silent trackNN.mp3 files).
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
// A new scratch folder holding tracks silent tracks of about two seconds,
// named by SDL12COMPAT_FAKE_CDROM_PATH from now on; 0 tracks is a drive
// without a disc. SDL's CD-ROM subsystem must be started afterwards.
std::string MakeFakeCd(int tracks);
