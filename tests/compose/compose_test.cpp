// Frame composition: depth order, visibility, the character's scene, the
// sliding panel, the inventory layout, dialogue objects, shake and cursor.
#include <gtest/gtest.h>

#include <vector>

#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/startup.h"
#include "engine/core/walk.h"
#include "engine/render/screen.h"
#include "engine/script/dialogue.h"
#include "engine/world/world.h"
#include "support/recording_hooks.h"
#include "support/stage.h"
#include "support/test_env.h"

namespace {
std::vector<int> DrawList()
{
    return std::vector<int>(aDrawList, aDrawList + nDrawCount);
}

void Frames(int n)
{
    for (int i = 0; i < n; ++i) {
        DoFrame();
    }
}

// Four overlapping squares with base lines 50, 30, 50, 30, an object of the
// character's scene at 40, a hidden one and one of another scene.
FixtureWorld DepthWorld()
{
    FixtureWorld w = StageWorld();
    w.AddPicture("R_A", 20, 20, {255, 0, 0});
    w.AddPicture("R_B", 20, 20, {0, 255, 0});
    w.AddPicture("R_C", 20, 20, {0, 0, 255});
    w.AddPicture("R_D", 20, 20, {255, 255, 0});
    w.AddPicture("R_E", 20, 20, {0, 255, 255});
    w.objects.clear();
    w.AddObject("O_A", "S_Room", "R_A", {100, 30}).hotSpot = {0, 20};
    w.AddObject("O_B", "S_Room", "R_B", {110, 10}).hotSpot = {0, 20};
    w.AddObject("O_C", "S_Room", "R_C", {120, 40}).hotSpot = {0, 10};
    w.AddObject("O_D", "S_Room", "R_D", {105, 15}).hotSpot = {0, 15};
    w.AddObject("O_E", "S_Perso", "R_E", {200, 20}).hotSpot = {0, 20};
    w.AddObject("O_Hidden", "S_Room", "R_A", {300, 300}).isAfficher = 0;
    w.AddObject("O_Elsewhere", "S_Garden", "R_A", {350, 300});
    return w;
}
}

TEST(Compose, DepthOrderFollowsTheExchangeSortAndTakesTheCharactersScene)
{
    LoadStage(DepthWorld());
    ComposeFrame();
    // Collected A B C D E; the exchange sort leaves the equal keys reversed.
    std::vector<int> expected = {Idx("O_D"), Idx("O_B"), Idx("O_E"), Idx("O_C"), Idx("O_A")};
    EXPECT_EQ(DrawList(), expected);
    ComposeFrame();
    EXPECT_EQ(DrawList(), expected) << "the same order every frame";

    // B (drawn after D) covers D where they overlap; A covers B and D.
    EXPECT_EQ(ProbeFond(112, 16), Mapped({0, 255, 0}));
    EXPECT_EQ(ProbeFond(106, 16), Mapped({255, 255, 0}));
    EXPECT_EQ(ProbeFond(112, 32), Mapped({255, 0, 0}));
    EXPECT_EQ(ProbeFond(205, 25), Mapped({0, 255, 255})) << "the character's scene is shown";
    EXPECT_EQ(ProbeFond(305, 305), kRawBackground) << "hidden";
    EXPECT_EQ(ProbeFond(355, 305), kRawBackground) << "another scene";
}

TEST(Compose, HiddenObjectsAreNeitherDrawnNorAdvanced)
{
    LoadStage(DepthWorld());
    Objet& hidden = FindObject("O_Hidden");
    hidden.ptSpeed = {2, 0};
    Objet& shown = FindObject("O_C");
    shown.ptSpeed = {2, 0};
    Frames(5);
    EXPECT_EQ(hidden.ptCurrent.x, 300);
    EXPECT_EQ(hidden.pCurFrame, nullptr) << "never animated";
    EXPECT_EQ(shown.ptCurrent.x, 130);

    // A timed move of a hidden object does not progress and is over once its time is up.
    hidden.MoveToObject("O_A", 100);
    Frames(10);
    EXPECT_EQ(hidden.ptCurrent.x, 300);
    hidden.ptSpeed = {0, 0};
    hidden.isAfficher = 1;
    Frames(1);
    EXPECT_EQ(hidden.ptCurrent.x, 300);
    EXPECT_EQ(ProbeFond(305, 305), Mapped({255, 0, 0}));
}

TEST(Compose, FrameIsFilledThenSceneThenPanelThenTextsThenCursor)
{
    FixtureWorld w = StageWorld();
    LoadStage(w);
    OnMouseMove(200, 470, 0);  // opens the panel
    Frames(25);
    ASSERT_EQ(panel.nPanelState, 2);
    EXPECT_EQ(ProbeFond(620, 50), Mapped(kBackColour));
    EXPECT_EQ(ProbeFond(620, 420), Mapped(kPanelColour)) << "the panel covers the scene";
    EXPECT_EQ(ProbeFond(200, 470), Mapped(kMouseColour)) << "the cursor on top, at the pointer";
    EXPECT_EQ(ProbeFond(199, 469), Mapped(kPanelColour));

    HideCursor();
    Frames(1);
    EXPECT_EQ(ProbeFond(200, 470), Mapped(kPanelColour));
    ShowCursor();
    Frames(1);
    EXPECT_EQ(ProbeFond(200, 470), Mapped(kMouseColour));
}

TEST(Compose, WithoutAnyObjectOnlyTheBackgroundIsLeft)
{
    FixtureWorld w;
    LoadStage(w);
    ComposeFrame();
    EXPECT_EQ(nDrawCount, 0);
    EXPECT_EQ(ProbeFond(0, 0), kRawBackground);
    EXPECT_EQ(ProbeFond(639, 479), kRawBackground);
}

TEST(Compose, HiddenCharacterIsNotDrawnButKeepsWalking)
{
    LoadStage(StageWorld());
    const Objet& perso = FindObject("ObjectId_Perso");
    Frames(2);
    EXPECT_EQ(ProbeFond(495, 320), Mapped(kIdleColour));
    HidePerso();
    SetWalkTarget(600, 350);
    Frames(3);
    EXPECT_EQ(perso.ptCurrent.x, 493);
    EXPECT_EQ(ProbeFond(495, 320), Mapped(kBackColour));
    EXPECT_EQ(ProbeFond(500, 320), Mapped(kBackColour));
    ShowPerso();
    Frames(1);
    // Drawn again; its standing picture plays to the end of its cycle first.
    EXPECT_EQ(ProbeFond(500, 320), Mapped(kIdleColour));
}

// Panel with yShown 400 and yHidden 480, 4 pixels a frame.
TEST(Compose, PanelRisesStaysOpenAndClosesWithThePointer)
{
    LoadStage(StageWorld());
    ASSERT_EQ(panel.yShown, 400);
    ASSERT_EQ(panel.yHidden, 480);
    ASSERT_EQ(panel.obj.ptCurrent.y, 480);

    struct Step {
        int32_t pointerY;
        int frames;
        int32_t panelY;
        int32_t state;
    };
    const Step steps[] = {
        {465, 3, 480, 0},  // row 465 is not low enough
        {466, 1, 476, 1},  // the bottom 14 rows open it
        {466, 9, 440, 1},
        {300, 0, 440, 1},  // the pointer above the panel while it opens...
        {300, 1, 444, 3},  // ...closes it
        {470, 1, 440, 1},  // back to the bottom rows: it rises again
        {470, 10, 400, 2}, // fully open
        {420, 20, 400, 2}, // on or below its top edge it stays
        {400, 5, 400, 2},
        {399, 1, 404, 3},  // above it: closing
        {100, 19, 480, 0},
        {100, 5, 480, 0},
    };
    for (const Step& s : steps) {
        for (int i = 0; i < s.frames; ++i) {
            UpdatePanel(0, s.pointerY);
        }
        EXPECT_EQ(panel.obj.ptCurrent.y, s.panelY) << "pointer y " << s.pointerY;
        EXPECT_EQ(panel.nPanelState, s.state) << "pointer y " << s.pointerY;
    }
}

TEST(Compose, PanelIsDrawnWhereItStandsAndHeldOpenInDialogue)
{
    LoadStage(StageWorld());
    OnMouseMove(300, 470, 0);
    Frames(10);  // DoFrame steps the panel from the pointer: 480 - 40
    EXPECT_EQ(panel.obj.ptCurrent.y, 440);
    EXPECT_EQ(ProbeFond(620, 439), Mapped(kBackColour));
    EXPECT_EQ(ProbeFond(620, 440), Mapped(kPanelColour));

    OnMouseMove(300, 100, 0);
    BeginDialogue();
    Frames(1);
    EXPECT_EQ(panel.obj.ptCurrent.y, 400);
    EXPECT_EQ(panel.nPanelState, 2);
    Frames(10);
    EXPECT_EQ(panel.obj.ptCurrent.y, 400) << "held open whatever the pointer does";
    // Dialogue objects, whatever their isAfficher, instead of the inventory.
    FindObject("O_Choice2").isAfficher = 0;
    Frames(1);
    EXPECT_EQ(ProbeFond(30, 405), Mapped(kChoiceColour));
    EXPECT_EQ(ProbeFond(30, 427), Mapped(kChoiceColour));
    EXPECT_EQ(ProbeFond(35, 442), Mapped(kPanelColour)) << "no inventory item in dialogue";
    EXPECT_EQ(nPanelItemCount, 0);

    OnMouseMove(300, 470, 0);  // keeps the panel open once the dialogue ends
    EndDialogue();
    Frames(1);
    EXPECT_EQ(ProbeFond(30, 405), Mapped(kPanelColour)) << "answers gone after the dialogue";
    EXPECT_EQ(ProbeFond(35, 415), Mapped(kKeyColour));
}

namespace {
void OpenPanel()
{
    panel.obj.ptCurrent.y = panel.yShown;
    panel.nPanelState = 2;
}
}

TEST(Compose, InventoryLayoutFollowsPanelScroll)
{
    struct Case {
        int32_t scroll;
        int32_t keyX, ropeX, mapX;
        std::vector<const char*> drawn;
    };
    const Case cases[] = {
        {0, 30, 70, 110, {"O_Key", "O_Rope", "O_Map"}},
        {1, 30, 70, 110, {"O_Key", "O_Rope", "O_Map"}},
        {2, 30, 30, 70, {"O_Rope", "O_Map"}},
        {3, 30, 30, 30, {"O_Map"}},
        {4, 30, 30, 30, {}},
    };
    for (const Case& c : cases) {
        LoadStage(StageWorld());
        OpenPanel();
        panel.PanelScroll = c.scroll;
        ComposeFrame();  // loads the pictures: widths are known from the next frame on
        ComposeFrame();
        EXPECT_EQ(FindObject("O_Key").ptCurrent.x, c.keyX) << "scroll " << c.scroll;
        EXPECT_EQ(FindObject("O_Rope").ptCurrent.x, c.ropeX) << "scroll " << c.scroll;
        EXPECT_EQ(FindObject("O_Map").ptCurrent.x, c.mapX) << "scroll " << c.scroll;
        EXPECT_EQ(FindObject("O_Map").ptCurrent.y, 410);
        std::vector<int> drawn;
        for (const char* name : c.drawn) {
            drawn.push_back(Idx(name));
        }
        EXPECT_EQ(std::vector<int>(aPanelItemList, aPanelItemList + nPanelItemCount), drawn)
            << "scroll " << c.scroll;
    }
    EXPECT_EQ(ProbeFond(35, 415), Mapped(kPanelColour)) << "scroll 4: nothing drawn";
}

TEST(Compose, InventoryItemsThatDoNotFitAreSkippedAndNarrowerOnesStillFit)
{
    FixtureWorld w = StageWorld();
    w.AddPicture("R_Plank", 600, 40, {90, 60, 30});
    FixtureObject& plank = w.AddObject("O_Plank", "S_Panel", "R_Plank", {0, 0});
    plank.isClickable = 1;
    FindFixtureObject(w, "O_Rope").isAfficher = 0;
    LoadStage(w);
    OpenPanel();
    ComposeFrame();
    ComposeFrame();
    // Key at 30; map at 70; the plank (70 + 600 >= 640) is placed at 110 but not drawn.
    EXPECT_EQ(FindObject("O_Map").ptCurrent.x, 70);
    EXPECT_EQ(FindObject("O_Plank").ptCurrent.x, 110);
    EXPECT_EQ(FindObject("O_Rope").ptCurrent.x, 0) << "a hidden item is not laid out";
    EXPECT_EQ(ProbeFond(75, 415), Mapped(kMapColour));
    EXPECT_EQ(ProbeFond(115, 415), Mapped(kPanelColour));
    EXPECT_EQ((std::vector<int>(aPanelItemList, aPanelItemList + nPanelItemCount)),
              (std::vector<int>{Idx("O_Key"), Idx("O_Map")}));
}

TEST(Compose, InventoryItemsAreDrawnWithThePanelsDistanceFromItsOpenPosition)
{
    LoadStage(StageWorld());
    panel.obj.ptCurrent.y = 420;  // 20 pixels below its open position, sliding
    ComposeFrame();
    ComposeFrame();
    EXPECT_EQ(FindObject("O_Key").ptCurrent.y, 430);
    EXPECT_EQ(ProbeFond(35, 449), Mapped(kPanelColour));
    EXPECT_EQ(ProbeFond(35, 450), Mapped(kKeyColour));
}

TEST(Compose, ShakeGivesFortyNineFramesOfOffsetsOnSceneObjectsOnly)
{
    LoadStage(StageWorld());
    OpenPanel();
    StartShake();
    bool moved = false;
    for (int frame = 1; frame <= 49; ++frame) {
        ComposeFrame();
        ASSERT_TRUE(isShaking) << frame;
        ASSERT_GE(ptShake.x, 0);
        ASSERT_LT(ptShake.x, 8);
        ASSERT_GE(ptShake.y, 0);
        ASSERT_LT(ptShake.y, 8);
        moved = moved || ptShake.x != 0 || ptShake.y != 0;
        // The chest (100, 300) is drawn at its place plus the offsets...
        ASSERT_EQ(ProbeFond(100 + ptShake.x, 300 + ptShake.y), Mapped(kChestColour));
        // ...the panel is not shaken.
        ASSERT_EQ(ProbeFond(0, 400), Mapped(kPanelColour));
    }
    EXPECT_TRUE(moved);
    ComposeFrame();
    EXPECT_FALSE(isShaking);
    EXPECT_EQ(ptShake.x, 0);
    EXPECT_EQ(ptShake.y, 0);
    EXPECT_EQ(ProbeFond(100, 300), Mapped(kChestColour));

    StartShake();
    for (int i = 0; i < 30; ++i) {
        ComposeFrame();
    }
    StartShake();  // restarts the count
    for (int i = 0; i < 49; ++i) {
        ComposeFrame();
    }
    EXPECT_TRUE(isShaking);
    ComposeFrame();
    EXPECT_FALSE(isShaking);
}

TEST(Compose, DoInitPreparesThePanelAndStandsTheCharacter)
{
    FixtureWorld w = StageWorld();
    LoadStage(w);
    ResetRecordingHooks();
    onBindNames = BindStageNames;
    DoInit("vorlane.dat");
    ResetRecordingHooks();
    const Objet& source = FindObject("O_PanelSource");
    EXPECT_STREQ(panel.obj.ResAnimName, "R_Panel");
    EXPECT_STREQ(panel.obj.SceneName, source.SceneName);
    EXPECT_EQ(panel.obj.isClickable, 0);
    EXPECT_EQ(panel.obj.ptCurrent.x, 0);
    EXPECT_EQ(panel.obj.ptCurrent.y, 480);
    EXPECT_EQ(panel.yShown, 400);
    EXPECT_EQ(panel.yHidden, 480);
    EXPECT_EQ(panel.PanelScroll, 1);
    EXPECT_EQ(panel.nPanelSpeed, 4);

    const Objet& perso = FindObject("ObjectId_Perso");
    EXPECT_EQ(perso.ptCurrent.x + perso.ptHotSpot.x, 500);
    EXPECT_EQ(perso.ptCurrent.y + perso.ptHotSpot.y, 350);
    EXPECT_TRUE(IsPersoArrived());
    DoFrame();
    EXPECT_EQ(perso.ptCurrent.x, 490) << "standing, not walking";
}
