#include "support/recording_hooks.h"

#include "engine/script/hooks.h"

std::vector<HookCall> hookLog;
std::function<void()> onBindNames;
std::function<void(int32_t)> onClickObject;
std::function<void(int32_t, int32_t)> onUseObject;
std::function<void(const char*)> onSceneEnter;

void ResetRecordingHooks()
{
    hookLog.clear();
    onBindNames = nullptr;
    onClickObject = nullptr;
    onUseObject = nullptr;
    onSceneEnter = nullptr;
}

void OnKeyF3() { hookLog.push_back({"OnKeyF3"}); }
int BindSceneNames()
{
    hookLog.push_back({"BindSceneNames"});
    return 0;
}
int BindResourceNames()
{
    hookLog.push_back({"BindResourceNames"});
    return 0;
}
int BindObjectNames()
{
    hookLog.push_back({"BindObjectNames"});
    if (onBindNames) {
        onBindNames();
    }
    return 0;
}
int OnFunctionKey(int32_t key)
{
    hookLog.push_back({"OnFunctionKey", key});
    return 0;
}
void OnClickObject(int32_t object)
{
    hookLog.push_back({"OnClickObject", object});
    if (onClickObject) {
        onClickObject(object);
    }
}
void OnUseObject(int32_t dragged, int32_t target)
{
    hookLog.push_back({"OnUseObject", dragged, target});
    if (onUseObject) {
        onUseObject(dragged, target);
    }
}
void OnMouseEnterObject(int32_t object) { hookLog.push_back({"OnMouseEnterObject", object}); }
void OnMouseLeaveObject(int32_t object) { hookLog.push_back({"OnMouseLeaveObject", object}); }
void OnSceneEnter(const char* name)
{
    hookLog.push_back({"OnSceneEnter", 0, 0, name});
    if (onSceneEnter) {
        onSceneEnter(name);
    }
}
