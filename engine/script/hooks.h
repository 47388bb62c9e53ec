// The ten hooks through which the engine hands control to the game. Each
// program links exactly one definition of every hook: the game's (game/),
// the tool's empty ones (tools/empty_hooks.cpp) or the tests' recording ones.
#pragma once
#include <cstdint>

void OnKeyF3();                                    // F3 (Win32 build only)
int BindSceneNames();                              // start-up: set the scene slots
int BindResourceNames();                           // start-up: set the resource slots
int BindObjectNames();                             // start-up: set the object slots
int OnFunctionKey(int32_t key);                    // F4..F6 as 6..8 (Win32 build only)
void OnClickObject(int32_t object);                // released over the pressed object
void OnUseObject(int32_t dragged, int32_t target); // released over another object
void OnMouseEnterObject(int32_t object);           // hover entered an object
void OnMouseLeaveObject(int32_t object);           // hover left an object
void OnSceneEnter(const char* sceneName);          // last step of ChangeScene
