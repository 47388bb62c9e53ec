#include "engine/config/config_reader.h"

#include <cctype>
#include <cfloat>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/archive/archive.h"
#include "engine/archive/line_reader.h"
#include "engine/archive/loose_file.h"
#include "engine/core/types.h"
#include "engine/world/world.h"

ConfigLineTable ConfigLines;

namespace {
LineReader configReader;  // large buffer: kept out of the stack

// Stores one line, cut to what a slot holds. The table keeps 16000 lines; the
// message comes with the last line stored and with every line dropped.
void StoreLine(const char* line)
{
    if (ConfigLines.count < kConfigMaxLines) {
        CopyString(ConfigLines.lines[ConfigLines.count], line, kConfigLineSize - 1);
        ConfigLines.count += 1;
        if (ConfigLines.count < kConfigMaxLines) {
            return;
        }
    }
    std::printf("Pb Taille fichier .dat\n");
}

bool IsKeyLine(const char* line, const char* key)
{
    return std::strstr(line, key) != nullptr && std::strchr(line, '=') != nullptr;
}

// True when line is exactly "[" + section + "]".
bool IsHeaderOf(const char* line, const char* section, size_t sectionLength)
{
    return line[0] == '[' && std::strncmp(line + 1, section, sectionLength) == 0 &&
           line[sectionLength + 1] == ']' && line[sectionLength + 2] == '\0';
}

// Copies the text after the first "=" of line.
void CopyValue(const char* line, char* dest, int maxLength)
{
    CopyString(dest, std::strchr(line, '=') + 1, static_cast<size_t>(maxLength));
}

// Where the full scan for section starts when it is not the cursor's section:
// the first line holding "[" from the cursor's key line on, when its text from
// the "[" contains the section name; line 0 otherwise.
int ScanStart(const char* section)
{
    const ConfigCursor& c = ConfigLines.cursor;
    if (c.lastSection[0] == '\0') {
        return 0;
    }
    for (int i = c.keyLine; i < ConfigLines.count; ++i) {
        const char* bracket = std::strchr(ConfigLines.lines[i], '[');
        if (bracket != nullptr) {
            return std::strstr(bracket, section) != nullptr ? i : 0;
        }
    }
    return 0;
}

// True when text starts with a decimal real number; *end is set past it.
// Accepts blanks, a sign, digits with at most one point, then an exponent.
bool DecimalRealPrefix(const char* text, const char** end)
{
    const char* p = text;
    while (std::isspace(static_cast<unsigned char>(*p))) {
        ++p;
    }
    if (*p == '+' || *p == '-') {
        ++p;
    }
    int digits = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        ++digits;
    }
    if (*p == '.') {
        for (++p; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
            ++digits;
        }
    }
    if (digits == 0) {
        return false;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-') {
            ++q;
        }
        if (std::isdigit(static_cast<unsigned char>(*q))) {
            for (p = q; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
            }
        }
    }
    *end = p;
    return true;
}

// A table count from the configuration, cut to the capacity with a message.
int ReadCount(const char* section, const char* key, int capacity, const char* what)
{
    int n = M_getConfigInt(section, key, 0);
    if (n > capacity) {
        std::printf("%s=%d: only the first %d %s are read\n", key, n, capacity, what);
        n = capacity;
    }
    return n;
}

void ReadScene(int i)
{
    char section[32];
    std::snprintf(section, sizeof section, "Scene%d", i);
    char name[256];
    M_getConfigString(section, "Name", "", name, 255);
    float scale = M_getConfigFloat(section, "ScalePerso");
    AddScene(name, scale);
}

void ReadObjet(int i)
{
    char section[32];
    std::snprintf(section, sizeof section, "Objet%d", i);
    char name[256], affName[256], resAnimName[256];
    char sceneName[256], nextScene[256], nextPoint[256];
    M_getConfigString(section, "Name", "", name, 255);
    M_getConfigString(section, "AffName", "", affName, 255);
    M_getConfigString(section, "ResAnimName", "", resAnimName, 255);
    M_getConfigString(section, "SceneName", "", sceneName, 255);
    M_getConfigString(section, "SceneSuivanteName", "", nextScene, 255);
    M_getConfigString(section, "SceneSuivantePoint", "", nextPoint, 255);
    ObjetConfig c = {};
    c.name = name;
    c.affName = affName;
    c.resAnimName = resAnimName;
    c.sceneName = sceneName;
    c.sceneSuivanteName = nextScene;
    c.sceneSuivantePoint = nextPoint;
    c.coord.x = M_getConfigInt(section, "ptCoord.x", 0);
    c.coord.y = M_getConfigInt(section, "ptCoord.y", 0);
    c.size.x = M_getConfigInt(section, "ptSize.x", 0);
    c.size.y = M_getConfigInt(section, "ptSize.y", 0);
    c.hotSpot.x = M_getConfigInt(section, "ptHotSpot.x", 0);
    c.hotSpot.y = M_getConfigInt(section, "ptHotSpot.y", 0);
    c.text.x = M_getConfigInt(section, "ptText.x", 0);
    c.text.y = M_getConfigInt(section, "ptText.y", 0);
    if (c.text.y == 0) {
        c.text.y = -20;
    }
    c.isClickable = M_getConfigInt(section, "isClickable", 0);
    c.isAfficher = M_getConfigInt(section, "isAfficher", 1);
    c.isZoneDep = M_getConfigInt(section, "isZoneDep", 0);
    c.isDragAndDrop = M_getConfigInt(section, "isDragAndDrop", 0);
    AddObjet(c);
}

// Anim: the record first, then its frames by name (so that they go to the
// first resource of that name).
void ReadAnimFrames(const char* section, const char* name)
{
    AddRessourceAnim(name);
    int frames = M_getConfigInt(section, "nbAnim", 0);
    if (frames > kConfigMaxAnimFrames) {
        std::printf("%s: nbAnim=%d, only the first %d frames are read\n", section, frames,
                    kConfigMaxAnimFrames);
        frames = kConfigMaxAnimFrames;
    }
    for (int k = 0; k < frames; ++k) {
        char key[32];
        char path[256];
        std::snprintf(key, sizeof key, "filePath%d", k);
        M_getConfigString(section, key, "", path, 255);
        std::snprintf(key, sizeof key, "tempo%d", k);
        int32_t tempo = M_getConfigInt(section, key, 0);
        SetRessourceFrame(name, k, path, tempo);
    }
}

using AddWithPathFn = int (*)(const char* name, const char* path);

// The addition of the types that carry one file path (Bmp, Wav, Mid), or null.
AddWithPathFn AddWithPath(RessourceType type)
{
    switch (type) {
    case kResBmp: return AddRessourceBmp;
    case kResWav: return AddRessourceWav;
    case kResMid: return AddRessourceMid;
    default: return nullptr;
    }
}

void ReadRessource(int i)
{
    char section[32];
    std::snprintf(section, sizeof section, "Ressource%d", i);
    char name[256], typeName[256];
    M_getConfigString(section, "Name", "", name, 255);
    M_getConfigString(section, "type", "", typeName, 255);
    const RessourceType type = RessourceTypeFromName(typeName);
    if (type == kResAnim) {
        ReadAnimFrames(section, name);
    } else if (type == kResText) {
        char textFr[kRessourceTextSize + 1];
        char textEng[kRessourceTextSize + 1];
        M_getConfigString(section, "textBuf", "", textFr, kRessourceTextSize);
        M_getConfigString(section, "textBufEng", "", textEng, kRessourceTextSize);
        AddRessourceText(name, textFr, textEng);
    } else if (auto add = AddWithPath(type)) {
        char path[256];
        M_getConfigString(section, "filePath", "", path, 255);
        add(name, path);
    } else {
        AddRessource(name, typeName);
    }
}
}

int M_loadConfigFileInMem(const char* path)
{
    ConfigLines.count = 0;
    FILE* f = nullptr;
    int size = 0;
    int64_t limit = -1;
    if (OpenArchiveEntry(path, &f, &size) == 0) {
        limit = size;
    } else if ((f = OpenLooseFile(path, "r")) == nullptr) {
        return -1;
    }
    StartLineReader(&configReader, f, limit);
    char line[kLineReadMax + 1];
    while (ReadLine(&configReader, line, kLineReadMax) > 0) {
        TrimLineEnd(line);
        StoreLine(line);
    }
    std::fclose(f);
    return 0;
}

int M_getConfigString(const char* section, const char* key, const char* def, char* dest,
                      int maxLength)
{
    if (section == nullptr || key == nullptr) {
        CopyString(dest, def, static_cast<size_t>(maxLength));
        return 1;
    }
    const size_t sectionLength = std::strlen(section);
    ConfigCursor& c = ConfigLines.cursor;
    int start = 0;
    if (std::strcmp(section, c.lastSection) == 0) {
        c.keyLine += 1;
        if (c.keyLine < ConfigLines.count && IsKeyLine(ConfigLines.lines[c.keyLine], key)) {
            CopyValue(ConfigLines.lines[c.keyLine], dest, maxLength);
            return 0;
        }
        start = c.sectionLine;
    } else {
        start = ScanStart(section);
    }
    for (int i = start; i < ConfigLines.count; ++i) {
        if (!IsHeaderOf(ConfigLines.lines[i], section, sectionLength)) {
            continue;
        }
        for (int j = i; j < ConfigLines.count; ++j) {
            if (IsKeyLine(ConfigLines.lines[j], key)) {
                CopyString(c.lastSection, section, kConfigSectionSize - 1);
                c.sectionLine = i;
                c.keyLine = j;
                CopyValue(ConfigLines.lines[j], dest, maxLength);
                return 0;
            }
        }
        // Later headers of the same name would search a part of the lines
        // just searched: the key is not there.
        break;
    }
    CopyString(dest, def, static_cast<size_t>(maxLength));
    return 1;
}

int M_getConfigInt(const char* section, const char* key, int def)
{
    char value[1024];
    M_getConfigString(section, key, "", value, 1023);
    return value[0] == '\0' ? def : ParseDecimal(value);
}

float M_getConfigFloat(const char* section, const char* key)
{
    char value[256];
    M_getConfigString(section, key, "", value, 255);
    const char* end = nullptr;
    if (!DecimalRealPrefix(value, &end)) {
        return 0.0f;
    }
    char number[256];
    CopyString(number, value, static_cast<size_t>(end - value));
    double v = std::strtod(number, nullptr);
    if (v > FLT_MAX) {
        return FLT_MAX;
    }
    if (v < -FLT_MAX) {
        return -FLT_MAX;
    }
    return static_cast<float>(v);
}

int M_loadConfig(const char* path)
{
    if (path == nullptr) {
        path = "./vorlane.dat";
    }
    ConfigLines.cursor.lastSection[0] = '\0';
    ConfigLines.cursor.sectionLine = 0;
    ConfigLines.cursor.keyLine = 0;
    if (std::strlen(path) < kConfigPathSize - 1) {
        CopyString(ConfigLines.path, path, kConfigPathSize - 2);
    } else {
        // A cut path would name another file: this one is never written back.
        ConfigLines.path[0] = '\0';
        std::printf("Configuration path longer than %d characters: it will not be "
                    "written back\n", kConfigPathSize - 2);
    }
    std::printf("M_loadConfigFileInMem (%s)\n", path);
    M_loadConfigFileInMem(path);
    std::printf("M_loadConfigFileInMem ok\n");

    int scenes = ReadCount("Scenes", "NbScenes", kMaxScenes - 1, "scenes");
    ClearScenes();
    for (int i = 1; i <= scenes; ++i) {
        ReadScene(i);
    }
    int objets = ReadCount("Objets", "NbObjets", kMaxObjets - 1, "objects");
    ClearObjets();
    for (int i = 1; i <= objets; ++i) {
        ReadObjet(i);
    }
    int ressources = ReadCount("Ressources", "NbRessources", kMaxRessources - 1, "resources");
    ClearRessources();
    for (int i = 1; i <= ressources; ++i) {
        ReadRessource(i);
    }
    return 1;
}
