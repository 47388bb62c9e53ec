// The use hook: an inventory item dropped on an object. Every row of the table
// is tried in turn; a row acts when both names match.
#include "engine/script/hooks.h"
#include "engine/script/primitives.h"
#include "game/sequences.h"
#include "game/steps.h"

namespace {
// The car drives off with the key and blows up; the barrel floats and the bolt appears.
void DriveCarOff()
{
    Hide("O_panneau_clef_voiture");
    FindObject("O_voiture_arret").ptSpeed.x = 10;
    WaitMs(2000);
    StartShake();
    PlaySoundFile("RS_explosion");
    Hide("O_voiture_arret");
    Show("O_voiture_crash");
    Hide("O_tonneau_arbre");
    Show("O_tonneau_flotte");
    Show("O_boulon");
}

// Robinson takes the bolt to his car and leaves his fishing rod and an oil stain.
void GiveBoltToRobinson()
{
    Say("O_robinson", "RT_UneVoiture");
    PlaySoundRes("RS_UneVoiture");
    WaitMs(2000);
    LeaveScene("O_robinson", "O_pt_feu_droit", 1500, "R_robinson_marche");
    Show("O_panneau_canne");
    Hide("O_voiture_crash");
    Show("O_tache_huile");
}

// The guard goes fishing: the winch now leads to the workshop.
void GiveRodToGuard()
{
    Hide("O_garde");
    Hide("O_panneau_canne");
    Show("O_pecheur");
    Show("O_seau");
    FindObject("ObjectId_Treuil_VersAtelier").SetNextScene("SceneId_Atelier");
}

void GiveOilToTexan()
{
    Hide("O_tache_huile");
    TexanDeparture();
}

// The magazine keeps the scout busy long enough to fill the pool.
void ShowMagazineToScout()
{
    Hide("O_scout_balcon_pisse");
    Show("O_scout_balcon_pisse_loin");
    Hide("O_piscine_vide");
    Show("O_piscine_pleine");
}

struct UseRow {
    const char* dragged;
    const char* target;
    void (*action)();
};

const UseRow kUseRows[] = {
    {"O_panneau_clef_voiture", "O_voiture_arret", DriveCarOff},
    {"O_pannel_boulon", "O_robinson", GiveBoltToRobinson},
    {"O_panneau_canne", "O_garde", GiveRodToGuard},
    {"O_panneau_matelas", "O_parachutiste", MattressSequence},
    {"O_panneau_goutte_huile", "O_texan", GiveOilToTexan},
    {"O_panneau_biere_plein", "O_scout_balcon_wait", BeerSequence},
    {"O_panneau_playboy", "O_scout_balcon_pisse", ShowMagazineToScout},
};
}

void OnUseObject(int32_t dragged, int32_t target)
{
    if (!IsObjectIndex(dragged) || !IsObjectIndex(target)) {
        return;
    }
    for (const UseRow& row : kUseRows) {
        if (World.objets[dragged].IsNamed(row.dragged) && World.objets[target].IsNamed(row.target)) {
            row.action();
        }
    }
}
