#include "game/lift.h"

#include "engine/script/primitives.h"
#include "game/flags.h"
#include "game/steps.h"

namespace {
// The three layers of each stage of the ride, stage 1 at index 0.
const char* const kStages[3][3] = {
    {"O_lift_arriere_1", "O_lift_fond_1", "O_lift_avant_1"},
    {"O_lift_arriere_2", "O_lift_fond_2", "O_lift_avant_2"},
    {"O_lift_arriere_3", "O_lift_fond_3", "O_lift_avant_3"},
};

// Hides the stage shown before, then shows stage `to` (both 1..3).
void SwitchStage(int from, int to)
{
    for (const char* layer : kStages[from - 1]) {
        Hide(layer);
    }
    for (const char* layer : kStages[to - 1]) {
        Show(layer);
    }
}

void SetFloor(const char* indicator, int32_t floor)
{
    FindObject("O_lift_num").SetAnim(indicator);
    gameFlags.liftFloor = floor;
}

// Where the ride up ends, by floor.
struct Floor {
    const char* arrival;
    const char* scene;
};
const Floor kFloors[3] = {
    {"O_pt_balcon_droit", "S_balcon"},
    {"O_pt_chambre_gauche", "S_chambre"},
    {"O_pt_toit_porte", "SceneId_Toit"},
};
}

void PullLiftRope()
{
    FindObject("O_bar_corde").SetAnim("R_lift_corde_tire");
    switch (gameFlags.liftFloor) {
    case 0:
        if (gameFlags.barmanMet == 1) {
            SetFloor("R_lift_num_2", 1);
        } else {
            SetFloor("R_lift_num_3", 2);
        }
        break;
    case 1:
        SetFloor("R_lift_num_3", 2);
        break;
    case 2:
        SetFloor("R_lift_num_1", 0);
        break;
    }
    WaitMs(1000);
    FindObject("O_bar_corde").SetAnim("R_lift_corde");
}

void RideLiftUp()
{
    WalkTo("O_pt_lift_1");
    PutPersoAt("O_pt_lift_2");
    SwitchStage(1, 2);
    WaitMs(1000);
    WaitMs(300);
    PutPersoAt("O_pt_lift_3");
    SwitchStage(2, 3);
    WaitMs(300);
    if (gameFlags.liftFloor >= 0 && gameFlags.liftFloor <= 2) {
        const Floor& f = kFloors[gameFlags.liftFloor];
        PutPersoAt(f.arrival);
        ChangeScene(f.scene);
    }
}

void RideLiftDown()
{
    PutPersoAt("O_pt_lift_3");
    ChangeScene("SceneId_Hall");
    WaitMs(300);
    PutPersoAt("O_pt_lift_2");
    SwitchStage(3, 2);
    WaitMs(1000);
    WaitMs(300);
    PutPersoAt("O_pt_lift_1");
    SwitchStage(2, 1);
}
