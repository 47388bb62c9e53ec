#include "game/sequences.h"

#include "engine/script/primitives.h"
#include "game/flags.h"
#include "game/steps.h"

void MattressSequence()
{
    Hide("O_panneau_matelas");
    Show("O_matelas");
    Hide("O_parachutiste");
    Show("O_parachute");
    Show("O_parachutiste_tombe");

    FindObject("O_parachutiste_tombe").MoveToObject("O_pt_contact_matelas1", 1500);
    WaitMs(1500);
    FindObject("O_parachutiste_tombe").MoveToObject("O_pt_contact_matelas2", 1000);
    WaitMs(1000);
    FindObject("O_parachutiste_tombe").MoveToObject("O_pt_contact_matelas3", 1000);
    WaitMs(1000);

    FindObject("O_parachutiste").SetAnim("R_parachutiste_marche");
    Say("O_parachutiste", "RT_D_biond_parachute_rdv_bar");
    PlaySoundRes("RS_D_biond_parachute_rdv_bar");
    WaitMs(2000);

    FindObject("O_parachutiste_tombe").MoveToObject("O_pt_contact_matelas4", 2000);
    WaitMs(2000);

    Hide("O_parachutiste_tombe");
    Show("O_bar_biond");
}

void BeerSequence()
{
    Hide("O_panneau_biere_plein");

    Say("O_scout_balcon_wait", "RT_D_scout_biere_7");
    PlaySoundRes("RS_D_scout_biere_7");
    FindObject("O_scout_balcon_wait").SetAnim("R_scout_balcon_boit");
    WaitMs(1500);

    PlaySoundRes("RS_D_scout_biere_8");
    FindObject("O_scout_balcon_wait").SetAnim("R_scout_balcon_wait");

    gameFlags.beersDrunk += 1;
    if (gameFlags.beersDrunk > 3) {  // the fourth beer sends him to the toilets
        LeaveScene("O_scout_balcon_wait", "O_pt_balcon_porte", 1500, "R_scout_marche_balcon");
        Show("O_WC_scout");
        Hide("O_WC_periscope");
        Show("O_WC_mec_haut");
        Show("O_WC_mec_bas");
    }
}

void TexanDeparture()
{
    Say("O_texan", "RT_D_texan_17");
    PlaySoundRes("RS_D_texan_17");
    FindObject("O_texan").SetAnim("R_texan_parle");
    WaitMs(2000);
    FindObject("O_texan").SetAnim("R_texan");

    LeaveScene("O_texan", "O_pt_hotel_droit", 1000, nullptr);
    Show("O_derrick");
}
