#include "engine/core/types.h"
#include "engine/render/image.h"

namespace {
// Walks position links from list, appending empty nodes where needed.
Image* WalkCreating(Image* list, int position)
{
    Image* node = list;
    for (int k = 0; k < position; ++k) {
        if (node->next == nullptr) {
            node->next = new Image();
        }
        node = node->next;
    }
    return node;
}
}

int SetImagePath(Image* list, int position, const char* path)
{
    CopyString(WalkCreating(list, position)->path, path, kImagePathSize - 1);
    return 1;
}

int SetImageTempo(Image* list, int position, int32_t tempo)
{
    WalkCreating(list, position)->tempo = tempo;
    return 1;
}

Image* ImageAt(Image* list, int position)
{
    Image* node = list;
    for (int k = 0; k < position && node != nullptr; ++k) {
        node = node->next;
    }
    return node;
}
