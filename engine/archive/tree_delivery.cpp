// The tree delivery: every file copied to the same relative path under the
// delivery folder, with a list file recording the copies.
#include "engine/archive/delivery.h"
#include "engine/archive/file_paths.h"
#include "engine/archive/loose_file.h"
#include "engine/world/world.h"

namespace {
// Records a media path under its key, then delivers it.
void DeliverMedia(FILE* list, const char* directory, const char* key, const char* path)
{
    std::fprintf(list, "%s=%s\n", key, path);
    DeliverFile(list, directory, path);
}
}

int DeliverTree(const char* listPath)
{
    if (listPath == nullptr) {
        return 0;
    }
    char directory[kDeliveryPathSize];
    DirOfPath(directory, listPath);
    FILE* list = OpenLooseFile(listPath, "w");
    if (list == nullptr) {
        return 0;
    }
    DeliverBaseFiles(list, directory);
    std::fprintf(list, "Fichier de config :\n");
    std::fprintf(list, "\n[Ressources]\n");
    std::fprintf(list, "NbRessources=%d\n", World.ressourceCount - 1);
    for (int i = 1; i < World.ressourceCount; ++i) {
        const Ressource& r = World.ressources[i];
        switch (r.type) {
        case kResAnim: {
            int k = 0;
            for (const Image* frame = &r.frames; frame != nullptr; frame = frame->next, ++k) {
                char key[32];
                std::snprintf(key, sizeof key, "filePathAnim%d", k);
                DeliverMedia(list, directory, key, frame->path);
            }
            break;
        }
        case kResBmp:
            DeliverMedia(list, directory, "filePathBmp", r.frames.path);
            break;
        case kResWav:
            DeliverMedia(list, directory, "filePathWav", r.soundPath);
            break;
        case kResMid:
            DeliverMedia(list, directory, "filePathMid", r.soundPath);
            break;
        default:
            break;
        }
    }
    return CloseWrittenFile(list);
}
