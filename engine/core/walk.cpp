// The player character's walk.
#include "engine/core/walk.h"

#include <cstdlib>

#include "engine/script/primitives.h"
#include "engine/script/bound_names.h"
#include "engine/world/world.h"

Point ptWalkTarget = {0, 0};
int32_t nStrideCount = 0;

namespace {
constexpr int32_t kArrivalDistance = 30;
constexpr int32_t kStrideLength = 30;

Objet& Perso()
{
    return FindObject(specialNames.PersoObject);
}

// The character's hot spot as drawn: scaled, truncated towards zero.
Point ScaledHotSpot(const Objet& o)
{
    if (o.fScale == 0.0f) {
        return o.ptHotSpot;
    }
    return {static_cast<int32_t>(static_cast<float>(o.ptHotSpot.x) * o.fScale),
            static_cast<int32_t>(static_cast<float>(o.ptHotSpot.y) * o.fScale)};
}

// From the character's hot spot to the walk target.
Point OffsetToTarget(const Objet& perso)
{
    Point h = ScaledHotSpot(perso);
    return {ptWalkTarget.x - (perso.ptCurrent.x + h.x), ptWalkTarget.y - (perso.ptCurrent.y + h.y)};
}

bool IsWithinArrival(Point d)
{
    return std::abs(d.x) < kArrivalDistance && std::abs(d.y) < kArrivalDistance;
}

Point HotSpotOf(const char* objectName)
{
    return FindObject(objectName).HotSpotPoint();
}
}

void SetWalkTarget(int32_t x, int32_t y)
{
    ptWalkTarget = {x, y};
}

void SetWalkTargetAt(const char* objectName)
{
    Point p = HotSpotOf(objectName);
    SetWalkTarget(p.x, p.y);
}

void PlacePerso(int32_t x, int32_t y)
{
    Objet& perso = Perso();
    Point h = ScaledHotSpot(perso);
    perso.ptCurrent = {x - h.x, y - h.y};
}

void PlacePersoAt(const char* objectName)
{
    Point p = HotSpotOf(objectName);
    PlacePerso(p.x, p.y);
}

bool IsPersoArrived()
{
    return IsWithinArrival(OffsetToTarget(Perso()));
}

void WaitUntilPersoArrived()
{
    while (!IsPersoArrived()) {
        WaitMs(0);
    }
}

int WalkTo(const char* objectName)
{
    SetWalkTargetAt(objectName);
    WaitUntilPersoArrived();
    return 1;
}

void UpdateWalk()
{
    Objet& perso = Perso();
    Point d = OffsetToTarget(perso);
    const char* anim = nullptr;
    if (IsWithinArrival(d)) {
        perso.ptSpeed = {0, 0};
        anim = specialNames.WalkIdleRes;
        nStrideCount = 0;
    } else if (std::abs(d.x) > std::abs(d.y)) {
        perso.ptSpeed = {d.x > 0 ? 1 : -1, 0};
        anim = d.x > 0 ? specialNames.WalkRightRes : specialNames.WalkLeftRes;
    } else {
        perso.ptSpeed = {0, d.y > 0 ? 1 : -1};
        anim = d.y > 0 ? specialNames.WalkRightRes : specialNames.WalkLeftRes;
    }
    // Only the first picture changes: the running cycle plays to its end.
    perso.pFirstFrame = &FindRessource(anim).frames;
}

void StrideStep()
{
    if (nStrideCount == 5 || nStrideCount == 10) {
        Objet& perso = Perso();
        perso.ptCurrent.x += kStrideLength * perso.ptSpeed.x;
        perso.ptCurrent.y += kStrideLength * perso.ptSpeed.y;
        nStrideCount += 1;
    }
    if (nStrideCount >= 10) {
        nStrideCount = 1;
    }
}
