// The blonde at the bar, once the parachutist has landed: she gives the car key.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/steps.h"

namespace {
// The player gets the car key.
void BiondBar25()
{
    SayLine(kBiondBar, "RT_D_biond_bar_25", 2000);
    Show("O_panneau_clef_voiture");
    EndDialogue();
}

const Node kNodes[] = {
    Ask("biond_bar_1", Go("biond_bar_2"), Go("biond_bar_26"), Go("biond_bar_4")),
    Ask("biond_bar_2", Go("biond_bar_5"), Go("biond_bar_6"), Go("biond_bar_7")),
    Ask("biond_bar_4", Go("biond_bar_2"), kEnd, kEmpty),
    Ask("biond_bar_5", Go("biond_bar_8"), Go("biond_bar_9"), kEnd),
    Ask("biond_bar_6", Go("biond_bar_10"), Go("biond_bar_11"), kEmptyEnd),
    Ask("biond_bar_7", kEnd, Go("biond_bar_12"), kEmpty),
    Ask("biond_bar_8", Go("biond_bar_6"), Go("biond_bar_14"), kEmpty),
    Ask("biond_bar_9", Go("biond_bar_15"), Go("biond_bar_16"), Go("biond_bar_17")),
    Ask("biond_bar_10", Go("biond_bar_18"), Go("biond_bar_12"), kEmpty),
    Ask("biond_bar_11", Go("biond_bar_10"), Go("biond_bar_12"), kEmpty),
    WaitLast("biond_bar_12"),
    Ask("biond_bar_14", Go("biond_bar_19"), Go("biond_bar_12"), kEmpty),
    WaitLast("biond_bar_15"),
    Ask("biond_bar_16", Go("biond_bar_20"), kEnd, kEmpty),
    WaitLast("biond_bar_17"),
    Ask("biond_bar_18", Go("biond_bar_21"), Go("biond_bar_22"), kEmpty),
    Ask("biond_bar_19", Go("biond_bar_23"), Go("biond_bar_24"), Go("biond_bar_24")),
    Ask("biond_bar_20", Go("biond_bar_8"), Go("biond_bar_12"), kEmpty),
    Ask("biond_bar_21", Go("biond_bar_25"), kEnd, kEmpty),
    Ask("biond_bar_22", Go("biond_bar_21"), Go("biond_bar_12"), kEmpty),
    Last("biond_bar_23"),
    Ask("biond_bar_24", Go("biond_bar_6"), Go("biond_bar_6"), kEmpty),
    Scripted("biond_bar_25", BiondBar25),
    Ask("biond_bar_26", kEnd, Go("biond_bar_2"), kEmpty),
};
}

const Conversation kBiondBar = {"O_parachutiste", nullptr, nullptr, kNodes, std::size(kNodes)};
