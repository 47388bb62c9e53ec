// The barman: a first talk once, then only the full beer.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/flags.h"
#include "game/steps.h"

namespace {
// barman_2 withdraws barman_1's answers while he goes on talking.
void Barman2()
{
    FindObject("O_bar_serveur").SayText("RT_D_barman_2", 4000, 1);
    SetChoices(kNoAnswer, kNoAnswerSound, kNoAnswer, kNoAnswerSound, kNoAnswer, kNoAnswerSound,
               nullptr);
    PlaySoundRes("RS_D_barman_2");
    WaitMs(4000);
    PlayNode(kBarman, "barman_3");
}

void Barman3()
{
    SayLine(kBarman, "RT_D_barman_3", 4000);
    WaitMs(4000);
    PlayNode(kBarman, "barman_4");
}

// The player gets the full beer.
void Barman5()
{
    SayLine(kBarman, "RT_D_barman_5", 2000);
    Show("O_panneau_biere_plein");
    EndDialogue();
}

const Node kNodes[] = {
    Ask("barman_1", Go("barman_2"), kEmpty, kEmpty),
    Scripted("barman_2", Barman2),
    Scripted("barman_3", Barman3),
    Then("barman_4", "barman_5"),
    Scripted("barman_5", Barman5),
};
}

const Conversation kBarman = {"O_bar_serveur", nullptr, nullptr, kNodes, std::size(kNodes)};

void StartBarmanConversation()
{
    BeginDialogue();
    if (gameFlags.barmanFirstTime == 1) {
        gameFlags.barmanFirstTime = 0;
        PlayNode(kBarman, "barman_1");
    } else {
        PlayNode(kBarman, "barman_5");
    }
}
