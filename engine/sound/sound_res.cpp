#include "engine/sound/sound.h"

#include "engine/world/world.h"

void PlaySoundRes(const char* name)
{
    PlaySoundFile(FindRessource(name).soundPath);
}
