// Object animation: choosing the animation, picture timing, timed moves,
// drawing with offsets, hit boxes and widths.
#include <gtest/gtest.h>

#include "engine/core/clock.h"
#include "engine/core/startup.h"
#include "engine/render/screen.h"
#include "engine/world/world.h"
#include "support/stage.h"
#include "support/test_env.h"

namespace {
// A four-picture animation (100 ms each), a two-picture one, a still picture
// and an object that shows them.
FixtureWorld AnimWorld()
{
    FixtureWorld w;
    w.AddScene("S_Room");
    w.AddAnim("R_Four", {{10, 10, {255, 0, 0}, 100},
                         {10, 10, {0, 255, 0}, 100},
                         {10, 10, {0, 0, 255}, 100},
                         {10, 10, {255, 255, 0}, 100}});
    w.AddAnim("R_Two", {{30, 20, {0, 255, 255}, 100}, {30, 20, {255, 0, 255 - 1}, 100}});
    w.AddAnim("R_Zero", {{5, 5, {255, 255, 255}, 0}});
    w.AddPicture("R_Still", 40, 30, {128, 128, 128});
    w.AddObject("O_Thing", "S_Room", "R_Four", {100, 100}).hotSpot = {5, 10};
    w.AddObject("O_Target", "S_Room", "", {300, 200});
    return w;
}

Image* Frame(const char* res, int k)
{
    return ImageAt(&FindRessource(res).frames, k);
}

// Advances the clock by ms and animates o once.
int AnimateAfter(Objet& o, uint32_t ms)
{
    AdvanceClock(ms);
    return o.Animate();
}
}

TEST(Animation, SetAnimIndexSwitchesAtOnceAndZeroClearsThePictures)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.SetAnimIndex(FindRessourceIndex("R_Two"));
    EXPECT_EQ(o.pFirstFrame, Frame("R_Two", 0));
    EXPECT_EQ(o.pCurFrame, Frame("R_Two", 0));
    EXPECT_STREQ(o.ResAnimName, "R_Two");

    o.SetAnimIndex(0);
    EXPECT_EQ(o.pFirstFrame, nullptr);
    EXPECT_EQ(o.pCurFrame, nullptr);
    EXPECT_STREQ(o.ResAnimName, "R_Two") << "the name is kept";

    // An index beyond the table is treated as no resource.
    o.SetAnimIndex(kMaxRessources + 7);
    EXPECT_EQ(o.pCurFrame, nullptr);
    o.SetAnimIndex(-3);
    EXPECT_EQ(o.pCurFrame, nullptr);
}

TEST(Animation, SetAnimWithAnUnknownNameRestartsThePreviousAnimationAtTheNextDraw)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.SetAnim("R_Two");
    AnimateAfter(o, 150);
    ASSERT_EQ(o.pCurFrame, Frame("R_Two", 1));
    o.SetAnim("R_Nothing");
    EXPECT_EQ(o.pCurFrame, nullptr);
    o.Draw(screen.fond, 0, 0);
    EXPECT_EQ(o.pCurFrame, Frame("R_Two", 0));
}

TEST(Animation, PicturesChangeStrictlyAfterTheirTempoAndWrap)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.SetAnim("R_Four");
    // nFrameEnd is still 0: the first picture lasts one Animate only.
    EXPECT_EQ(AnimateAfter(o, 1), 1);
    EXPECT_EQ(o.pCurFrame, Frame("R_Four", 1));
    EXPECT_EQ(AnimateAfter(o, 100), 0) << "exactly at its end the picture stays";
    EXPECT_EQ(AnimateAfter(o, 1), 1);
    EXPECT_EQ(o.pCurFrame, Frame("R_Four", 2));
    EXPECT_EQ(AnimateAfter(o, 101), 1);
    EXPECT_EQ(o.pCurFrame, Frame("R_Four", 3));
    EXPECT_EQ(AnimateAfter(o, 101), 1) << "the wrap counts as a change";
    EXPECT_EQ(o.pCurFrame, Frame("R_Four", 0));
    EXPECT_EQ(AnimateAfter(o, 50), 0);

    // A picture of tempo 0 is replaced by the next Animate one millisecond later.
    o.SetAnim("R_Zero");
    AnimateAfter(o, 1000);
    EXPECT_EQ(AnimateAfter(o, 0), 0);
    EXPECT_EQ(AnimateAfter(o, 1), 1);
}

TEST(Animation, SetAnimNamePlaysTheRunningCycleToItsEnd)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.SetAnim("R_Four");
    AnimateAfter(o, 1);
    AnimateAfter(o, 101);
    ASSERT_EQ(o.pCurFrame, Frame("R_Four", 2));
    o.SetAnimName("R_Two");
    AnimateAfter(o, 101);
    EXPECT_EQ(o.pCurFrame, Frame("R_Four", 3));
    o.Draw(screen.fond, 0, 0);
    EXPECT_EQ(o.pCurFrame, Frame("R_Four", 3));
    AnimateAfter(o, 101);
    EXPECT_EQ(o.pCurFrame, nullptr) << "the cycle ended, the new name is not resolved yet";
    o.Draw(screen.fond, 0, 0);
    EXPECT_EQ(o.pCurFrame, Frame("R_Two", 0));
    EXPECT_STREQ(o.ResAnimName, "R_Two");
}

TEST(Animation, SpeedAndScrollApplyEveryFrame)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.ptSpeed = {2, -1};
    o.ptScrollSpeed = {3, 4};
    for (int i = 0; i < 5; ++i) {
        o.Animate();
    }
    EXPECT_EQ(o.ptCurrent.x, 110);
    EXPECT_EQ(o.ptCurrent.y, 95);
    EXPECT_EQ(o.ptScroll.x, 15);
    EXPECT_EQ(o.ptScroll.y, 20);
}

TEST(Animation, TimedMoveCarriesTheHotSpotToItsDestinationInTime)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.ptSpeed = {1, 1};
    frameClock.nLastFrameTick = 1000;
    frameClock.nAvgFrameMs = 20;
    o.MoveToObjectOffset("O_Target", 15, 30, 400);  // hot spot to (315, 230)
    EXPECT_EQ(o.ptDest.x, 315);
    EXPECT_EQ(o.ptDest.y, 230);
    EXPECT_EQ(o.nDestTime, 1400);
    for (uint32_t t = 1000; t < 1400; t += 20) {
        frameClock.nLastFrameTick = t;
        o.Animate();
        EXPECT_GE(o.fFracX, 0.0f);
        EXPECT_LT(o.fFracX, 1.0f);
    }
    // Within a pixel of the destination, speed not applied during the move.
    EXPECT_NEAR(o.ptCurrent.x + o.ptHotSpot.x, 315, 1);
    EXPECT_NEAR(o.ptCurrent.y + o.ptHotSpot.y, 230, 1);
    Point arrived = o.ptCurrent;
    frameClock.nLastFrameTick = 1400;
    o.Animate();
    EXPECT_EQ(o.ptCurrent.x, arrived.x + 1) << "the move is over, speed applies again";
    EXPECT_EQ(o.ptCurrent.y, arrived.y + 1);
}

TEST(Animation, TimedMoveOfZeroDurationAndToAMissingObject)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    frameClock.nLastFrameTick = 500;
    frameClock.nAvgFrameMs = 20;
    o.MoveToObject("O_Target", 0);
    o.Animate();
    EXPECT_EQ(o.ptCurrent.x, 100) << "no move starts";
    EXPECT_EQ(o.ptCurrent.y, 100);

    o.MoveToObject("O_Nobody", 100);  // towards entry 0, at (0, 0)
    EXPECT_EQ(o.ptDest.x, 0);
    EXPECT_EQ(o.ptDest.y, 0);
    o.Animate();
    EXPECT_LT(o.ptCurrent.x, 100);
}

TEST(Animation, DrawPutsThePictureAtItsPlacePlusTheOffsets)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    o.SetAnim("R_Still");
    Fill(0, 0, kScreenWidth, kScreenHeight, kRawBackground);
    o.Draw(screen.fond, 7, -3);
    EXPECT_EQ(ProbeFond(107, 97), Mapped({128, 128, 128}));
    EXPECT_EQ(ProbeFond(106, 97), kRawBackground);
    EXPECT_EQ(ProbeFond(107, 96), kRawBackground);
    EXPECT_EQ(ProbeFond(146, 126), Mapped({128, 128, 128}));
    EXPECT_EQ(ProbeFond(147, 126), kRawBackground);

    // Without a resolvable animation nothing is drawn.
    Objet& empty = FindObject("O_Target");
    Fill(0, 0, kScreenWidth, kScreenHeight, kRawBackground);
    empty.Draw(screen.fond, 0, 0);
    EXPECT_EQ(empty.pCurFrame, nullptr);
    EXPECT_EQ(ProbeFond(300, 200), kRawBackground);
}

TEST(Animation, HitBoxIncludesItsEdgesAndWidthFollowsTheCurrentPicture)
{
    LoadStage(AnimWorld());
    Objet& o = FindObject("O_Thing");
    // Pictures never drawn: a zero-sized box, only ptCurrent itself.
    o.SetAnim("R_Still");
    EXPECT_TRUE(o.Contains(100, 100));
    EXPECT_FALSE(o.Contains(101, 100));
    EXPECT_EQ(o.GetWidth(), 0);

    o.Draw(screen.fond, 0, 0);
    struct Case {
        int32_t x, y;
        bool inside;
    };
    const Case cases[] = {{100, 100, true}, {140, 130, true}, {141, 130, false},
                          {140, 131, false}, {99, 110, false}, {120, 99, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(o.Contains(c.x, c.y), c.inside) << c.x << "," << c.y;
    }
    EXPECT_EQ(o.GetWidth(), 40);
    o.fScale = 0.5f;
    EXPECT_TRUE(o.Contains(140, 130)) << "the box ignores the scale";

    // Without pictures the box is ptSize.
    Objet& zone = FindObject("O_Target");
    zone.ptSize = {50, 10};
    EXPECT_TRUE(zone.Contains(350, 210));
    EXPECT_FALSE(zone.Contains(351, 210));
    EXPECT_EQ(zone.GetWidth(), 0);
}
