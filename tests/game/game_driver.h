// Plays the real game in tests as a player would: a fresh game on the
// generated data set with the stepping clock, and actions that name objects.
//   GameTest            fixture: the game started at its start scene, flags reset,
//                       with the stepping clock at kFrameMs or the step a derived fixture gives
//   Frames(n)           n frame steps
//   Click(name)         press and release on the object (an inventory item: on the open panel)
//   Drag(item, target)  drag an inventory item from the panel onto an object
//   Hover(name)         move the pointer onto the object, no button held
//   ChooseSlot(k)       click dialogue answer k (1..3)
//   Choose(text)        click the dialogue answer that shows this text
//   Offered(k)          text of dialogue answer k
//   TravelTo(scene)     click exits, the shortest way, until the scene is current
//   CurrentScene()      name of the current scene
//   Shown(name)         the object's visibility
//   ExitOf(name)        the scene the object leads to ("" when it is no exit)
//   LastLine(name)      name of the text a watched object said last ("" when none)
//   PersoAt()           the character's hot spot on screen
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/core/types.h"

constexpr uint32_t kFrameMs = 100;

class GameTest : public ::testing::Test {
protected:
    explicit GameTest(uint32_t frameMs = kFrameMs) : frameMs_(frameMs) {}
    void SetUp() override;

private:
    uint32_t frameMs_;
};

void Frames(int n);
::testing::AssertionResult Click(const char* name);
::testing::AssertionResult Drag(const char* item, const char* target);
::testing::AssertionResult Hover(const char* name);
::testing::AssertionResult ChooseSlot(int k);
::testing::AssertionResult Choose(const char* text);
std::string Offered(int k);
::testing::AssertionResult TravelTo(const char* scene);
std::string CurrentScene();
bool Shown(const char* name);
std::string ExitOf(const char* name);
std::string LastLine(const char* name);
Point PersoAt();
