#include "support/stage.h"

#include <cstring>
#include <stdexcept>

#include "engine/core/clock.h"
#include "engine/core/frame.h"
#include "engine/core/input.h"
#include "engine/core/startup.h"
#include "engine/core/walk.h"
#include "engine/render/text.h"
#include "engine/script/dialogue.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"
#include "support/test_env.h"

FixtureWorld StageWorld()
{
    FixtureWorld w;
    w.AddScene("S_Room");
    w.AddScene("S_Garden", 0.5f);
    w.AddScene("S_Perso");
    w.AddScene("S_Panel");
    w.AddScene("S_Dialogue");

    w.AddPicture("R_Back", 640, 480, kBackColour);
    w.AddPicture("R_Chest", 60, 40, kChestColour);
    w.AddPicture("R_Door", 50, 120, kDoorColour);
    w.AddPicture("R_Sign", 30, 20, kSignColour);
    w.AddAnim("R_Idle", {{20, 40, kIdleColour, 200}});
    w.AddAnim("R_Right", {{20, 40, kRightColour, 50}, {20, 40, kRightColour, 50}});
    w.AddAnim("R_Left", {{20, 40, kLeftColour, 50}, {20, 40, kLeftColour, 50}});
    w.AddPicture("R_Panel", 640, 80, kPanelColour);
    w.AddPicture("R_Key", 40, 40, kKeyColour);
    w.AddPicture("R_Rope", 40, 40, kRopeColour);
    w.AddPicture("R_Map", 40, 40, kMapColour);
    w.AddPicture("R_Choice", 600, 20, kChoiceColour);
    w.AddAnim("R_Mouse", {{8, 8, kMouseColour, 100}});
    w.AddAnim("R_MouseClick", {{8, 8, kMouseClickColour, 100}});
    w.AddAnim("R_MouseGo", {{8, 8, kMouseGoColour, 100}});
    w.AddFont("R_Font", {{'a', {8, 12, kGlyphColour, 0}},
                         {'b', {8, 12, kGlyphColour, 0}},
                         {'c', {8, 12, kGlyphColour, 0}},
                         {'d', {8, 12, kGlyphColour, 0}},
                         {'W', {60, 12, kWideGlyphColour, 0}}});
    w.AddText("T_AbCd", "ab/cd", "cd/ab");
    w.AddText("T_Label", "abc");
    w.AddText("T_Wide", "aWb");

    w.AddObject("O_Back", "S_Room", "R_Back", {0, 0});
    FixtureObject& chest = w.AddObject("O_Chest", "S_Room", "R_Chest", {100, 300});
    chest.hotSpot = {30, 40};
    chest.isClickable = 1;
    FixtureObject& door = w.AddObject("O_Door", "S_Room", "R_Door", {300, 200});
    door.hotSpot = {25, 120};
    door.isClickable = 1;
    door.sceneSuivanteName = "S_Garden";
    FixtureObject& sign = w.AddObject("O_Sign", "S_Room", "R_Sign", {400, 100});
    sign.hotSpot = {0, 40};
    sign.isClickable = 1;
    sign.affName = "T_Label";
    FixtureObject& floor = w.AddObject("O_Floor", "S_Room", "", {0, 250});
    floor.size = {640, 230};
    floor.isZoneDep = 1;
    FixtureObject& perso = w.AddObject("ObjectId_Perso", "S_Perso", "R_Idle", {490, 310});
    perso.hotSpot = {10, 40};
    w.AddObject("ObjectId_Mouse", "S_Cursor", "R_Mouse", {0, 0});
    w.AddObject("O_PanelSource", "S_Nowhere", "R_Panel", {0, 400});
    for (const char* item : {"O_Key", "O_Rope", "O_Map"}) {
        std::string res = std::string("R_") + (item + 2);
        FixtureObject& o = w.AddObject(item, "S_Panel", res, {0, 0});
        o.isClickable = 1;
        o.isDragAndDrop = 1;
    }
    for (int i = 1; i <= 3; ++i) {
        FixtureObject& o = w.AddObject("O_Choice" + std::to_string(i), "S_Dialogue", "R_Choice",
                                       {20, 400 + 22 * (i - 1)});
        o.isClickable = 1;
    }
    return w;
}

void BindStageNames()
{
    SetStartScene("S_Room");
    SetDialogueScene("S_Dialogue");
    SetPanelScene("S_Panel");
    SetPersoScene("S_Perso");
    SetFontRes("R_Font");
    SetMouseRes("R_Mouse");
    SetMouseClickRes("R_MouseClick");
    SetMouseGoRes("R_MouseGo");
    SetWalkIdleRes("R_Idle");
    SetWalkLeftRes("R_Left");
    SetWalkRightRes("R_Right");
    SetMouseObject("ObjectId_Mouse");
    SetPersoObject("ObjectId_Perso");
    SetPanelObject("O_PanelSource");
    SetPanelRightObject("");
    SetPanelLeftObject("");
    SetChoiceObject1("O_Choice1");
    SetChoiceObject2("O_Choice2");
    SetChoiceObject3("O_Choice3");
}

void ResetRunState()
{
    dialogue.idle = 1;
    dialogue.callback = nullptr;
    std::memset(textSlots, 0, sizeof textSlots);
    mouse = {};
    panel = {};
    ptWalkTarget = {0, 0};
    nStrideCount = 0;
    nDrawCount = 0;
    nPanelItemCount = 0;
    isCursorShown = 1;
    isPersoShown = 1;
    isShaking = 0;
    nShakeFrames = 0;
    ptShake = {0, 0};
    frameClock = {0, 0, 0, 1};
    pollMouse = 0;
    UseSteppingClock(1000, 20);
}

void LoadStage(const FixtureWorld& world)
{
    StartTestScreen();
    ResetRunState();
    LoadFixtureWorld(world);
    BindStageNames();
    ChangeScene("S_Room");
    PreparePanel(FindObject("O_PanelSource"));
    InitPanel(0, 480);
    SetWalkTargetAt(specialNames.PersoObject);  // the character stands where it is
}

FixtureObject& FindFixtureObject(FixtureWorld& world, const std::string& name)
{
    for (FixtureObject& o : world.objects) {
        if (o.name == name) {
            return o;
        }
    }
    throw std::invalid_argument("no fixture object " + name);
}

int Idx(const char* name)
{
    return FindObjectIndex(name);
}

uint32_t Mapped(FixtureColour c)
{
    return MapFond(c.r, c.g, c.b);
}
