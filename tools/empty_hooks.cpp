// The tool's game binding: it runs no game, so every hook does nothing.
#include "engine/script/hooks.h"

void OnKeyF3() {}
int BindSceneNames() { return 0; }
int BindResourceNames() { return 0; }
int BindObjectNames() { return 0; }
int OnFunctionKey(int32_t) { return 0; }
void OnClickObject(int32_t) {}
void OnUseObject(int32_t, int32_t) {}
void OnMouseEnterObject(int32_t) {}
void OnMouseLeaveObject(int32_t) {}
void OnSceneEnter(const char*) {}
