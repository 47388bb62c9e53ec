// Frame composition: the back buffer rebuilt from scratch every frame (scene
// objects in depth order, the character, the sliding panel with the inventory
// or the dialogue answers, timed texts, cursor), the sliding panel, the shake
// and the two display switches.
#pragma once
#include <cstdint>

#include "engine/core/types.h"
#include "engine/world/objet.h"

extern int32_t aDrawList[kMaxObjets];  // objects drawn by the last frame, back to front
extern int32_t nDrawCount;
extern int32_t aPanelItemList[kMaxObjets];  // inventory items drawn by the last frame
extern int32_t nPanelItemCount;
extern int32_t isCursorShown;
extern int32_t isPersoShown;
extern int32_t isShaking;
extern int32_t nShakeFrames;
extern Point ptShake;

// The sliding panel at the bottom of the screen: a whole object plus its state.
struct SlidingPanel {
    Objet obj;
    int32_t PanelScroll;  // 1-based position of the first inventory item drawn
    int32_t nPanelState;  // 0 hidden, 1 opening, 2 open, 3 closing
    int32_t yHidden;
    int32_t yShown;
    int32_t nPanelSpeed;
};
extern SlidingPanel panel;

void ComposeFrame();                             // the whole frame into the back buffer

// Sliding panel
void PreparePanel(const Objet& source);          // look, position and scene of source
void InitPanel(int32_t shownY, int32_t hiddenY); // hidden; shownY 0 keeps the current y
void UpdatePanel(int32_t x, int32_t y);          // one step of opening or closing

// Shake and display switches
void StartShake();                               // 50 frames of random offsets
void ShowCursor();
void HideCursor();
void ShowPerso();
void HidePerso();
