#include "engine/config/config_writer.h"

#include <cstdio>

#include "engine/archive/file_paths.h"
#include "engine/archive/loose_file.h"
#include "engine/config/config_reader.h"
#include "engine/world/world.h"

namespace {
// The table's section with its count of records (count - 1: -1 when empty).
void WriteTableCount(FILE* f, const char* table, const char* key, int count)
{
    std::fprintf(f, "\n[%s]\n", table);
    std::fprintf(f, "%s=%d\n", key, count - 1);
}

void WriteScenes(FILE* f)
{
    WriteTableCount(f, "Scenes", "NbScenes", World.sceneCount);
    for (int i = 1; i < World.sceneCount; ++i) {
        const Scene& s = World.scenes[i];
        std::fprintf(f, "\n[Scene%d]\n", i);
        std::fprintf(f, "Name=%s\n", s.Name);
        std::fprintf(f, "ScalePerso=%3.3f\n", static_cast<double>(s.ScalePerso));
    }
}

void WriteObjets(FILE* f)
{
    WriteTableCount(f, "Objets", "NbObjets", World.objetCount);
    for (int i = 1; i < World.objetCount; ++i) {
        const Objet& o = World.objets[i];
        std::fprintf(f, "\n[Objet%d]\n", i);
        std::fprintf(f, "Name=%s\n", o.Name);
        std::fprintf(f, "AffName=%s\n", o.AffName);
        std::fprintf(f, "ResAnimName=%s\n", o.ResAnimName);
        // The current position, so that a moved object is written where it stands.
        std::fprintf(f, "ptCoord.x=%d\n", o.ptCurrent.x);
        std::fprintf(f, "ptCoord.y=%d\n", o.ptCurrent.y);
        std::fprintf(f, "ptSize.x=%d\n", o.ptSize.x);
        std::fprintf(f, "ptSize.y=%d\n", o.ptSize.y);
        std::fprintf(f, "ptHotSpot.x=%d\n", o.ptHotSpot.x);
        std::fprintf(f, "ptHotSpot.y=%d\n", o.ptHotSpot.y);
        std::fprintf(f, "ptText.x=%d\n", o.ptText.x);
        std::fprintf(f, "ptText.y=%d\n", o.ptText.y);
        std::fprintf(f, "SceneName=%s\n", o.SceneName);
        std::fprintf(f, "SceneSuivanteName=%s\n", o.SceneSuivanteName);
        std::fprintf(f, "SceneSuivantePoint=%s\n", o.SceneSuivantePoint);
        std::fprintf(f, "isClickable=%d\n", o.isClickable);
        std::fprintf(f, "isAfficher=%d\n", o.isAfficher);
        std::fprintf(f, "isZoneDep=%d\n", o.isZoneDep);
        std::fprintf(f, "isDragAndDrop=%d\n", o.isDragAndDrop);
    }
}

void WriteRessource(FILE* f, const Ressource& r)
{
    std::fprintf(f, "Name=%s\n", r.Name);
    std::fprintf(f, "type=%s\n", RessourceTypeNames[r.type]);
    switch (r.type) {
    case kResAnim: {
        int k = 0;
        for (const Image* frame = &r.frames; frame != nullptr; frame = frame->next, ++k) {
            std::fprintf(f, "filePath%d=%s\n", k, frame->path);
            std::fprintf(f, "tempo%d=%d\n", k, frame->tempo);
        }
        std::fprintf(f, "nbAnim=%d\n", k);
        break;
    }
    case kResBmp:
        std::fprintf(f, "filePath=%s\n", r.frames.path);
        break;
    case kResWav:
    case kResMid:
        std::fprintf(f, "filePath=%s\n", r.soundPath);
        break;
    case kResText:
        std::fprintf(f, "textBuf=%s\n", r.text);
        std::fprintf(f, "textBufEng=%s\n", r.textEng);
        break;
    default:
        break;
    }
}

void WriteRessources(FILE* f)
{
    WriteTableCount(f, "Ressources", "NbRessources", World.ressourceCount);
    for (int i = 1; i < World.ressourceCount; ++i) {
        std::fprintf(f, "\n[Ressource%d]\n", i);
        WriteRessource(f, World.ressources[i]);
    }
}

// One "#define <prefix><name padded to 30>\t"<name>"" line per named record.
template <typename Record>
void WriteDefines(FILE* f, const char* prefix, const Record* records, int count)
{
    for (int i = 1; i < count; ++i) {
        if (records[i].Name[0] != '\0') {
            std::fprintf(f, "#define %s%-30s\t\"%s\"\n", prefix, records[i].Name, records[i].Name);
        }
    }
}
}

int WriteConfig(const char* path)
{
    FILE* f = OpenLooseFile(path != nullptr ? path : "./vorlane.dat", "w");
    if (f == nullptr) {
        return 0;
    }
    WriteScenes(f);
    WriteObjets(f);
    WriteRessources(f);
    return CloseWrittenFile(f);
}

int WriteConfigBack()
{
    if (ConfigLines.path[0] == '\0') {
        return 1;
    }
    WriteConfig(ConfigLines.path);
    return 0;
}

int WriteHeader(const char* path)
{
    if (path == nullptr) {
        return 0;
    }
    FILE* f = OpenLooseFile(path, "w");
    if (f == nullptr) {
        return 0;
    }
    std::fprintf(f, "/**************************/\n");
    std::fprintf(f, "/* Fichier Genere         */\n");
    std::fprintf(f, "/* %s         */\n", path);
    std::fprintf(f, "/**************************/\n");
    std::fprintf(f, "\n/******** Scenes **********/\n");
    std::fprintf(f, "#define C_NbScenes %d\n", World.sceneCount);
    WriteDefines(f, "C_Scene_", World.scenes, World.sceneCount);
    std::fprintf(f, "\n/******** Objets ********/\n");
    std::fprintf(f, "#define C_NbObjets %d\n", World.objetCount);
    WriteDefines(f, "C_Objet_", World.objets, World.objetCount);
    std::fprintf(f, "\n/******** Ressources ********/\n");
    std::fprintf(f, "#define C_NbRessources %d\n", World.ressourceCount);
    WriteDefines(f, "C_Res_", World.ressources, World.ressourceCount);
    return CloseWrittenFile(f);
}
