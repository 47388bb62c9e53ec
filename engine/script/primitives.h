// The script interface: everything a game script may call. Objects are named
// by string and looked up again at each use (FindObject never fails); the
// per-object primitives are members of Objet (SetVisible, SetAnim,
// SetAnimName, MoveToObject, MoveToObjectOffset, ResetPosition, SetNextScene,
// SayText, IsNamed, HasNextScene, and the fields ptSpeed, ptScrollSpeed and
// isAfficher).
#pragma once
#include <cstdint>

#include "engine/core/frame.h"      // StartShake, Show/HideCursor, Show/HidePerso, panel
#include "engine/core/walk.h"       // PlacePerso(At), SetWalkTarget(At), WalkTo, IsPersoArrived
#include "engine/script/dialogue.h"
#include "engine/sound/sound.h"     // PlaySoundRes, PlaySoundFile, PlayCDTrack
#include "engine/world/world.h"     // FindObject, ChangeScene, FindRessource

// Runs frame steps until ms have passed (at least one). Front end.
void WaitMs(uint32_t ms);
// Stops the CD and ends the program once control is back in the main loop. Front end.
void QuitGame();
