// Frame composition, the sliding panel, the shake and the display switches.
#include "engine/core/frame.h"

#include <cstdlib>
#include <ctime>

#include "engine/core/input.h"
#include "engine/core/walk.h"
#include "engine/render/screen.h"
#include "engine/render/text.h"
#include "engine/script/dialogue.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"

int32_t aDrawList[kMaxObjets];
int32_t nDrawCount = 0;
int32_t aPanelItemList[kMaxObjets];
int32_t nPanelItemCount = 0;
int32_t isCursorShown = 1;
int32_t isPersoShown = 1;
int32_t isShaking = 0;
int32_t nShakeFrames = 0;
Point ptShake = {0, 0};
SlidingPanel panel = {};

namespace {
constexpr uint32_t kBackgroundColour = 255;
constexpr int32_t kShakeFrames = 50;
constexpr int32_t kShakeRange = 8;
constexpr int32_t kPanelSpeed = 4;
constexpr int32_t kPanelOpenRows = 15;  // the pointer this close to yHidden opens the panel
constexpr int32_t kInventoryLeft = 30;  // first item, from the panel's left edge
constexpr int32_t kInventoryTop = 10;

void ShakeStep()
{
    if (!isShaking) {
        return;
    }
    nShakeFrames -= 1;
    ptShake.x = std::rand() % kShakeRange;
    ptShake.y = std::rand() % kShakeRange;
    if (nShakeFrames <= 0) {
        isShaking = 0;
        ptShake = {0, 0};
    }
}

// The shown objects of the current scene and of the character's scene.
void CollectDrawList()
{
    const char* current = GetCurrentSceneName();
    const char* persoScene = specialNames.PersoScene;
    nDrawCount = 0;
    for (int32_t i = 1; i < World.objetCount; ++i) {
        const Objet& o = World.objets[i];
        if ((o.IsInScene(current) || o.IsInScene(persoScene)) && o.isAfficher != 0) {
            aDrawList[nDrawCount++] = i;
        }
    }
}

int32_t DepthKey(int32_t index)
{
    return World.objets[index].HotSpotPoint().y;
}

// Exchange sort by base line; entries are exchanged only on a strictly
// smaller key, which fixes the order of equal keys.
void SortDrawList()
{
    for (int32_t a = nDrawCount - 1; a >= 1; --a) {
        for (int32_t j = 0; j < a; ++j) {
            if (DepthKey(aDrawList[a]) < DepthKey(aDrawList[j])) {
                int32_t t = aDrawList[a];
                aDrawList[a] = aDrawList[j];
                aDrawList[j] = t;
            }
        }
    }
}

// Scene objects in depth order; the character is drawn but not animated here.
void DrawScene(int32_t perso)
{
    for (int32_t k = 0; k < nDrawCount; ++k) {
        Objet& o = World.objets[aDrawList[k]];
        if (aDrawList[k] != perso) {
            o.Animate();
            o.Draw(screen.fond, ptShake.x, ptShake.y);
        } else if (isPersoShown == 1) {
            o.Draw(screen.fond, ptShake.x, ptShake.y);
        }
    }
}

void DrawDialogueObjects()
{
    const char* dialogueScene = specialNames.DialogueScene;
    for (int32_t i = 1; i < World.objetCount; ++i) {
        Objet& o = World.objets[i];
        if (o.IsInScene(dialogueScene)) {
            o.Animate();
            o.Draw(screen.fond, 0, 0);
        }
    }
}

// Inventory items side by side on the panel, from position PanelScroll on
// among those that fit; the drawn ones are remembered for the hit test.
void LayOutInventory()
{
    const char* panelScene = specialNames.PanelScene;
    Objet& p = panel.obj;
    int32_t right = p.ptCurrent.x + p.GetWidth();
    int32_t itemY = p.ptCurrent.y + kInventoryTop;
    int32_t slide = p.ptCurrent.y - panel.yShown;
    int32_t x = p.ptCurrent.x + kInventoryLeft;
    int32_t n = 0;
    nPanelItemCount = 0;
    for (int32_t i = 1; i < World.objetCount; ++i) {
        Objet& item = World.objets[i];
        if (!item.IsInScene(panelScene) || item.isAfficher == 0) {
            continue;
        }
        item.Animate();
        item.SetPos(x, itemY);
        int32_t width = item.GetWidth();
        if (x + width < right) {
            n += 1;
            if (n >= panel.PanelScroll) {
                item.Draw(screen.fond, 0, slide);
                aPanelItemList[nPanelItemCount++] = i;
                x += width;
            }
        }
    }
}

void DrawCursor()
{
    if (isCursorShown != 1) {
        return;
    }
    Objet& cursor = FindObject(specialNames.MouseObject);
    cursor.ptCurrent = mouse.ptMouse;
    cursor.Animate();
    cursor.Draw(screen.fond, 0, 0);
}
}

void ComposeFrame()
{
    ShakeStep();
    CollectDrawList();
    SortDrawList();
    int32_t persoIndex = FindObjectIndex(specialNames.PersoObject);
    Objet& perso = World.objets[persoIndex];
    Fill(0, 0, kScreenWidth, kScreenHeight, kBackgroundColour);
    StrideStep();
    DrawScene(persoIndex);
    nStrideCount += perso.Animate();
    panel.obj.Animate();
    panel.obj.Draw(screen.fond, 0, 0);
    if (IsInDialogue()) {
        nPanelItemCount = 0;
        DrawDialogueObjects();
    } else {
        LayOutInventory();
    }
    DrawTextSlots();
    DrawCursor();
}

void PreparePanel(const Objet& source)
{
    Objet& p = panel.obj;
    p.SetAnimName(source.ResAnimName);
    p.pCurFrame = nullptr;
    p.ptCurrent = source.ptCurrent;
    p.SetSceneName(source.SceneName);
    p.isClickable = 0;
}

void InitPanel(int32_t shownY, int32_t hiddenY)
{
    panel.yHidden = hiddenY;
    panel.yShown = shownY != 0 ? shownY : panel.obj.ptCurrent.y;
    panel.nPanelState = 0;
    panel.obj.ptCurrent.y = hiddenY;
    panel.nPanelSpeed = kPanelSpeed;
    panel.PanelScroll = 1;
}

void UpdatePanel(int32_t x, int32_t y)
{
    (void)x;
    if (y > panel.yHidden - kPanelOpenRows && panel.nPanelState != 2) {
        panel.nPanelState = 1;
    }
    if (y < panel.yShown && panel.nPanelState != 0) {
        panel.nPanelState = 3;
    }
    int32_t& py = panel.obj.ptCurrent.y;
    if (panel.nPanelState == 1) {
        py -= panel.nPanelSpeed;
        if (py <= panel.yShown) {
            py = panel.yShown;
            panel.nPanelState = 2;
        }
    } else if (panel.nPanelState == 3) {
        py += panel.nPanelSpeed;
        if (py >= panel.yHidden) {
            py = panel.yHidden;
            panel.nPanelState = 0;
        }
    }
    if (IsInDialogue()) {
        panel.nPanelState = 2;
        py = panel.yShown;
    }
}

void StartShake()
{
    isShaking = 1;
    nShakeFrames = kShakeFrames;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

void ShowCursor() { isCursorShown = 1; }
void HideCursor() { isCursorShown = 0; }
void ShowPerso() { isPersoShown = 1; }
void HidePerso() { isPersoShown = 0; }
