#include <gtest/gtest.h>

#include <vector>

#include "engine/core/startup.h"
#include "engine/script/bound_names.h"
#include "support/recording_hooks.h"
#include "support/test_env.h"

namespace {
std::vector<HookCall> BindingAndSceneCalls()
{
    std::vector<HookCall> calls;
    for (const HookCall& c : hookLog) {
        if (c.hook.rfind("Bind", 0) == 0 || c.hook == "OnSceneEnter") {
            calls.push_back(c);
        }
    }
    return calls;
}
}

// The binding hooks run in order, then the start scene is entered twice.
TEST(DoInit, BindsThenEntersTheStartSceneTwice)
{
    StartTestScreen();
    MakeScratchDir();
    ResetRecordingHooks();
    onBindNames = [] { SetStartScene("Start"); };
    EXPECT_EQ(DoInit("missing.dat"), 1);
    const std::vector<HookCall> expected = {
        {"BindSceneNames"}, {"BindResourceNames"}, {"BindObjectNames"},
        {"OnSceneEnter", 0, 0, "Start"}, {"OnSceneEnter", 0, 0, "Start"},
    };
    EXPECT_EQ(BindingAndSceneCalls(), expected);
}

// With every special name empty the start-up still completes on scene 0.
TEST(DoInit, CompletesWithEmptySlots)
{
    StartTestScreen();
    MakeScratchDir();
    ResetRecordingHooks();
    SetStartScene("");
    EXPECT_EQ(DoInit("missing.dat"), 1);
    const std::vector<HookCall> calls = BindingAndSceneCalls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[3], HookCall("OnSceneEnter", 0, 0, ""));
    EXPECT_EQ(calls[4], HookCall("OnSceneEnter", 0, 0, ""));
}
