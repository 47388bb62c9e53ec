// Mouse input: hit test, hover, click, drag and drop, walking on walk zones.
#include "engine/core/input.h"

#include "engine/core/frame.h"
#include "engine/core/walk.h"
#include "engine/script/dialogue.h"
#include "engine/script/hooks.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"

MouseState mouse = {};

namespace {
constexpr uint32_t kButtonBits = 0xFFFF;
constexpr uint32_t kLabelDuration = 1000;

Objet& Cursor()
{
    return FindObject(specialNames.MouseObject);
}

// The first clickable object of scene whose box holds (x, y), in index order.
int32_t HitInScene(const char* scene, int32_t x, int32_t y)
{
    for (int32_t i = 1; i < World.objetCount; ++i) {
        const Objet& o = World.objets[i];
        if (o.IsInScene(scene) && o.isClickable != 0 && o.Contains(x, y)) {
            return i;
        }
    }
    return 0;
}

// Inventory items drawn by the last frame; the point is moved back by the
// panel's distance from its open position, as the items were drawn.
int32_t HitInventory(int32_t x, int32_t y)
{
    int32_t yPanel = y + panel.yShown - panel.obj.ptCurrent.y;
    for (int32_t k = 0; k < nPanelItemCount; ++k) {
        const Objet& o = World.objets[aPanelItemList[k]];
        if (o.IsInScene(specialNames.PanelScene) && o.isClickable != 0 && o.Contains(x, yPanel)) {
            return aPanelItemList[k];
        }
    }
    return 0;
}

// Scene objects of the last frame, front to back.
int32_t HitDrawList(int32_t x, int32_t y)
{
    for (int32_t k = nDrawCount - 1; k >= 0; --k) {
        const Objet& o = World.objets[aDrawList[k]];
        if (o.isClickable != 0 && o.Contains(x, y)) {
            return aDrawList[k];
        }
    }
    return 0;
}

void WalkToHotSpotOf(const Objet& o)
{
    const Point p = o.HotSpotPoint();
    SetWalkTarget(p.x, p.y);
    WaitUntilPersoArrived();
}

void OnClick(int32_t i)
{
    Objet& o = World.objets[i];
    if (IsInDialogue()) {
        if (o.IsInScene(specialNames.DialogueScene)) {
            OnChoiceClicked(o);
        }
        return;
    }
    if (o.ptHotSpot.x != 0 && o.ptHotSpot.y != 0) {
        WalkToHotSpotOf(o);
    }
    OnClickObject(i);
}

void OnDrop(int32_t pressed, int32_t target)
{
    WalkToHotSpotOf(World.objets[target]);
    OnUseObject(pressed, target);
}

void OnEnter(int32_t i)
{
    OnMouseEnterObject(i);
    Objet& o = World.objets[i];
    if (o.HasNextScene()) {
        Cursor().SetAnim(specialNames.MouseGoRes);
    } else if (o.isClickable != 0) {
        Cursor().SetAnim(specialNames.MouseClickRes);
    }
    if (o.AffName[0] != '\0') {
        o.SayText(o.AffName, kLabelDuration, 1);
    }
}

void OnLeave(int32_t i)
{
    OnMouseLeaveObject(i);
    const Objet& o = World.objets[i];
    if (o.HasNextScene() || o.isClickable != 0) {
        Cursor().SetAnim(specialNames.MouseRes);
    }
}
}

int32_t HitTest(int32_t x, int32_t y)
{
    if (IsInDialogue()) {
        return HitInScene(specialNames.DialogueScene, x, y);
    }
    int32_t hit = HitInventory(x, y);
    return hit != 0 ? hit : HitDrawList(x, y);
}

bool IsInWalkZone(int32_t x, int32_t y)
{
    const char* current = GetCurrentSceneName();
    for (int32_t i = 1; i < World.objetCount; ++i) {
        const Objet& o = World.objets[i];
        if (o.IsInScene(current) && o.isZoneDep != 0 && o.Contains(x, y)) {
            return true;
        }
    }
    return false;
}

void OnMouseMove(int32_t x, int32_t y, uint32_t buttons)
{
    mouse.ptMouse = {x, y};
    int32_t h = HitTest(x, y);
    if ((buttons & kButtonBits) == 0 && h != mouse.nHoverObject) {
        if (mouse.nHoverObject != 0) {
            OnLeave(mouse.nHoverObject);
        }
        if (h != 0) {
            OnEnter(h);
        }
    }
    mouse.nHoverObject = h;
    if (mouse.nPressedObject != 0) {
        const Objet& pressed = World.objets[mouse.nPressedObject];
        if (pressed.isDragAndDrop != 0) {
            Cursor().pFirstFrame = pressed.pFirstFrame;
        }
    }
}

void OnMouseDown(int32_t x, int32_t y)
{
    (void)x;
    (void)y;
    mouse.nPressedObject = HitTest(mouse.ptMouse.x, mouse.ptMouse.y);
}

void OnMouseUp(int32_t x, int32_t y)
{
    int32_t h = HitTest(mouse.ptMouse.x, mouse.ptMouse.y);
    Cursor().pFirstFrame = &FindRessource(specialNames.MouseRes).frames;
    if (mouse.nPressedObject == 0 || h == 0) {
        mouse.nPressedObject = 0;
        if (IsInWalkZone(x, y)) {
            SetWalkTarget(x, y);
        }
        return;
    }
    if (h == mouse.nPressedObject) {
        OnClick(h);
    } else {
        OnDrop(mouse.nPressedObject, h);
    }
    mouse.nPressedObject = 0;
}
