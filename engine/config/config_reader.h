// The configuration reader: loads the text configuration (from its archive
// entry when there is one, else from the loose file) into a table of lines,
// answers key lookups and fills the scene, object and resource tables.
//
//   M_loadConfig           loads the file and fills the three world tables: 1
//   M_loadConfigFileInMem  reads the lines into ConfigLines: 0, or -1
//   M_getConfigString      value of a key in a section, or the default: 0 or 1
//   M_getConfigInt         integer value of a key, or the default
//   M_getConfigFloat       real value of a key (longest decimal prefix), 0 if none
//
// Lookup rules: a key line is any line containing the key's text and "="; the
// value is everything after the first "=". The search for a key starts at its
// section's header and runs on to the end of the file, past the next headers.
// A cursor remembers the last key found, so keys requested in file order are
// each found on the next line.
#pragma once

constexpr int kConfigMaxLines = 16000;
constexpr int kConfigLineSize = 255;  // 254 characters and a terminator
constexpr int kConfigPathSize = 256;
constexpr int kConfigSectionSize = 256;
// Most frames read for one Anim resource; larger nbAnim values are cut.
constexpr int kConfigMaxAnimFrames = 1024;

struct ConfigCursor {
    char lastSection[kConfigSectionSize];  // section of the last full lookup found
    int sectionLine;                       // its header line
    int keyLine;                           // line of the last key found
};

struct ConfigLineTable {
    char lines[kConfigMaxLines][kConfigLineSize];
    int count;
    ConfigCursor cursor;
    char path[kConfigPathSize];  // path of the last M_loadConfig, 254 characters at most
};

extern ConfigLineTable ConfigLines;

// Loads path ("./vorlane.dat" when null) and fills the scene, object and
// resource tables; missing sections and keys give defaults. Returns 1.
int M_loadConfig(const char* path);
// Reads the lines of path into ConfigLines. Returns 0, or -1 when neither an
// archive entry nor a loose file of that name can be opened.
int M_loadConfigFileInMem(const char* path);
// Copies the value of key in section (or def when not found), at most
// maxLength characters, into dest (maxLength + 1 bytes). 0 when found, else 1.
int M_getConfigString(const char* section, const char* key, const char* def, char* dest,
                      int maxLength);
// The decimal value of key in section; def when the key is missing or empty.
int M_getConfigInt(const char* section, const char* key, int def);
// The longest decimal real number at the start of the value; 0 when none.
float M_getConfigFloat(const char* section, const char* key);
