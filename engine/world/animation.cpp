// Object animation, timed moves, drawing and hit boxes.
#include <cmath>

#include "engine/core/clock.h"
#include "engine/core/startup.h"
#include "engine/render/image.h"
#include "engine/world/world.h"

void Objet::SetAnimIndex(int k)
{
    // An index outside the table clears the pictures like index 0 does.
    if (k <= 0 || k >= World.ressourceCount) {
        pFirstFrame = nullptr;
        pCurFrame = nullptr;
        return;
    }
    Ressource& r = World.ressources[k];
    pFirstFrame = &r.frames;
    pCurFrame = &r.frames;
    CopyString(ResAnimName, r.Name, kObjetStringSize - 1);
}

void Objet::SetAnim(const char* resName)
{
    SetAnimIndex(FindRessourceIndex(resName));
}

void Objet::MoveToObjectOffset(const char* name, int32_t dx, int32_t dy, int32_t ms)
{
    const Objet& target = FindObject(name);
    ptDest = {target.ptCurrent.x + dx, target.ptCurrent.y + dy};
    nDestTime = static_cast<int32_t>(frameClock.nLastFrameTick + static_cast<uint32_t>(ms));
}

void Objet::MoveToObject(const char* name, int32_t ms)
{
    MoveToObjectOffset(name, 0, 0, ms);
}

namespace {
// One axis of a timed move: the step towards dest carried with its fraction.
void MoveAxis(int32_t* pos, float* frac, int32_t hotSpot, int32_t dest, double msLeft,
              double avgMs)
{
    float step = static_cast<float>(static_cast<double>(dest - (*pos + hotSpot)) / msLeft * avgMs);
    *frac += step;
    float whole = std::floor(*frac);
    *pos += static_cast<int32_t>(whole);
    *frac -= whole;
}
}

int Objet::Animate()
{
    int32_t lastTick = static_cast<int32_t>(frameClock.nLastFrameTick);
    if (nDestTime > lastTick) {
        double msLeft = static_cast<double>(nDestTime) - lastTick;
        double avgMs = frameClock.nAvgFrameMs;
        MoveAxis(&ptCurrent.x, &fFracX, ptHotSpot.x, ptDest.x, msLeft, avgMs);
        MoveAxis(&ptCurrent.y, &fFracY, ptHotSpot.y, ptDest.y, msLeft, avgMs);
    } else {
        ptCurrent.x += ptSpeed.x;
        ptCurrent.y += ptSpeed.y;
    }
    ptScroll.x += ptScrollSpeed.x;
    ptScroll.y += ptScrollSpeed.y;

    int changed = 0;
    uint32_t now = GetTicks();
    if (pCurFrame != nullptr && nFrameEnd < now) {
        pCurFrame = pCurFrame->next;
        changed = 1;
        nFrameEnd = pCurFrame != nullptr ? now + static_cast<uint32_t>(pCurFrame->tempo) : 0;
    }
    if (pCurFrame == nullptr) {
        pCurFrame = pFirstFrame;
        nFrameEnd = pFirstFrame != nullptr ? now + static_cast<uint32_t>(pFirstFrame->tempo) : 0;
    }
    return changed;
}

void Objet::Draw(SurfaceHandle dest, int32_t offsetX, int32_t offsetY)
{
    if (pCurFrame == nullptr && ResAnimName[0] != '\0') {
        SetAnimIndex(FindRessourceIndex(ResAnimName));
    }
    if (pCurFrame != nullptr) {
        DrawImage(pCurFrame, dest, ptCurrent.x + offsetX, ptCurrent.y + offsetY, fScale,
                  ptScroll.x, ptScroll.y);
    }
}

bool Objet::Contains(int32_t x, int32_t y) const
{
    int32_t w = ptSize.x;
    int32_t h = ptSize.y;
    if (pFirstFrame != nullptr) {
        w = pFirstFrame->rect.right;
        h = pFirstFrame->rect.bottom;
    }
    return x >= ptCurrent.x && x <= ptCurrent.x + w && y >= ptCurrent.y && y <= ptCurrent.y + h;
}

int Objet::GetWidth() const
{
    return pCurFrame != nullptr ? pCurFrame->rect.right - pCurFrame->rect.left : 0;
}
