// Dialogue mode: up to three answers shown on the panel by the choice objects,
// and the function that continues the conversation with the chosen answer.
#pragma once
#include <cstdint>

struct Objet;

using ChoiceCallback = void (*)(int32_t index);  // 0, 1 or 2

constexpr int kChoiceNameSize = 255;

struct DialogueChoices {
    int32_t idle;  // 1 when no dialogue runs
    char text1[kChoiceNameSize];
    char text2[kChoiceNameSize];
    char text3[kChoiceNameSize];
    char sound1[kChoiceNameSize];
    char sound2[kChoiceNameSize];
    char sound3[kChoiceNameSize];
    ChoiceCallback callback;
};
extern DialogueChoices dialogue;

void BeginDialogue();
void EndDialogue();
bool IsInDialogue();
void SetChoices(const char* text1, const char* sound1, const char* text2, const char* sound2,
                const char* text3, const char* sound3, ChoiceCallback callback);
void OnChoiceClicked(Objet& clicked);
