// The sorcerer at the village entrance: he can open the way to "S_PC".
#include "engine/script/primitives.h"
#include "game/conversation.h"

namespace {
void Sorcier10()
{
    SayLine(kSorcier, "RT_D_Sorcier_10", 2000);
    FindObject("O_village_vers_PC").SetNextScene("S_PC");
    EndDialogue();
}

const Node kNodes[] = {
    Ask("Sorcier_1", Go("Sorcier_2"), Go("Sorcier_3"), kEmpty),
    Ask("Sorcier_2", Go("Sorcier_4"), Go("Sorcier_3"), Go("Sorcier_12")),
    Ask("Sorcier_3", Go("Sorcier_5"), Go("Sorcier_6"), kEmpty),
    Ask("Sorcier_4", Go("Sorcier_8"), Go("Sorcier_8"), kEnd),
    Last("Sorcier_5"),
    Ask("Sorcier_6", Go("Sorcier_10"), kEnd, kEmpty),
    Ask("Sorcier_8", kEnd, Go("Sorcier_11"), kEmpty),
    Scripted("Sorcier_10", Sorcier10),
    Last("Sorcier_11"),
    Ask("Sorcier_12", Go("Sorcier_13"), Go("Sorcier_13"), kEmpty),
    Last("Sorcier_13"),
};
}

const Conversation kSorcier = {"O_sorcier", nullptr, nullptr, kNodes, std::size(kNodes)};
