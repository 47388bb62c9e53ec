// Objects: the Objet record (configured values and run-time state), the object
// table with its reserved entry 0, lookups by name, and the operations on one
// object: accessors, animation, timed moves, drawing, hit box and speech.
#pragma once
#include <cstdint>

#include "engine/core/types.h"
#include "engine/render/surface.h"

struct Image;

constexpr int kMaxObjets = 500;  // entry 0 reserved: 499 usable
constexpr int kObjetStringSize = 255;  // 254 characters and a terminator

// Plain record: the table starts zero-filled, no constructor.
struct Objet {
    char Name[kObjetStringSize];
    char AffName[kObjetStringSize];      // label text resource shown on hover
    char ResAnimName[kObjetStringSize];  // animation, resolved at the first draw
    Image* pFirstFrame;                  // first picture of the resolved animation
    Image* pCurFrame;                    // picture shown now
    uint32_t nFrameEnd;                  // tick at which the current picture expires
    Point ptCoord;                       // configured top-left position
    Point ptCurrent;                     // current top-left position
    Point ptDest;                        // destination of the hot spot during a timed move
    int32_t nDestTime;                   // tick at which the timed move arrives
    float fFracX;
    float fFracY;
    Point ptSize;       // hit box size when there is no picture
    Point ptHotSpot;    // reference point: walk target, move point, depth base line
    Point ptSpeed;      // pixels added every frame while no timed move runs
    Point ptScrollSpeed;
    Point ptScroll;     // wrap-around offset of the picture inside its rectangle
    Point ptText;       // where the object's texts are shown, from ptCurrent
    int32_t nTextSlot;  // text slot last used
    char SceneName[kObjetStringSize];
    char SceneSuivanteName[kObjetStringSize];   // exit: scene entered on click
    char SceneSuivantePoint[kObjetStringSize];  // exit: arrival point object
    int32_t isClickable;
    int32_t isDragAndDrop;
    int32_t isAfficher;
    int32_t isZoneDep;
    float fScale;  // 0 = unscaled

    // Accessors
    void SetName(const char* s);
    void SetAffName(const char* s);
    void SetSceneName(const char* s);
    void SetNextScene(const char* s);
    void SetSceneSuivantePoint(const char* s);
    void SetAnimName(const char* s);  // takes over when the running cycle ends
    bool IsNamed(const char* s) const;
    bool IsInScene(const char* s) const;
    bool HasNextScene() const;
    int IsZoneDep() const { return isZoneDep; }
    void SetCoord(int32_t x, int32_t y) { ptCoord = {x, y}; }
    void SetPos(int32_t x, int32_t y) { ptCurrent = {x, y}; }
    void SetSize(int32_t x, int32_t y) { ptSize = {x, y}; }
    void SetHotSpot(int32_t x, int32_t y) { ptHotSpot = {x, y}; }
    void SetTextOffset(int32_t x, int32_t y) { ptText = {x, y}; }
    void ResetPosition() { ptCurrent = ptCoord; }
    // The reference point on screen (unscaled hot spot): walk target, depth base line.
    Point HotSpotPoint() const { return {ptCurrent.x + ptHotSpot.x, ptCurrent.y + ptHotSpot.y}; }
    void SetClickable(int32_t v) { isClickable = v; }
    void SetVisible(int32_t v) { isAfficher = v; }
    void SetZoneDep(int32_t v) { isZoneDep = v; }
    void SetDragAndDrop(int32_t v) { isDragAndDrop = v; }
    void SetScale(float s) { fScale = s; }

    // Animation, movement and drawing
    void SetAnimIndex(int k);          // switch at once to resource k (0 clears)
    void SetAnim(const char* resName); // switch at once to the named resource
    void MoveToObject(const char* name, int32_t ms);
    void MoveToObjectOffset(const char* name, int32_t dx, int32_t dy, int32_t ms);
    int Animate();                     // one frame; 1 when the picture changed
    void Draw(SurfaceHandle dest, int32_t offsetX, int32_t offsetY);
    bool Contains(int32_t x, int32_t y) const;
    int GetWidth() const;

    // Shows a text resource at ptCurrent + ptText for duration ms.
    int SayText(const char* textName, uint32_t duration, int32_t boxed);
};

// Everything an object section of the configuration gives.
struct ObjetConfig {
    const char* name;
    const char* affName;
    const char* resAnimName;
    const char* sceneName;
    const char* sceneSuivanteName;
    const char* sceneSuivantePoint;
    Point coord;
    Point size;
    Point text;
    Point hotSpot;
    int32_t isClickable;
    int32_t isAfficher;
    int32_t isZoneDep;
    int32_t isDragAndDrop;
};

void ClearObjets();
int AddObjet(const ObjetConfig& c);     // 0, or -1 when the table is full
Objet& FindObject(const char* name);    // entry 0 when none
int FindObjectIndex(const char* name);  // 0 when none
