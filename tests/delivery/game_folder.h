// A small game folder for the delivery tests: a configuration in canonical
// layout, media files with binary content, launch scripts and music tracks.
#pragma once
#include <map>
#include <string>

// The configuration as the writer lays it out (byte-exact round trip).
extern const char kFixtureConfig[];

// Media paths (backslashes, as the configuration names them) and their bytes.
const std::map<std::string, std::string>& FixtureMedia();

// Writes the game folder into the working directory: vorlane.dat, the media,
// the two launch scripts and the cd folder's tracks.
void MakeGameFolder();
// Bytes of the loose file named with backslashes, relative to the working directory.
std::string ReadGameFile(const std::string& windowsPath);
// Empties the three tables.
void ResetWorld();
// Loads the fixture world from the working directory's vorlane.dat.
void LoadGameFolder();
// The working directory, absolute, with a trailing slash.
std::string Cwd();
