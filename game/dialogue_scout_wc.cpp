// The scout in the toilets: talked to the end, he goes back to the balcony.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/steps.h"

namespace {
// A small scene with the man in the next cubicle, then two answers.
void ScoutWC6()
{
    FindObject("O_WC_scout").MoveToObject("O_pt_WC_milieu", 1500);
    WaitMs(1500);
    SayLine(kScoutWC, "RT_D_scout_WC_6", 2000);
    WaitMs(2000);
    FindObject("O_WC_mec_haut").SetAnim("R_gars_WC_poing");
    WaitMs(2000);
    FindObject("O_WC_mec_haut").SetAnim("R_WC_mec_haut");
    SayLine(kScoutWC, "RT_D_scout_WC_6b", 2000);
    WaitMs(2000);
    SayLine(kScoutWC, "RT_D_scout_WC_6c", 2000);
    WaitMs(2000);
    FindObject("O_WC_scout").MoveToObject("O_pt_WC_scout", 1500);
    WaitMs(1500);
    OfferAnswers(kScoutWC, "scout_WC_6");
}

// The panel goes before the scout walks off; his line stays while he walks.
void ScoutWC7()
{
    SayLine(kScoutWC, "RT_D_scout_WC_7", 2000);
    EndDialogue();
    LeaveScene("O_WC_scout", "O_pt_wc_gauche", 1000, nullptr);
    Show("O_scout_balcon_pisse");
}

const Node kNodes[] = {
    Ask("scout_WC_1", Go("scout_WC_2"), Go("scout_WC_3"), Go("scout_WC_2")),
    Ask("scout_WC_2", Go("scout_WC_3"), Go("scout_WC_4"), kEnd),
    Ask("scout_WC_3", Go("scout_WC_5"), Go("scout_WC_4"), kEnd),
    Ask("scout_WC_4", Go("scout_WC_5"), kEnd, kEmpty),
    Ask("scout_WC_5", Go("scout_WC_6"), Go("scout_WC_7"), kEnd),
    {"scout_WC_6", kScripted,
     {Worded("RT_D_scout_WC_6c_1", Go("scout_WC_7")), Worded("RT_D_scout_WC_6c_2", kEnd), kEmpty},
     nullptr, ScoutWC6},
    Scripted("scout_WC_7", ScoutWC7),
};
}

const Conversation kScoutWC = {"O_WC_scout", nullptr, nullptr, kNodes, std::size(kNodes)};
