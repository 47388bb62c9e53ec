// The hotel's lift: the rope in the bar chooses the floor, the lift in the
// hall rides up to it, and the doors of the three floors ride back down.
//   PullLiftRope   next floor on the indicator (floor 2 only once the barman was met)
//   RideLiftUp     from the hall to the balcony, the room or the roof
//   RideLiftDown   from any floor's door back to the hall
#pragma once

void PullLiftRope();
void RideLiftUp();
void RideLiftDown();
