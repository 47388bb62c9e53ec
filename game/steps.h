// Small steps shared by the game's scripts, so that each script reads as the
// list of its steps.
//   Show / Hide      make an object visible or invisible
//   IsShown          whether an object is visible
//   Say              an object says a text for 2000 ms, boxed
//   PutPersoAt       the character appears on a point object and stands there
//   LeaveScene       an object glides to a point (with a walking animation if given), then vanishes
//   IsObjectIndex    whether an index handed to a hook names an object of the table
#pragma once
#include <cstdint>

void Show(const char* object);
void Hide(const char* object);
bool IsShown(const char* object);
void Say(const char* object, const char* text);
void PutPersoAt(const char* pointObject);
void LeaveScene(const char* object, const char* pointObject, int32_t ms, const char* walkAnim);
bool IsObjectIndex(int32_t index);
