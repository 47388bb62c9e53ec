// The scout waiting on the balcony: he can be talked into a beer.
#include "engine/script/primitives.h"
#include "game/conversation.h"
#include "game/sequences.h"

namespace {
void EndThenBeer()
{
    EndDialogue();
    BeerSequence();
}

const Node kNodes[] = {
    Ask("scout_biere_1", kEnd, Go("scout_biere_2"), kEmpty),
    Ask("scout_biere_2", Go("scout_biere_3"), Go("scout_biere_4"), kEmpty),
    Ask("scout_biere_3", Go("scout_biere_5"), Go("scout_biere_6"), kEmpty),
    Last("scout_biere_4"),
    Ask("scout_biere_5", Go("scout_biere_8"), Run(EndThenBeer), kEnd),
    Last("scout_biere_6"),
    Last("scout_biere_8"),
};
}

const Conversation kScoutBiere = {"O_scout_balcon_wait", nullptr, nullptr, kNodes, std::size(kNodes)};
