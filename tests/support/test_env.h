// Shared helpers for the tests: a headless screen, pixel probes, scratch
// folders and small file helpers.
#pragma once
#include <cstdint>
#include <string>

// Starts SDL's video with the dummy driver and sets the 640 x 480 x 16
// full-screen mode with its back buffer, or with windowed set a 640 x 480
// window at the desktop's depth, which presents frames several times faster
// (the full screen is scaled to the dummy display). Once per process: the
// first call decides.
void StartTestScreen(bool windowed = false);
// Raw pixel value of the back buffer at (x, y).
uint32_t ProbeFond(int x, int y);
// The raw value the back buffer's format gives to an RGB colour.
uint32_t MapFond(uint8_t r, uint8_t g, uint8_t b);

// A new empty folder under the system's temporary folder; the test's working
// directory is changed into it when chdir is true.
std::string MakeScratchDir(bool chdir = true);
void WriteFile(const std::string& path, const std::string& bytes);
std::string ReadFile(const std::string& path);
