// The blonde parachutist hanging in the tree: the mattress brings her down.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/sequences.h"

namespace {
// Answer 3 of biond_parachute_8 is offered only while the mattress is in the
// inventory; clicking the slot leads to biond_parachute_16 either way.
const char* MattressAnswerText()
{
    return FindObject("O_panneau_matelas").isAfficher == 1 ? "RT_D_biond_parachute_8_3" : kNoAnswer;
}

void BiondParachute16()
{
    SayLine(kBiondParachute, "RT_D_biond_parachute_16", 2000);
    WaitMs(2000);
    EndDialogue();
    MattressSequence();
}

const Node kNodes[] = {
    Ask("biond_parachute_1", kEnd, Go("biond_parachute_1"), Go("biond_parachute_2")),
    Ask("biond_parachute_2", Go("biond_parachute_3"), Go("biond_parachute_4"), Go("biond_parachute_5")),
    Ask("biond_parachute_3", Go("biond_parachute_6"), Go("biond_parachute_7"), kEmpty),
    Ask("biond_parachute_4", Go("biond_parachute_8"), Go("biond_parachute_9"), kEmpty),
    Ask("biond_parachute_5", kEnd, kEnd, Go("biond_parachute_9")),
    Ask("biond_parachute_6", Go("biond_parachute_11"), Go("biond_parachute_12"), Go("biond_parachute_5")),
    Ask("biond_parachute_7", Go("biond_parachute_5"), Go("biond_parachute_14"), kEnd),
    Ask("biond_parachute_8", Go("biond_parachute_15"), kEnd,
        Worded(MattressAnswerText, Go("biond_parachute_16"))),
    Last("biond_parachute_9"),
    Ask("biond_parachute_11", Go("biond_parachute_19"), Go("biond_parachute_20"), Go("biond_parachute_5")),
    Ask("biond_parachute_12", kEnd, kEmpty, kEmpty),
    Ask("biond_parachute_14", Go("biond_parachute_22"), Go("biond_parachute_24"), kEmpty),
    Ask("biond_parachute_15", kEnd, kEnd, kEmpty),
    Scripted("biond_parachute_16", BiondParachute16),
    Last("biond_parachute_19"),
    Last("biond_parachute_20"),
    Ask("biond_parachute_22", Go("biond_parachute_24"), Go("biond_parachute_25"), kEmpty),
    Last("biond_parachute_24"),
    Last("biond_parachute_25"),
};
}

const Conversation kBiondParachute = {"O_parachutiste", nullptr, nullptr, kNodes, std::size(kNodes)};
