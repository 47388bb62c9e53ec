// The texan in front of the hotel: he talks with his hands, and the oil drop
// gives the player a way to send him off.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/sequences.h"
#include "game/steps.h"

namespace {
bool HasOilDrop() { return IsShown("O_panneau_goutte_huile"); }

// texan_1's third answer: the oil drop changes both its words and where it leads.
const char* OilAnswerText() { return HasOilDrop() ? "RT_D_texan_1_3b" : "RT_D_texan_1_3"; }
void OilAnswer() { PlayNode(kTexan, HasOilDrop() ? "texan_16" : "texan_4"); }

void EndThenDeparture()
{
    EndDialogue();
    TexanDeparture();
}

const Node kNodes[] = {
    Ask("texan_1", Go("texan_2"), Go("texan_3"), Worded(OilAnswerText, Run(OilAnswer))),
    Ask("texan_2", Go("texan_5"), Go("texan_5"), Go("texan_6")),
    Ask("texan_3", Go("texan_7"), Go("texan_8"), kEnd),
    Ask("texan_4", Go("texan_9"), Go("texan_10"), Go("texan_11")),
    Ask("texan_5", Go("texan_12"), Go("texan_13"), kEmpty),
    Ask("texan_6", Go("texan_14"), Go("texan_13"), Go("texan_7")),
    Ask("texan_7", Go("texan_15"), kEmpty, kEmpty),
    Ask("texan_8", kEnd, kEmpty, kEmpty),
    WaitLast("texan_9"),
    WaitLast("texan_10"),
    WaitLast("texan_11"),
    Ask("texan_12", Go("texan_13"), Go("texan_13"), kEmpty),
    WaitLast("texan_13"),
    WaitLast("texan_14"),
    Ask("texan_15", kEnd, kEmpty, kEmpty),
    Ask("texan_16", Go("texan_13"), Run(EndThenDeparture), kEmpty),
};
}

const Conversation kTexan = {"O_texan", "R_texan_parle", "R_texan", kNodes, std::size(kNodes)};
