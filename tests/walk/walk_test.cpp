// The character's walk: direction, glide, strides, arrival, placing, scale.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "engine/core/frame.h"
#include "engine/core/startup.h"
#include "engine/core/walk.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"
#include "support/stage.h"

namespace {
// The stage with walking pictures of the given tempo (0: a new picture every
// frame, so the strides come at fixed frames).
FixtureWorld WalkWorld(int32_t tempo)
{
    FixtureWorld w = StageWorld();
    for (FixtureResource& r : w.resources) {
        for (FixtureFrame& f : r.frames) {
            if (r.name == "R_Idle" || r.name == "R_Right" || r.name == "R_Left") {
                f.tempo = tempo;
            }
        }
    }
    return w;
}

Objet& Perso()
{
    return FindObject("ObjectId_Perso");
}

// From the character's (unscaled) hot spot to the walk target.
Point Offset()
{
    const Objet& p = Perso();
    return {ptWalkTarget.x - (p.ptCurrent.x + p.ptHotSpot.x),
            ptWalkTarget.y - (p.ptCurrent.y + p.ptHotSpot.y)};
}
}

TEST(Walk, TargetWithin29PixelsOnBothAxesDoesNotMove)
{
    LoadStage(WalkWorld(0));
    PlacePerso(300, 300);
    SetWalkTarget(329, 271);
    EXPECT_TRUE(IsPersoArrived());
    for (int i = 0; i < 20; ++i) {
        DoFrame();
    }
    EXPECT_EQ(Perso().ptCurrent.x, 290);
    EXPECT_EQ(Perso().ptCurrent.y, 260);
    EXPECT_EQ(Perso().pFirstFrame, &FindRessource("R_Idle").frames);
    EXPECT_LE(nStrideCount, 1) << "reset every frame, then one picture change";
    SetWalkTarget(330, 300);
    EXPECT_FALSE(IsPersoArrived());
}

TEST(Walk, WalkToTheRightGlidesStridesAndStopsShortOfTheTarget)
{
    LoadStage(WalkWorld(0));
    PlacePerso(300, 350);
    SetWalkTarget(400, 350);
    // One pixel a frame; 30-pixel strides after 5 picture changes, then every 4.
    const int32_t expected[] = {99, 98, 97, 96, 95, 64, 63, 62, 61, 30, 29, 29, 29, 29};
    for (int32_t dx : expected) {
        DoFrame();
        EXPECT_EQ(Offset().x, dx);
        EXPECT_EQ(Offset().y, 0);
    }
    EXPECT_EQ(Perso().ptSpeed.x, 0);
    EXPECT_EQ(Perso().pFirstFrame, &FindRessource("R_Idle").frames);
    EXPECT_LE(nStrideCount, 1);
}

TEST(Walk, DirectionChoosesTheAnimation)
{
    struct Case {
        Point target;
        Point speed;
        const char* anim;
    };
    const Case cases[] = {
        {{400, 300}, {1, 0}, "R_Right"},
        {{200, 300}, {-1, 0}, "R_Left"},
        {{300, 400}, {0, 1}, "R_Right"},  // down walks with the right-walking pictures
        {{300, 200}, {0, -1}, "R_Left"},  // up with the left-walking ones
        {{360, 360}, {0, 1}, "R_Right"},  // equal distances: vertical
    };
    for (const Case& c : cases) {
        LoadStage(WalkWorld(0));
        PlacePerso(300, 300);
        SetWalkTarget(c.target.x, c.target.y);
        UpdateWalk();
        EXPECT_EQ(Perso().ptSpeed.x, c.speed.x) << c.target.x << "," << c.target.y;
        EXPECT_EQ(Perso().ptSpeed.y, c.speed.y) << c.target.x << "," << c.target.y;
        EXPECT_EQ(Perso().pFirstFrame, &FindRessource(c.anim).frames) << c.anim;
    }
}

TEST(Walk, DiagonalTargetMakesAStaircase)
{
    LoadStage(WalkWorld(100000));  // the standing picture never ends: no stride
    PlacePerso(300, 300);
    SetWalkTarget(400, 380);
    // Along x until both distances are 80, then one axis after the other.
    for (int i = 0; i < 20; ++i) {
        DoFrame();
        ASSERT_EQ(Offset().y, 80);
    }
    EXPECT_EQ(Offset().x, 80);
    std::vector<Point> steps;
    Point before = Offset();
    while (!IsPersoArrived()) {
        DoFrame();
        Point now = Offset();
        steps.push_back({before.x - now.x, before.y - now.y});
        before = now;
        ASSERT_LT(steps.size(), 200u);
    }
    ASSERT_EQ(steps.size(), 102u);
    for (size_t i = 0; i < steps.size(); ++i) {
        bool vertical = i % 2 == 0;  // a tie goes vertical first
        EXPECT_EQ(steps[i].x, vertical ? 0 : 1) << i;
        EXPECT_EQ(steps[i].y, vertical ? 1 : 0) << i;
    }
    EXPECT_EQ(Offset().x, 29);
    EXPECT_EQ(Offset().y, 29);
}

TEST(Walk, NeverOvershootsByMoreThanOnePixel)
{
    LoadStage(WalkWorld(0));
    const Point targets[] = {{331, 300}, {359, 300}, {300, 361}, {240, 240}, {500, 123}};
    for (Point t : targets) {
        PlacePerso(300, 300);
        SetWalkTarget(t.x, t.y);
        Point start = Offset();
        for (int i = 0; i < 400 && !IsPersoArrived(); ++i) {
            DoFrame();
            Point d = Offset();
            // The hot spot never ends up more than one pixel beyond the target.
            EXPECT_GE(d.x * (start.x >= 0 ? 1 : -1), -1) << t.x << "," << t.y;
            EXPECT_GE(d.y * (start.y >= 0 ? 1 : -1), -1) << t.x << "," << t.y;
        }
        EXPECT_TRUE(IsPersoArrived()) << t.x << "," << t.y;
    }
}

TEST(Walk, ScaleChangesTheHotSpotUsed)
{
    FixtureWorld w = WalkWorld(0);
    FindFixtureObject(w, "ObjectId_Perso").hotSpot = {40, 101};
    LoadStage(w);
    ChangeScene("S_Garden");  // ScalePerso 0.5
    EXPECT_FLOAT_EQ(Perso().fScale, 0.5f);
    PlacePerso(500, 350);
    EXPECT_EQ(Perso().ptCurrent.x, 480);
    EXPECT_EQ(Perso().ptCurrent.y, 300) << "101 x 0.5 truncated to 50";
    SetWalkTarget(500, 340);
    EXPECT_TRUE(IsPersoArrived());

    // Back to an unscaled scene: the position stays, the point measured moves.
    ChangeScene("S_Room");
    EXPECT_EQ(Perso().ptCurrent.x, 480);
    EXPECT_FALSE(IsPersoArrived()) << "hot spot now at (520, 401)";
}

TEST(Walk, PlacePersoKeepsTheTargetAndTheAtFormsUseHotSpots)
{
    LoadStage(WalkWorld(0));
    SetWalkTarget(10, 20);
    PlacePerso(200, 250);
    EXPECT_EQ(ptWalkTarget.x, 10);
    EXPECT_EQ(ptWalkTarget.y, 20);
    EXPECT_EQ(Perso().ptCurrent.x, 190);
    EXPECT_EQ(Perso().ptCurrent.y, 210);

    SetWalkTargetAt("O_Chest");  // (100, 300) + (30, 40)
    EXPECT_EQ(ptWalkTarget.x, 130);
    EXPECT_EQ(ptWalkTarget.y, 340);
    PlacePersoAt("O_Door");  // (300, 200) + (25, 120)
    EXPECT_EQ(Perso().ptCurrent.x, 315);
    EXPECT_EQ(Perso().ptCurrent.y, 280);
    SetWalkTargetAt("O_Nobody");
    EXPECT_EQ(ptWalkTarget.x, 0);
    EXPECT_EQ(ptWalkTarget.y, 0);
}

TEST(Walk, WalkingGoesOnWhileHiddenOrOutsideTheCurrentScene)
{
    LoadStage(WalkWorld(0));
    HidePerso();
    Perso().SetSceneName("S_Garden");
    PlacePerso(300, 300);
    SetWalkTarget(400, 300);
    for (int i = 0; i < 12; ++i) {
        DoFrame();
    }
    EXPECT_EQ(Offset().x, 29);
    ShowPerso();
}

TEST(Walk, WalkToRunsFramesUntilArrivedAndReturnsAtOnceWhenThere)
{
    LoadStage(WalkWorld(0));
    PlacePersoAt("O_Chest");
    int32_t frames = frameClock.nFrameCount;
    EXPECT_EQ(WalkTo("O_Chest"), 1);
    EXPECT_EQ(frameClock.nFrameCount, frames) << "already there: no frame";

    PlacePerso(400, 340);
    EXPECT_EQ(WalkTo("O_Chest"), 1);
    EXPECT_TRUE(IsPersoArrived());
    EXPECT_GT(frameClock.nFrameCount, frames + 20);
    EXPECT_EQ(ptWalkTarget.x, 130);
}
