// The hover hooks: the dustbin lights up while the pointer is on it. Only its
// first picture changes, so the new look starts when the running cycle ends.
#include "engine/script/hooks.h"
#include "engine/script/primitives.h"
#include "game/steps.h"

namespace {
void SetDustbinLook(int32_t object, const char* resource)
{
    if (IsObjectIndex(object) && World.objets[object].IsNamed("ObjectId_Truc2")) {
        World.objets[object].pFirstFrame = &FindRessource(resource).frames;
    }
}
}

void OnMouseEnterObject(int32_t object)
{
    SetDustbinLook(object, "ResId_Poubelle_over");
}

void OnMouseLeaveObject(int32_t object)
{
    SetDustbinLook(object, "ResId_Poubelle");
}
