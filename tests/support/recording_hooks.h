// Hooks for engine tests: every call is appended to hookLog, and tests may
// install behaviour for any of them.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct HookCall {
    std::string hook;   // e.g. "OnClickObject"
    int32_t a;          // first integer argument
    int32_t b;          // second integer argument
    std::string text;   // scene name of OnSceneEnter
    HookCall(std::string h, int32_t a0 = 0, int32_t b0 = 0, std::string t = "")
        : hook(std::move(h)), a(a0), b(b0), text(std::move(t)) {}
    bool operator==(const HookCall& o) const
    {
        return hook == o.hook && a == o.a && b == o.b && text == o.text;
    }
};

extern std::vector<HookCall> hookLog;

// Optional behaviour run by the hooks after logging.
extern std::function<void()> onBindNames;  // run by BindObjectNames
extern std::function<void(int32_t)> onClickObject;
extern std::function<void(int32_t, int32_t)> onUseObject;
extern std::function<void(const char*)> onSceneEnter;

void ResetRecordingHooks();
