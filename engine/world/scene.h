// Scenes: the scene table with its reserved entry 0, lookups by name, the
// current scene and ChangeScene.
#pragma once

constexpr int kMaxScenes = 200;  // entry 0 reserved: 199 usable
constexpr int kSceneNameSize = 256;

struct Scene {
    char Name[kSceneNameSize];
    float ScalePerso;  // the character's scale while this scene is current; 0 = unscaled
    Scene();
};

void ClearScenes();
int AddScene(const char* name, float scale);  // 0, or -1 when the table is full
int FindScene(const char* name);               // 0 when none
Scene& GetScene(const char* name);             // entry 0 when none
// Makes the scene current, gives the character its scale, calls OnSceneEnter.
void ChangeScene(const char* name);
const char* GetCurrentSceneName();
