// Writers that work from the loaded world tables: the configuration file in
// its canonical layout (which the reader takes in one forward pass) and the
// header of name constants used by the game's script sources. Both files are
// written in text mode.
//
//   WriteConfig      writes the three tables as a configuration file: 1, or 0
//   WriteConfigBack  rewrites the file of the last M_loadConfig: 1 or 0
//   WriteHeader      writes the header of name constants: 1, or 0
#pragma once

// Writes the scene, object and resource tables to path ("./vorlane.dat" when
// null); objects are written at their current position. Returns 1, or 0 when
// the file cannot be created or written.
int WriteConfig(const char* path);
// Writes the tables back to the path of the last M_loadConfig: 1 without
// writing when that path is empty, otherwise 0 after WriteConfig.
int WriteConfigBack();
// Writes one #define per named scene, object and resource, with the table
// counts. Returns 1, or 0 when path is null or the file cannot be created or
// written.
int WriteHeader(const char* path);
