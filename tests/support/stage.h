// A standard small world for engine tests: two scenes, a character with its
// walking animations, scene objects (a backdrop, a chest, a door, a sign, a
// floor walk zone), three inventory items, three dialogue answers, the panel,
// a cursor with its three looks and a font. Tests adjust the description
// before loading it.
//
//   StageWorld        the description (see the names below)
//   BindStageNames    sets the 19 special names to the stage's names
//   ResetRunState     puts composition, input, walking, texts, clock back to start
//   LoadStage         ResetRunState, loads the world, binds the names, makes
//                     S_Room current, prepares the panel as start-up does and
//                     lets the character stand where it is
//   FindFixtureObject the description of one object, by name
//   Idx               object index by name (FindObjectIndex)
//   Mapped            the back buffer's raw value of a fixture colour
//   kRawBackground    what every frame is filled with
#pragma once
#include <cstdint>
#include <string>

#include "support/fixture_world.h"

// Colours of the stage's pictures, for pixel probes.
constexpr FixtureColour kBackColour = {0, 0, 128};
constexpr FixtureColour kChestColour = {160, 96, 0};
constexpr FixtureColour kDoorColour = {96, 48, 0};
constexpr FixtureColour kSignColour = {0, 160, 0};
constexpr FixtureColour kIdleColour = {200, 0, 0};
constexpr FixtureColour kRightColour = {255, 0, 128};
constexpr FixtureColour kLeftColour = {0, 200, 200};
constexpr FixtureColour kPanelColour = {128, 128, 128};
constexpr FixtureColour kKeyColour = {255, 255, 0};
constexpr FixtureColour kRopeColour = {0, 255, 0};
constexpr FixtureColour kMapColour = {0, 128, 255};
constexpr FixtureColour kChoiceColour = {64, 0, 128};
constexpr FixtureColour kMouseColour = {255, 255, 255};
constexpr FixtureColour kMouseClickColour = {255, 128, 0};
constexpr FixtureColour kMouseGoColour = {0, 255, 128};
constexpr FixtureColour kGlyphColour = {0, 0, 0};
constexpr FixtureColour kWideGlyphColour = {128, 0, 0};

FixtureWorld StageWorld();
void BindStageNames();
void ResetRunState();
void LoadStage(const FixtureWorld& world);
FixtureObject& FindFixtureObject(FixtureWorld& world, const std::string& name);
int Idx(const char* name);
uint32_t Mapped(FixtureColour c);
constexpr uint32_t kRawBackground = 255;
