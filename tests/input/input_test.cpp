// Mouse input: hit test, walk zones, clicks, drops, hover and the SDL events.
#include <gtest/gtest.h>

#include <SDL.h>

#include <vector>

#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/startup.h"
#include "engine/core/walk.h"
#include "engine/render/text.h"
#include "engine/script/dialogue.h"
#include "engine/world/world.h"
#include "support/recording_hooks.h"
#include "support/stage.h"

namespace {
void Frames(int n)
{
    for (int i = 0; i < n; ++i) {
        DoFrame();
    }
}

void OpenPanel()
{
    OnMouseMove(600, 470, 0);
    Frames(25);
}

// A press and a release at the same point, with the pointer moved there first.
void Click(int32_t x, int32_t y)
{
    OnMouseMove(x, y, 0);
    OnMouseDown(x, y);
    OnMouseUp(x, y);
}

// A press at from, a move with the button held and a release at to.
void Drag(Point from, Point to)
{
    OnMouseMove(from.x, from.y, 0);
    OnMouseDown(from.x, from.y);
    OnMouseMove(to.x, to.y, 1);
    OnMouseUp(to.x, to.y);
}

void StartInput(const FixtureWorld& w)
{
    LoadStage(w);
    ResetRecordingHooks();
    Frames(2);  // pictures loaded, draw list built
}

std::vector<HookCall> Hooks(const char* name)
{
    std::vector<HookCall> calls;
    for (const HookCall& c : hookLog) {
        if (c.hook == name) {
            calls.push_back(c);
        }
    }
    return calls;
}
}

TEST(Input, HitTestFindsTheFrontmostClickableSceneObject)
{
    FixtureWorld w = StageWorld();
    FixtureObject& lid = w.AddObject("O_Lid", "S_Room", "R_Sign", {110, 310});  // over the chest
    lid.hotSpot = {0, 40};  // base line 350 > the chest's 340: drawn later
    lid.isClickable = 1;
    FixtureObject& ghost = w.AddObject("O_Ghost", "S_Room", "R_Sign", {150, 320});
    ghost.hotSpot = {0, 100};
    ghost.isClickable = 1;
    ghost.isAfficher = 0;
    w.AddObject("O_Plain", "S_Room", "R_Sign", {500, 100});
    StartInput(w);
    struct Case {
        int32_t x, y;
        const char* hit;
    };
    const Case cases[] = {
        {115, 315, "O_Lid"},    // both boxes: the one drawn later
        {105, 305, "O_Chest"},
        {160, 339, "O_Chest"},  // under the hidden object
        {160, 340, "O_Chest"},  // bottom edge included
        {161, 341, nullptr},
        {505, 105, nullptr},    // not clickable
        {20, 20, nullptr},      // the backdrop is not clickable
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HitTest(c.x, c.y), c.hit != nullptr ? Idx(c.hit) : 0) << c.x << "," << c.y;
    }
}

TEST(Input, InventoryItemsShownOnTheOpenPanelWinOverSceneObjects)
{
    FixtureWorld w = StageWorld();
    FixtureObject& table = w.AddObject("O_Table", "S_Room", "R_Panel", {0, 400});
    table.hotSpot = {0, 80};
    table.isClickable = 1;
    StartInput(w);
    EXPECT_EQ(HitTest(35, 415), Idx("O_Table")) << "panel hidden: the items cannot be seen";
    OpenPanel();
    EXPECT_EQ(HitTest(35, 415), Idx("O_Key"));
    EXPECT_EQ(HitTest(75, 415), Idx("O_Rope"));
    EXPECT_EQ(HitTest(300, 415), Idx("O_Table"));

    // An item that PanelScroll skips is not drawn, so it cannot be hit.
    panel.PanelScroll = 2;
    Frames(1);
    EXPECT_EQ(HitTest(35, 415), Idx("O_Rope"));
    EXPECT_EQ(HitTest(75, 415), Idx("O_Map"));
    EXPECT_EQ(HitTest(115, 415), Idx("O_Table"));

    // A hidden item keeps its last position but is no longer drawn.
    FindObject("O_Rope").isAfficher = 0;
    Frames(1);
    EXPECT_EQ(HitTest(35, 415), Idx("O_Map"));
    EXPECT_EQ(HitTest(75, 415), Idx("O_Table"));
}

TEST(Input, InventoryHitFollowsTheItemsWhileThePanelSlides)
{
    StartInput(StageWorld());
    OpenPanel();
    OnMouseMove(600, 100, 0);
    Frames(5);  // closing: 20 pixels below its open position
    ASSERT_EQ(panel.obj.ptCurrent.y, 420);
    EXPECT_EQ(FindObject("O_Key").ptCurrent.y, 430);
    // Drawn at 430 + 20: the hit test looks where the item is seen.
    EXPECT_EQ(HitTest(35, 451), Idx("O_Key"));
    EXPECT_NE(HitTest(35, 431), Idx("O_Key"));
}

TEST(Input, InDialogueOnlyClickableDialogueObjectsCanBeHit)
{
    FixtureWorld w = StageWorld();
    FindFixtureObject(w, "O_Choice3").isClickable = 0;
    StartInput(w);
    BeginDialogue();
    Frames(2);
    EXPECT_EQ(HitTest(30, 405), Idx("O_Choice1"));
    EXPECT_EQ(HitTest(30, 450), 0) << "not clickable";
    EXPECT_EQ(HitTest(105, 305), 0) << "scene objects cannot be hit";
    EndDialogue();
}

TEST(Input, WalkZonesAreObjectsOfTheCurrentSceneWhateverTheirVisibility)
{
    FixtureWorld w = StageWorld();
    FindFixtureObject(w, "O_Floor").isAfficher = 0;
    FixtureObject& lawn = w.AddObject("O_Lawn", "S_Garden", "", {0, 0});
    lawn.size = {640, 100};
    lawn.isZoneDep = 1;
    StartInput(w);
    EXPECT_TRUE(IsInWalkZone(10, 250));
    EXPECT_TRUE(IsInWalkZone(640, 480));
    EXPECT_FALSE(IsInWalkZone(10, 249));
    EXPECT_FALSE(IsInWalkZone(10, 50)) << "a zone of another scene";
    ChangeScene("S_Garden");
    EXPECT_TRUE(IsInWalkZone(10, 50));
}

TEST(Input, ReleaseOnGroundWalksOnlyInsideAWalkZone)
{
    FixtureWorld w = StageWorld();
    FixtureObject& crate = w.AddObject("O_Crate", "S_Room", "R_Sign", {200, 400});  // not clickable
    crate.hotSpot = {0, 20};
    StartInput(w);
    Click(600, 260);
    EXPECT_EQ(ptWalkTarget.x, 600);
    EXPECT_EQ(ptWalkTarget.y, 260);
    Click(600, 100);  // above the floor
    EXPECT_EQ(ptWalkTarget.x, 600);
    EXPECT_EQ(ptWalkTarget.y, 260);
    Click(205, 405);  // a non-clickable object over the floor
    EXPECT_EQ(ptWalkTarget.x, 205);
    EXPECT_EQ(ptWalkTarget.y, 405);
    // Pressed on nothing, released over an object: no hook, a walk if on the ground.
    Drag({20, 300}, {110, 310});
    EXPECT_EQ(ptWalkTarget.x, 110);
    EXPECT_EQ(mouse.nPressedObject, 0);
    EXPECT_TRUE(Hooks("OnClickObject").empty());
    EXPECT_TRUE(Hooks("OnUseObject").empty());
}

TEST(Input, ClickOnAnObjectWithoutFullHotSpotCallsTheHookAtOnce)
{
    StartInput(StageWorld());
    int32_t frames = frameClock.nFrameCount;
    Point target = ptWalkTarget;
    Click(405, 105);  // the sign: hot spot (0, 40)
    EXPECT_EQ(Hooks("OnClickObject"), std::vector<HookCall>{HookCall("OnClickObject", Idx("O_Sign"))});
    EXPECT_EQ(frameClock.nFrameCount, frames) << "no walk";
    EXPECT_EQ(ptWalkTarget.x, target.x);
    EXPECT_EQ(mouse.nPressedObject, 0);
}

TEST(Input, ClickOnAnObjectWithAHotSpotWalksThereFirst)
{
    StartInput(StageWorld());
    bool arrivedFirst = false;
    int32_t pressedDuringClick = -1;
    onClickObject = [&](int32_t) {
        arrivedFirst = IsPersoArrived();
        pressedDuringClick = mouse.nPressedObject;
    };
    int32_t frames = frameClock.nFrameCount;
    Click(105, 305);  // the chest: hot spot (30, 40) at (130, 340)
    EXPECT_EQ(Hooks("OnClickObject").size(), 1u);
    EXPECT_TRUE(arrivedFirst);
    EXPECT_EQ(pressedDuringClick, Idx("O_Chest")) << "stays set while the click runs";
    EXPECT_EQ(ptWalkTarget.x, 130);
    EXPECT_EQ(ptWalkTarget.y, 340);
    EXPECT_GT(frameClock.nFrameCount, frames + 20);
    EXPECT_EQ(mouse.nPressedObject, 0);
    ResetRecordingHooks();
}

TEST(Input, DropWalksToTheTargetThenCallsTheUseHook)
{
    StartInput(StageWorld());
    OpenPanel();
    const Objet& cursor = FindObject("ObjectId_Mouse");
    OnMouseMove(35, 415, 0);
    OnMouseDown(35, 415);
    EXPECT_EQ(mouse.nPressedObject, Idx("O_Key"));
    OnMouseMove(100, 300, 1);
    EXPECT_EQ(cursor.pFirstFrame, FindObject("O_Key").pFirstFrame) << "dragging the key's picture";
    bool arrivedFirst = false;
    onUseObject = [&](int32_t, int32_t) { arrivedFirst = IsPersoArrived(); };
    OnMouseMove(105, 305, 1);
    OnMouseUp(105, 305);
    EXPECT_EQ(Hooks("OnUseObject"),
              std::vector<HookCall>{HookCall("OnUseObject", Idx("O_Key"), Idx("O_Chest"))});
    EXPECT_TRUE(arrivedFirst);
    EXPECT_EQ(cursor.pFirstFrame, &FindRessource("R_Mouse").frames) << "the default look returns";
    EXPECT_TRUE(Hooks("OnClickObject").empty());

    // The drop walks even to a target without a full hot spot.
    OpenPanel();
    Drag({35, 415}, {405, 105});
    EXPECT_EQ(ptWalkTarget.x, 400);
    EXPECT_EQ(ptWalkTarget.y, 140);
    EXPECT_EQ(Hooks("OnUseObject").size(), 2u);
    ResetRecordingHooks();
}

namespace {
int32_t chosen = -1;
void Choose(int32_t k)
{
    chosen = k;
}
}

TEST(Input, ClicksInDialogueGoToTheAnswersOnly)
{
    StartInput(StageWorld());
    BeginDialogue();
    SetChoices("T_Label", "RS_None", "T_Label", "RS_None", "T_Label", "RS_None", Choose);
    Frames(2);
    chosen = -1;
    Click(105, 305);  // a scene object: nothing can be hit
    EXPECT_EQ(chosen, -1);
    EXPECT_EQ(ptWalkTarget.x, 105) << "but the ground still walks";
    Click(30, 427);   // the second answer: to the dialogue, never to OnClickObject
    EXPECT_EQ(chosen, 1);
    EXPECT_TRUE(Hooks("OnClickObject").empty());
    EndDialogue();
}

TEST(Input, HoverCallsLeaveBeforeEnterAndSetsTheCursorAndLabel)
{
    StartInput(StageWorld());
    const Objet& cursor = FindObject("ObjectId_Mouse");
    OnMouseMove(405, 105, 0);  // the sign: clickable, labelled
    EXPECT_EQ(hookLog, std::vector<HookCall>{HookCall("OnMouseEnterObject", Idx("O_Sign"))});
    EXPECT_EQ(cursor.pCurFrame, &FindRessource("R_MouseClick").frames) << "switched at once";
    const Objet& sign = FindObject("O_Sign");
    ASSERT_NE(sign.nTextSlot, 0);
    const TextSlot& label = textSlots[sign.nTextSlot];
    EXPECT_EQ(label.active, 1);
    EXPECT_EQ(label.text, FindRessourceIndex("T_Label"));
    EXPECT_EQ(label.duration, 1000u);
    EXPECT_EQ(label.box, 1);
    EXPECT_EQ(label.x, 400);
    EXPECT_EQ(label.y, 80);

    hookLog.clear();
    OnMouseMove(310, 210, 0);  // straight onto the door, an exit
    EXPECT_EQ(hookLog, (std::vector<HookCall>{HookCall("OnMouseLeaveObject", Idx("O_Sign")),
                                              HookCall("OnMouseEnterObject", Idx("O_Door"))}));
    EXPECT_EQ(cursor.pCurFrame, &FindRessource("R_MouseGo").frames);
    EXPECT_EQ(FindObject("O_Door").nTextSlot, 0) << "no label";

    hookLog.clear();
    OnMouseMove(311, 211, 0);  // still on the door
    EXPECT_TRUE(hookLog.empty());
    OnMouseMove(600, 20, 0);
    EXPECT_EQ(hookLog, std::vector<HookCall>{HookCall("OnMouseLeaveObject", Idx("O_Door"))});
    EXPECT_EQ(cursor.pCurFrame, &FindRessource("R_Mouse").frames);
    EXPECT_EQ(mouse.nHoverObject, 0);
}

TEST(Input, NoHoverChangeIsReportedDuringADrag)
{
    StartInput(StageWorld());
    OnMouseMove(405, 105, 0);
    OnMouseDown(405, 105);
    hookLog.clear();
    OnMouseMove(310, 210, 1);  // onto the door with the button held
    OnMouseMove(105, 305, 1);  // on to the chest
    EXPECT_TRUE(hookLog.empty());
    EXPECT_EQ(mouse.nHoverObject, Idx("O_Chest"));
    OnMouseMove(106, 306, 0);  // no button, the same object: nothing to report
    EXPECT_TRUE(hookLog.empty());
    OnMouseMove(310, 210, 0x10000);  // only the low 16 bits count as buttons
    EXPECT_EQ(hookLog, (std::vector<HookCall>{HookCall("OnMouseLeaveObject", Idx("O_Chest")),
                                              HookCall("OnMouseEnterObject", Idx("O_Door"))}));
}

TEST(Input, PollEventsDispatchesTheMouseEvents)
{
    StartInput(StageWorld());
    SDL_Event e = {};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = 105;
    e.motion.y = 305;
    e.motion.state = 0;
    SDL_PushEvent(&e);
    e = {};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;  // any button
    e.button.x = 105;
    e.button.y = 305;
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    SDL_PushEvent(&e);
    PollEvents();
    EXPECT_EQ(mouse.ptMouse.x, 105);
    EXPECT_EQ(mouse.ptMouse.y, 305);
    EXPECT_EQ(Hooks("OnMouseEnterObject").size(), 1u);
    EXPECT_EQ(Hooks("OnClickObject"), std::vector<HookCall>{HookCall("OnClickObject", Idx("O_Chest"))});
}
