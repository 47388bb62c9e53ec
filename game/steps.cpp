#include "game/steps.h"

#include "engine/script/primitives.h"

void Show(const char* object) { FindObject(object).SetVisible(1); }
void Hide(const char* object) { FindObject(object).SetVisible(0); }
bool IsShown(const char* object) { return FindObject(object).isAfficher != 0; }

void Say(const char* object, const char* text)
{
    FindObject(object).SayText(text, 2000, 1);
}

void PutPersoAt(const char* pointObject)
{
    PlacePersoAt(pointObject);
    SetWalkTargetAt(pointObject);
}

void LeaveScene(const char* object, const char* pointObject, int32_t ms, const char* walkAnim)
{
    FindObject(object).MoveToObject(pointObject, ms);
    if (walkAnim != nullptr) {
        FindObject(object).SetAnim(walkAnim);
    }
    WaitMs(static_cast<uint32_t>(ms));
    Hide(object);
}

bool IsObjectIndex(int32_t index)
{
    return index > 0 && index < World.objetCount;
}
