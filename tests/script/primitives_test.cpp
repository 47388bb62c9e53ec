// Script primitives whose timing scripts rely on, run through WaitMs on the
// stepping clock: walking to where the character stands, timed moves of 0 ms,
// a new animation name, and a shake started during a shake.
#include <gtest/gtest.h>

#include <vector>

#include "engine/core/clock.h"
#include "engine/core/startup.h"
#include "engine/script/primitives.h"
#include "engine/script/bound_names.h"
#include "support/fixture_world.h"
#include "support/recording_hooks.h"
#include "support/test_env.h"

namespace {
constexpr uint32_t kStepMs = 16;

class PrimitivesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StartTestScreen();
        FixtureWorld w;
        w.AddScene("S_Room");
        w.AddPicture("R_block", 20, 20, {200, 40, 40});
        w.AddAnim("RA_four", {{10, 10, {255, 0, 0}, 100}, {11, 10, {0, 255, 0}, 100},
                              {12, 10, {0, 0, 255}, 100}, {13, 10, {255, 255, 0}, 100}});
        w.AddAnim("RA_two", {{14, 10, {0, 255, 255}, 100}, {15, 10, {255, 0, 255}, 100}});
        w.AddObject("O_perso", "S_Room", "R_block", {300, 300}).hotSpot = {10, 20};
        w.AddObject("O_point", "S_Room", "", {200, 250});
        w.AddObject("O_box", "S_Room", "R_block", {100, 100}).hotSpot = {10, 10};
        w.AddObject("O_target", "S_Room", "", {400, 180});
        w.AddObject("O_flag", "S_Room", "RA_four", {50, 50});
        LoadFixtureWorld(w);
        ResetRecordingHooks();
        SetPersoObject("O_perso");
        SetPersoScene("S_Room");
        UseSteppingClock(1000, kStepMs);
        frameClock = FrameClock{0, 0, 0, 1};  // timed moves scale with the average frame
        ChangeScene("S_Room");
        PlacePersoAt("O_point");
        SetWalkTargetAt("O_point");
        isShaking = 0;
        nShakeFrames = 0;
        WaitMs(0);
    }
    void TearDown() override { UsePlatformClock(); }

    static int32_t FramesOf(void (*script)())
    {
        int32_t before = frameClock.nFrameCount;
        script();
        return frameClock.nFrameCount - before;
    }
};

TEST_F(PrimitivesTest, WalkToReturnsAtOnceWhenTheCharacterIsAlreadyThere)
{
    struct Case {
        Point offset;  // of O_point's hot spot from where the character stands
        bool atOnce;
    };
    const Case cases[] = {
        {{29, 29}, true}, {{-29, -29}, true}, {{0, 29}, true}, {{30, 0}, false}, {{0, -30}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "offset " << c.offset.x << ", " << c.offset.y);
        PlacePersoAt("O_point");
        Objet& point = FindObject("O_point");
        point.ptCurrent = {point.ptCoord.x + c.offset.x, point.ptCoord.y + c.offset.y};
        int32_t frames = FramesOf([] { EXPECT_EQ(WalkTo("O_point"), 1); });
        EXPECT_EQ(frames == 0, c.atOnce) << frames << " frames";
        EXPECT_TRUE(IsPersoArrived());
        point.ResetPosition();
    }
}

TEST_F(PrimitivesTest, MoveToObjectOfNoTimeStartsNoMove)
{
    Objet& box = FindObject("O_box");
    box.MoveToObject("O_target", 0);
    WaitMs(500);
    EXPECT_EQ(box.ptCurrent.x, 100);
    EXPECT_EQ(box.ptCurrent.y, 100);

    // The same move given time glides the hot spot onto the target.
    box.MoveToObject("O_target", 320);
    WaitMs(500);
    EXPECT_NEAR(box.ptCurrent.x + box.ptHotSpot.x, 400, 1);
    EXPECT_NEAR(box.ptCurrent.y + box.ptHotSpot.y, 180, 1);
}

TEST_F(PrimitivesTest, SetAnimNameLetsTheRunningCycleFinishFirst)
{
    Objet& flag = FindObject("O_flag");
    std::vector<const Image*> four;
    for (const Image* i = &FindRessource("RA_four").frames; i != nullptr; i = i->next) {
        four.push_back(i);
    }
    const Image* two = &FindRessource("RA_two").frames;
    ASSERT_EQ(four.size(), 4u);
    for (int n = 0; n < 100 && flag.pCurFrame != four[1]; ++n) {
        WaitMs(0);
    }
    ASSERT_EQ(flag.pCurFrame, four[1]);

    flag.SetAnimName("RA_two");
    std::vector<const Image*> shown = {flag.pCurFrame};
    for (int n = 0; n < 60; ++n) {
        WaitMs(0);
        if (flag.pCurFrame != shown.back()) {
            shown.push_back(flag.pCurFrame);
        }
    }
    ASSERT_GE(shown.size(), 5u);
    const std::vector<const Image*> expected = {four[1], four[2], four[3], two, two->next};
    EXPECT_EQ(std::vector<const Image*>(shown.begin(), shown.begin() + 5), expected);
    EXPECT_STREQ(flag.ResAnimName, "RA_two");
}

TEST_F(PrimitivesTest, StartShakeDuringAShakeRestartsTheCount)
{
    StartShake();
    WaitMs(10 * kStepMs - 1);  // ten frames
    EXPECT_EQ(nShakeFrames, 40);
    StartShake();
    EXPECT_EQ(nShakeFrames, 50);
    int32_t frames = 0;
    while (isShaking && frames < 100) {
        WaitMs(0);
        ++frames;
    }
    EXPECT_EQ(frames, 50);  // 49 shaken frames, then the shake is off
    EXPECT_EQ(ptShake.x, 0);
    EXPECT_EQ(ptShake.y, 0);
}
}
