#include "engine/world/objet.h"

#include <cstdio>
#include <cstring>

#include "engine/world/lookup.h"
#include "engine/world/world.h"

namespace {
void CopyField(char* field, const char* s)
{
    CopyString(field, s, kObjetStringSize - 1);
}
}

void Objet::SetName(const char* s) { CopyField(Name, s); }
void Objet::SetAffName(const char* s) { CopyField(AffName, s); }
void Objet::SetSceneName(const char* s) { CopyField(SceneName, s); }
void Objet::SetNextScene(const char* s) { CopyField(SceneSuivanteName, s); }
void Objet::SetSceneSuivantePoint(const char* s) { CopyField(SceneSuivantePoint, s); }

void Objet::SetAnimName(const char* s)
{
    CopyField(ResAnimName, s);
    pFirstFrame = nullptr;
}

bool Objet::IsNamed(const char* s) const { return s != nullptr && std::strcmp(Name, s) == 0; }
bool Objet::IsInScene(const char* s) const { return s != nullptr && std::strcmp(SceneName, s) == 0; }
bool Objet::HasNextScene() const { return SceneSuivanteName[0] != '\0'; }

void ClearObjets()
{
    for (Objet& o : World.objets) {
        o.Name[0] = '\0';
        o.ResAnimName[0] = '\0';
        o.pFirstFrame = nullptr;
        o.SceneName[0] = '\0';
        o.SceneSuivanteName[0] = '\0';
        o.ptCurrent = {0, 0};
        o.ptCoord = {0, 0};
        o.ptSize = {0, 0};
        o.ptHotSpot = {0, 0};
        o.isClickable = 0;
        o.fScale = 0.0f;
    }
    World.objetCount = 0;
}

int AddObjet(const ObjetConfig& c)
{
    if (World.objetCount <= 0) {
        World.objetCount = 1;
    }
    if (World.objetCount >= kMaxObjets) {
        std::printf("Too many objects: %s ignored\n", c.name != nullptr ? c.name : "");
        return -1;
    }
    Objet& o = World.objets[World.objetCount++];
    o = Objet{};  // run-time state starts afresh with each load
    o.SetName(c.name);
    o.SetAffName(c.affName);
    o.SetAnimName(c.resAnimName);
    o.SetSceneName(c.sceneName);
    o.SetNextScene(c.sceneSuivanteName);
    o.SetSceneSuivantePoint(c.sceneSuivantePoint);
    o.ptCoord = c.coord;
    o.ptCurrent = c.coord;
    o.ptSize = c.size;
    o.ptText = c.text;
    o.ptHotSpot = c.hotSpot;
    o.isClickable = c.isClickable;
    o.isAfficher = c.isAfficher;
    o.isZoneDep = c.isZoneDep;
    o.isDragAndDrop = c.isDragAndDrop;
    return 0;
}

int FindObjectIndex(const char* name)
{
    return FindIndexByName(World.objets, World.objetCount, name);
}

Objet& FindObject(const char* name)
{
    return World.objets[FindObjectIndex(name)];
}
