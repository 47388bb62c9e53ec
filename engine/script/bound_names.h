// The 19 name slots through which a game tells the engine which scene, object
// or resource of its configuration plays a fixed role. The game's binding hooks
// set them once at start; the engine looks the names up again at each use.
#pragma once

constexpr int kSpecialNameSize = 256;  // 255 characters and a terminator

struct SpecialNames {
    // Scenes
    char StartScene[kSpecialNameSize];
    char DialogueScene[kSpecialNameSize];
    char PanelScene[kSpecialNameSize];
    char PersoScene[kSpecialNameSize];
    // Resources
    char FontRes[kSpecialNameSize];
    char MouseRes[kSpecialNameSize];
    char MouseClickRes[kSpecialNameSize];
    char MouseGoRes[kSpecialNameSize];
    char WalkIdleRes[kSpecialNameSize];
    char WalkLeftRes[kSpecialNameSize];
    char WalkRightRes[kSpecialNameSize];
    // Objects
    char MouseObject[kSpecialNameSize];
    char PersoObject[kSpecialNameSize];
    char PanelObject[kSpecialNameSize];
    char PanelRightObject[kSpecialNameSize];
    char PanelLeftObject[kSpecialNameSize];
    char ChoiceObject1[kSpecialNameSize];
    char ChoiceObject2[kSpecialNameSize];
    char ChoiceObject3[kSpecialNameSize];
};

extern SpecialNames specialNames;

// Setters: each copies at most 255 characters of the name into its slot.
void SetStartScene(const char* name);
void SetDialogueScene(const char* name);
void SetPanelScene(const char* name);
void SetPersoScene(const char* name);
void SetFontRes(const char* name);
void SetMouseRes(const char* name);
void SetMouseClickRes(const char* name);
void SetMouseGoRes(const char* name);
void SetWalkIdleRes(const char* name);
void SetWalkLeftRes(const char* name);
void SetWalkRightRes(const char* name);
void SetMouseObject(const char* name);
void SetPersoObject(const char* name);
void SetPanelObject(const char* name);
void SetPanelRightObject(const char* name);
void SetPanelLeftObject(const char* name);
void SetChoiceObject1(const char* name);
void SetChoiceObject2(const char* name);
void SetChoiceObject3(const char* name);
