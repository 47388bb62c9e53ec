#include "engine/script/dialogue.h"

#include "engine/core/types.h"
#include "engine/script/primitives.h"
#include "engine/script/bound_names.h"

DialogueChoices dialogue = {1, "", "", "", "", "", "", nullptr};

namespace {
constexpr uint32_t kChoiceTextMs = 200000;  // the answers stay until replaced
constexpr uint32_t kAnswerMs = 2000;        // the character's answer, and the wait after it

void StoreName(char* field, const char* name)
{
    CopyString(field, name, kChoiceNameSize - 1);
}
}

void BeginDialogue()
{
    dialogue.idle = 0;
}

void EndDialogue()
{
    dialogue.idle = 1;
    FindObject(specialNames.ChoiceObject1).SayText("", 0, 0);
    FindObject(specialNames.ChoiceObject2).SayText("", 0, 0);
    FindObject(specialNames.ChoiceObject3).SayText("", 0, 0);
    dialogue.callback = nullptr;
}

bool IsInDialogue()
{
    return dialogue.idle == 0;
}

void SetChoices(const char* text1, const char* sound1, const char* text2, const char* sound2,
                const char* text3, const char* sound3, ChoiceCallback callback)
{
    FindObject(specialNames.ChoiceObject1).SayText(text1, kChoiceTextMs, 0);
    FindObject(specialNames.ChoiceObject2).SayText(text2, kChoiceTextMs, 0);
    FindObject(specialNames.ChoiceObject3).SayText(text3, kChoiceTextMs, 0);
    StoreName(dialogue.sound1, sound1);
    StoreName(dialogue.sound2, sound2);
    StoreName(dialogue.sound3, sound3);
    StoreName(dialogue.text1, text1);
    StoreName(dialogue.text2, text2);
    StoreName(dialogue.text3, text3);
    dialogue.callback = callback;
}

void OnChoiceClicked(Objet& clicked)
{
    const Objet& choice = FindObject(clicked.Name);
    int32_t k = 0;
    const char* text = nullptr;
    const char* sound = nullptr;
    if (dialogue.callback == nullptr) {
        return;
    }
    if (choice.IsNamed(specialNames.ChoiceObject1)) {
        k = 0, text = dialogue.text1, sound = dialogue.sound1;
    } else if (choice.IsNamed(specialNames.ChoiceObject2)) {
        k = 1, text = dialogue.text2, sound = dialogue.sound2;
    } else if (choice.IsNamed(specialNames.ChoiceObject3)) {
        k = 2, text = dialogue.text3, sound = dialogue.sound3;
    } else {
        return;
    }
    FindObject(specialNames.PersoObject).SayText(text, kAnswerMs, 1);
    PlaySoundRes(sound);
    WaitMs(kAnswerMs);
    if (dialogue.callback != nullptr) {
        dialogue.callback(k);
    }
}
