#include "engine/world/scene.h"

#include <cstdio>
#include <cstring>

#include "engine/core/types.h"
#include "engine/script/hooks.h"
#include "engine/script/bound_names.h"
#include "engine/world/lookup.h"
#include "engine/world/world.h"

WorldTables World;

Scene::Scene() : Name(), ScalePerso(0.0f) {}

void ClearScenes()
{
    for (Scene& s : World.scenes) {
        s.Name[0] = '\0';
    }
    World.sceneCount = 0;
}

int AddScene(const char* name, float scale)
{
    if (World.sceneCount == 0) {
        World.sceneCount = 1;
    }
    if (World.sceneCount >= kMaxScenes) {
        std::printf("Too many scenes: %s ignored\n", name != nullptr ? name : "");
        return -1;
    }
    Scene& s = World.scenes[World.sceneCount++];
    CopyString(s.Name, name, kSceneNameSize - 1);
    s.ScalePerso = scale;
    return 0;
}

int FindScene(const char* name)
{
    return FindIndexByName(World.scenes, World.sceneCount, name);
}

Scene& GetScene(const char* name)
{
    return World.scenes[FindScene(name)];
}

void ChangeScene(const char* name)
{
    World.currentScene = GetScene(name);
    FindObject(specialNames.PersoObject).fScale = World.currentScene.ScalePerso;
    OnSceneEnter(name != nullptr ? name : "");
}

const char* GetCurrentSceneName()
{
    return World.currentScene.Name;
}
