// The game's three short cut scenes, started by a drop or by a conversation.
//   MattressSequence  the parachutist lands on the mattress and goes to the bar
//   BeerSequence      the scout drinks a beer; the fourth sends him to the toilets
//   TexanDeparture    the texan leaves and the derrick appears
#pragma once

void MattressSequence();
void BeerSequence();
void TexanDeparture();
