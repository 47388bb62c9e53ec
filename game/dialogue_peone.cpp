// The peon digging in front of the hotel: talked to the end, he walks off.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/steps.h"

namespace {
void Peone8()
{
    SayLine(kPeone, "RT_D_peone_8", 2000);
    WaitMs(2000);
    LeaveScene("O_peone_creuse", "O_pt_hotel_droit", 1500, "R_peone_marche");
    EndDialogue();
}

const Node kNodes[] = {
    Ask("peone_1", Go("peone_2"), Go("peone_3"), Go("peone_4")),
    Last("peone_2"),
    Ask("peone_3", Go("peone_5"), Go("peone_2"), kEmpty),
    Ask("peone_4", Go("peone_2"), Go("peone_3"), kEmpty),
    Ask("peone_5", Go("peone_6"), Go("peone_2"), kEmpty),
    Ask("peone_6", Go("peone_7"), Go("peone_2"), kEmpty),
    Ask("peone_7", Go("peone_8"), kEmpty, kEmpty),
    Scripted("peone_8", Peone8),
};
}

const Conversation kPeone = {"O_peone_creuse", nullptr, nullptr, kNodes, std::size(kNodes)};
